// A daily run's clock: it starts at its date's midnight (UTC) and moves only with the game's own
// sleeps, in whole seconds, so every player's game reads the same seconds on that date however
// fast their machine is.
#pragma once

#include <SDL_stdinc.h>

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>

class DailyClock {
  public:
    explicit DailyClock(std::int64_t midnight) : start(midnight) {}

    std::time_t now() const { return static_cast<std::time_t>(start + slept / 1000); }
    void advance(Uint32 ms) { slept += ms; }

    // The sleep the game calls: it moves the clock, then sleeps as `inner` does.
    static std::function<void(Uint32)> sleepWith(std::shared_ptr<DailyClock> clock,
                                                 std::function<void(Uint32)> inner) {
        return [clock, inner](Uint32 ms) {
            clock->advance(ms);
            if (inner) {
                inner(ms);
            }
        };
    }

  private:
    std::int64_t start;
    std::uint64_t slept = 0;
};
