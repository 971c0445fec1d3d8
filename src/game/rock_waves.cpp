// Rock waves: how each wave is built and placed.
#include <algorithm>
#include <iostream>
#include <limits>

#include "game/rock_waves.h"
#include "geometry/game_rand.h"
#include "geometry/numeric.h"
#include "replay/recording.h"

// A frame builds at most twice the limit (a wave from N, then a level's), three readings each.
static_assert(kMaxFrameClockReadings > 6 * static_cast<std::size_t>(kMaxRocksInPlay) + 65536);

namespace {
float fooFactor(float foo) {
    if (foo < 3) {
        return 0.75f;
    }
    return foo <= 10 ? 0.99f : 1.55f;
}

float barFactor(float bar) {
    if (bar < 3) {
        return 1.225f;
    }
    return bar <= 10 ? 1.5f : 2.75f;
}
} // namespace

void fillRandomTable(std::vector<int>& randV, std::uint32_t seed, int n,
                     const std::function<void(Uint32)>& sleep) {
    gameSrand(seed);
    for (int i = 0; i < n; ++i) {
        randV.push_back(gameRand() % 10 + 1);
        sleep(50);
        randV.push_back((gameRand() + i) % 15);
    }
}

void createRocks(std::vector<SpaceJunk>& rocks, int n, const std::vector<int>& randV,
                 Point windowSize) {
    int idBase = strChecksum("Fresh Farts For Super Service!");
    const std::size_t m = randV.size();
    for (int i = 0; i < n; ++i) {
        const auto at = [&](std::size_t k) {
            // An empty table reads as zeros instead of taking a remainder by zero.
            return m == 0 ? 0.0f : static_cast<float>(randV[k % m]);
        };
        const float foo = at(static_cast<std::size_t>(i));
        const float bar = at(static_cast<std::size_t>(i) + 1);
        std::cout << "rand foo and rand bar values:" << foo << ", " << bar << std::endl;
        const float fooF = fooFactor(foo);
        const float barF = barFactor(bar);
        std::cout << "Updated foo and bar values:" << fooF << ", " << barF << std::endl;

        ++idBase;
        SpaceJunk rock(windowSize.x, windowSize.y, idBase, true);
        rock.setObjId(idBase + i);
        rock.randomizeShape();
        rock.scaleBy(static_cast<float>(1.0001 * (fooF / 3.5)));
        rock.addVelocity(barF * 10);
        rock.closeShape();
        rock.move2Point(static_cast<int>(bar * 100 * static_cast<float>(i + 1)),
                        static_cast<int>(foo * 50 * static_cast<float>(i + 1)));
        rock.fitSize();

        // Copied into the field: the copy starts again from the default centre.
        rocks.push_back(rock);
        SpaceJunk& added = rocks.back();
        const int k = i + 1;
        added.move2Point(20 * k, 75 * k);
        const int s = i % 3 == 0 ? -1 : 1;
        added.addVelocity(static_cast<float>(s * 30 * k));
        added.move2Point(123 * k, 200 * k);
        const int t = i % 2 == 1 ? 1 : -1;
        if (s == 1) {
            added.addVelocity(static_cast<float>(t * 45 * k));
            added.move2Point(k, 85 * k);
        } else {
            added.addVelocity(static_cast<float>(t * 17 * k));
            added.move2Point(100 * k, 200 * k);
        }
    }
}

void adjustFirstRocks(std::vector<SpaceJunk>& rocks) {
    if (rocks.size() >= 1) {
        rocks[0].addVelocity(2.0f);
        rocks[0].addVelocity(3.5f);
        rocks[0].move2Point(79, 350);
    }
    if (rocks.size() >= 2) {
        rocks[1].addVelocity(2.5f);
        rocks[1].move2Point(10, 200);
    }
}

RockWaves::RockWaves(const std::vector<int>& table, const Point& size)
    : randV(table), windowSize(size) {}

void RockWaves::reset() {
    count = 10;
    maxRocks = 180;
}

void RockWaves::moreRocks(std::vector<SpaceJunk>& rocks) {
    std::cout << "##### Create new rocks pluss 10 ####" << std::endl;
    if (count <= std::numeric_limits<int>::max() - 10) {
        count += 10;
    }
    if (rocks.size() + static_cast<std::size_t>(count) >
        static_cast<std::size_t>(kMaxRocksInPlay)) {
        std::cerr << "a wave of " << count << " rocks is not built: it would take the rocks past "
                  << kMaxRocksInPlay << std::endl;
        return;
    }
    createRocks(rocks, count, randV, windowSize);
}

void RockWaves::levelStep(std::vector<SpaceJunk>& rocks, int& level, bool milkRunMode) {
    if (!rocks.empty() || milkRunMode) {
        return;
    }
    saturatingIncrement(level);
    if (count < maxRocks) {
        count += 10;
    }
    if (count > kMaxRocksInPlay) {
        std::cerr << "a wave of " << count << " rocks is built with " << kMaxRocksInPlay
                  << ", the most in play" << std::endl;
    }
    createRocks(rocks, std::min(count, kMaxRocksInPlay), randV, windowSize);
}
