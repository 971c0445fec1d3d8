// Random input for many frames: every key but Q, key repeats, any mouse button anywhere.
// Nothing may crash, memory may not creep, and the exit must still save the score and level.
#ifndef _WIN32
#include <unistd.h>
#endif

#include <cstdlib>
#include <random>

#include "persist/game_state.h"
#include "support/headless_game.h"

namespace {
// ASan's shadow memory would swamp the resident figure; under Wine it is Wine's, not ours: there
// it reads 0 throughout.
long residentKb() {
#if defined(__SANITIZE_ADDRESS__) || defined(_WIN32)
    return 0;
#else
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
#endif
}

constexpr int kWidth = 640, kHeight = 400;

// Up to four inputs a frame: three in four a key (pressed, repeated or let go), the rest a
// mouse button anywhere. N adds rocks, so after five its presses fire instead.
class Monkey {
  public:
    Monkey() {
        for (const KeyBinding& binding : Game::keyTable()) {
            if (binding.key != SDL_SCANCODE_Q) {
                keys.push_back(binding.key);
            }
        }
    }
    void pushInputs() {
        for (int n = roll(0, 4); n > 0; --n) {
            if (roll(0, 3) != 0) {
                SDL_Scancode key = keys[static_cast<std::size_t>(roll(0, int(keys.size()) - 1))];
                if (key == SDL_SCANCODE_N && ++moreRocks > 5) {
                    key = SDL_SCANCODE_SPACE;
                }
                const int kind = roll(0, 2); // press, repeat, release
                HeadlessGame::pushKey(kind == 2 ? SDL_KEYUP : SDL_KEYDOWN, key, kind == 1);
            } else {
                // Left .. X2, on the field, the strip right of it and off the window.
                const auto button = static_cast<Uint8>(roll(1, 5));
                const int x = roll(-kWidth / 4, kWidth * 5 / 4);
                const int y = roll(-kHeight / 4, kHeight * 5 / 4);
                HeadlessGame::pushMouse(roll(0, 1) == 0 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP,
                                        button, x, y);
            }
        }
    }

  private:
    int roll(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }

    std::mt19937 rng{20240611};
    std::vector<SDL_Scancode> keys;
    int moreRocks = 0;
};
} // namespace

TEST(MonkeyTest, RandomInputNeitherCrashesNorGrowsAndTheExitStillSaves) {
    const char* env = std::getenv("VA_MONKEY_FRAMES");
    const int frames = env != nullptr && std::atoi(env) > 0 ? std::atoi(env) : 20000;
    HeadlessGame h(kWidth, kHeight);
    Monkey monkey;
    long rssAtHalf = 0, rssAtEnd = 0;
    // W, 1 and 3 log a lot; none of it is looked at here.
    quietly([&] {
        ASSERT_FALSE(h.start().has_value());
        for (int frame = 1; frame <= frames; ++frame) {
            monkey.pushInputs();
            h.frames(1);
            rssAtHalf = frame == 10000 ? residentKb() : rssAtHalf;
        }
        rssAtEnd = residentKb();
    });
    const int score = h.state->score, level = h.state->level;
    quietly([&] { h.exitProcess(); });
    EXPECT_TRUE(frames <= 10000 || rssAtEnd <= rssAtHalf + rssAtHalf / 10)
        << "resident kB at frame 10000: " << rssAtHalf << ", at " << frames << ": " << rssAtEnd;
    ASSERT_TRUE(std::filesystem::exists(h.workDir.path() / "game.txt"));
    GameState saved;
    EXPECT_EQ(std::pair(saved.getScore(), saved.getLevel()), std::pair(score, level));
}
