#include "platform/page_scores.h"

#if defined(__EMSCRIPTEN__)
#include <emscripten.h>

namespace {
std::function<std::string()> scoreRows;
std::string lastRows;
} // namespace

void offerScoreRows(std::function<std::string()> rows) {
    scoreRows = std::move(rows);
}

// The text stays valid until the next call; empty before the game has offered any.
extern "C" EMSCRIPTEN_KEEPALIVE const char* va_score_rows() {
    lastRows = scoreRows ? scoreRows() : std::string();
    return lastRows.c_str();
}

#else

void offerScoreRows(std::function<std::string()>) {}

#endif
