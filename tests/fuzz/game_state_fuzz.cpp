// Feeds arbitrary bytes to the game-state reader as "game.txt" in the working directory,
// runs the shell's save routine on what it read and loads the result back.
// Run it in a scratch directory (make fuzz does): it writes files there.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "persist/game_state.h"

// The reader's messages would swamp the fuzzer's own output.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    int null = ::open("/dev/null", O_WRONLY);
    ::dup2(null, STDOUT_FILENO);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream("game.txt", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    auto first = std::make_unique<GameState>();
    const std::vector<Point> points = first->getLfpts(); // clear() empties them
    const std::int32_t score = first->getScore(), level = first->getLevel();
    const bool freeze = first->loadedFreeze, pause = first->isPaused();
    first->fill(points, score, level, freeze, pause);
    first->save();
    first.reset(); // the destructor writes "game.txt" a second time
    // The reader takes no minus sign, so a negative number comes back as 0.
    const auto reloaded = [](std::int32_t v) { return v < 0 ? 0 : v; };
    std::vector<Point> kept;
    for (const Point& p : points) {
        kept.emplace_back(reloaded(p.x), reloaded(p.y));
    }
    GameState back;
    if (back.getScore() != reloaded(score) || back.getLevel() != reloaded(level) ||
        back.loadedFreeze != freeze || back.isPaused() != pause || back.getLfpts() != kept ||
        !back.store.empty()) {
        std::abort();
    }
    return 0;
}
