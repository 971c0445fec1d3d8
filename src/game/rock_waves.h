// Rock waves: the random table they read, how a wave is built and placed, and
// the nudge the first two rocks get at start-up.
#pragma once

#include <SDL_stdinc.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "geometry/point.h"
#include "objects/space_junk.h"

// The most rocks in play. A wave that would take them past it is not built (N may be held
// down with key repeat), and a level's wave is cut to it. Far above normal play (level waves
// stop at 190, the benchmark's field holds 210), yet cheap: a timedemo with 1890 rocks on a
// 1024 x 768 field takes 5.4 ms of CPU a frame (1.4 ms with 10) and 38 MiB at its peak (31).
inline constexpr int kMaxRocksInPlay = 2048;

// Seeds the generator, then n times appends rand() % 10 + 1, sleeps 50 ms and
// appends (rand() + i) % 15.
void fillRandomTable(std::vector<int>& randV, std::uint32_t seed, int n,
                     const std::function<void(Uint32)>& sleep);

// Appends n rocks for a field of windowSize, shaped and placed from randV.
void createRocks(std::vector<SpaceJunk>& rocks, int n, const std::vector<int>& randV,
                 Point windowSize);

// Start-up's extra push for rock 0 and rock 1.
void adjustFirstRocks(std::vector<SpaceJunk>& rocks);

// The size of the next wave and when it comes.
class RockWaves {
  public:
    // Reads the table and the size where they live, so temporaries are refused.
    RockWaves(const std::vector<int>& randV, const Point& windowSize);
    RockWaves(std::vector<int>&&, const Point&) = delete;
    RockWaves(const std::vector<int>&, Point&&) = delete;

    // Back to a first wave of 10 and a limit of 180.
    void reset();
    // Key N: ten rocks more than the last wave, beyond the level's limit; built while the
    // rocks in play stay within kMaxRocksInPlay.
    void moreRocks(std::vector<SpaceJunk>& rocks);
    // A cleared field outside milk-run mode brings the next level and a wave ten
    // rocks larger, up to the limit.
    void levelStep(std::vector<SpaceJunk>& rocks, int& level, bool milkRunMode);
    int rockCount() const { return count; }

  private:
    const std::vector<int>& randV;
    const Point& windowSize;
    int count = 10;
    int maxRocks = 180;
};
