// The collision step's worst case in one frame: the largest wave of rocks,
// each tested against a full magazine of missiles that all miss.
#include <benchmark/benchmark.h>

#include <vector>

#include "objects/space_junk.h"
#include "weapons/manage_weapon.h"

namespace {
constexpr int kRocks = 180;
// 75 plus the 40 a restored score of 2500 adds.
constexpr int kMissiles = 115;

struct Field {
    ManageWeapon weapons{1920, 1080};
    std::vector<SpaceJunk> rocks;

    Field() {
        weapons.addMaxMissiles(kMissiles - weapons.getMaxMissiles());
        // Rocks keep their default outline in the top-left corner; the
        // missiles stand well away from it.
        for (int i = 0; i < kMissiles; ++i) {
            const PointF at(static_cast<float>(600 + (i % 23) * 50),
                            static_cast<float>(300 + (i / 23) * 100));
            weapons.fireMissile(PointF(0.0f, 0.0f), at, 0.0f);
        }
        rocks.reserve(kRocks);
        for (int i = 0; i < kRocks; ++i) {
            rocks.emplace_back(1920, 1080, i, false);
        }
    }
};

void hitRockFrameAllMiss(benchmark::State& state) {
    static Field field;
    for (auto _ : state) {
        int hits = 0;
        for (SpaceJunk& rock : field.rocks) {
            hits += field.weapons.hitRock(rock) ? 1 : 0;
        }
        benchmark::DoNotOptimize(hits);
    }
    if (field.weapons.getNumMissiles() != kMissiles) {
        state.SkipWithError("a missile hit a rock");
    }
    state.SetItemsProcessed(state.iterations() * kRocks * kMissiles);
}
BENCHMARK(hitRockFrameAllMiss)->Unit(benchmark::kMicrosecond);
} // namespace
