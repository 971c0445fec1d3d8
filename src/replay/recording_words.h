// The words of a recording's lines, as its reader takes them apart.
#pragma once

#include <charconv>
#include <string>
#include <string_view>
#include <vector>

#include "platform/player_input.h"
#include "replay/state_digest.h"

// A whole word in decimal, and nothing else.
template <typename T> bool parseNumber(std::string_view text, T& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && !text.empty();
}

// Splits at single spaces; at most `limit` words, else false.
bool splitWords(std::string_view text, std::vector<std::string_view>& words, std::size_t limit);
bool startsWith(std::string_view text, std::string_view prefix);
// Undoes the writer's escapes (\n and \xHH); anything else after a backslash is false.
bool unescape(std::string_view text, std::string& out);
// An input line's words, as the writer writes them; anything else is false.
bool parseInput(const std::vector<std::string_view>& w, PlayerInput& in);
// Every part once, in the writer's order: a part missing or unknown is damage, not a
// difference the replay would name.
bool parseDigest(const std::vector<std::string_view>& w, StateDigest& d);
