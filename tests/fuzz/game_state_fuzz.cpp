// Feeds arbitrary bytes to the game-state reader as "game.txt" in the working directory,
// runs the shell's save routine on what it read and loads the result back.
// Run it in a scratch directory (make fuzz does): it writes files there.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "persist/game_state.h"

// The reader's messages would swamp the fuzzer's own output.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    return 0;
}

// The reader takes no minus sign, so a negative number comes back as 0.
static std::int32_t reloaded(std::int32_t v) {
    return v < 0 ? 0 : v;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream("game.txt", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    std::int32_t score, level;
    bool freeze, pause;
    std::vector<Point> points;
    {
        GameState state;
        points = state.getLfpts(); // clear() empties them
        score = state.getScore();
        level = state.getLevel();
        freeze = state.loadedFreeze;
        pause = state.isPaused();
        state.fill(points, score, level, freeze, pause);
        state.save();
    } // the destructor writes "game.txt" a second time
    GameState back;
    bool same = back.getScore() == reloaded(score) && back.getLevel() == reloaded(level) &&
                back.loadedFreeze == freeze && back.isPaused() == pause &&
                back.getLfpts().size() == points.size() && back.store.empty();
    for (std::size_t i = 0; same && i < points.size(); ++i) {
        same = back.getLfpts()[i] == Point(reloaded(points[i].x), reloaded(points[i].y));
    }
    if (!same) {
        std::abort();
    }
    return 0;
}
