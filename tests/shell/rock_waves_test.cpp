#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "geometry/calendar_clock.h"
#include "shell/rock_waves.h"
#include "support/log_lines.h"

namespace {
// Speeds below were worked out with a calculator script of the generator and the
// rock's float steps (log2(10) / 125 per unit of velocity), for the pinned second.
constexpr std::time_t kSecond = 1700000000;

struct PinnedClock {
    PinnedClock() {
        setCalendarClock([] { return kSecond; });
    }
    ~PinnedClock() { setCalendarClock({}); }
};

std::vector<SpaceJunk> wave(int n, const std::vector<int>& table, std::string* log = nullptr,
                            bool reserve = true) {
    PinnedClock clock;
    std::vector<SpaceJunk> rocks;
    // A vector that grows copies its rocks, which puts their centres back at (50, 75).
    rocks.reserve(reserve ? static_cast<std::size_t>(n) : 0u);
    testing::internal::CaptureStdout();
    createRocks(rocks, n, table, Point(1920, 1080));
    std::string out = testing::internal::GetCapturedStdout();
    if (log != nullptr) {
        *log = out;
    }
    return rocks;
}
} // namespace

TEST(RockWavesTest, TheTableIsFilledFromTheSeedWithASleepBetweenDraws) {
    std::vector<int> randV;
    Uint32 slept = 0;
    fillRandomTable(randV, 1, 100, [&](Uint32 ms) { slept += ms; });
    ASSERT_EQ(randV.size(), 200u);
    // Seed 1 draws 16838, 5758, 10113, 17515, 31051.
    EXPECT_EQ(std::vector<int>(randV.begin(), randV.begin() + 5),
              (std::vector<int>{9, 13, 4, 11, 2}));
    EXPECT_EQ(slept, 5000u);
}

TEST(RockWavesTest, FooAndBarMapToTheirFactorsAtEveryThreshold) {
    std::string log;
    wave(4, {2, 3, 10, 11}, &log);
    std::vector<std::string> factors;
    for (const std::string& line : logLines(log)) {
        if (line.rfind("Updated foo and bar values:", 0) == 0) {
            factors.push_back(line.substr(27));
        }
    }
    // (foo, bar) = (2, 3), (3, 10), (10, 11), (11, 2).
    EXPECT_EQ(factors,
              (std::vector<std::string>{"0.75, 1.5", "0.99, 1.5", "0.99, 2.75", "1.55, 1.225"}));
    EXPECT_EQ(logLines(log)[0], "rand foo and rand bar values:2, 3");
}

TEST(RockWavesTest, PlacementAndPushesOfTheFirstRocksThenTheStartUpNudge) {
    std::vector<SpaceJunk> rocks = wave(3, {2, 3, 10, 11});
    struct Expected {
        float x_c, y_c, speed;
        int id;
    };
    // Centres: the copy's (50, 75) plus (20k, 75k), (123k, 200k), then (100k, 200k) for
    // s = -1 or (k, 85k) for s = +1, with k = i + 1.
    const Expected rows[] = {
        {293, 550, 22.326757f, 2751}, {338, 795, 27.562117f, 2753}, {482, 1155, 22.712099f, 2755}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(rocks[i].x_c, rows[i].x_c) << i;
        EXPECT_EQ(rocks[i].y_c, rows[i].y_c) << i;
        EXPECT_NEAR(rocks[i].getSpeed(), rows[i].speed, 1e-5) << i;
        EXPECT_EQ(rocks[i].getObjId(), rows[i].id) << i;
        EXPECT_NEAR(rocks[i].driftAngle, 108.38495f, 1e-4) << "a = 23 from the second shaping";
        EXPECT_EQ(rocks[i].rockCords[12].x, rocks[i].rockCords[0].x) << "closed";
    }
    adjustFirstRocks(rocks);
    const double step = std::log2(10.0) / 125;
    EXPECT_EQ(rocks[0].x_c, 293 + 79);
    EXPECT_EQ(rocks[0].y_c, 550 + 350);
    EXPECT_NEAR(rocks[0].getSpeed(), 22.326757 + 5.5 * step, 1e-5);
    EXPECT_EQ(rocks[1].x_c, 338 + 10);
    EXPECT_EQ(rocks[1].y_c, 795 + 200);
    EXPECT_NEAR(rocks[1].getSpeed(), 27.562117 + 2.5 * step, 1e-5);
    EXPECT_EQ(rocks[2].x_c, 482) << "the third rock is left alone";
    std::vector<SpaceJunk> grown = wave(3, {2, 3, 10, 11}, nullptr, false);
    EXPECT_EQ(grown[0].x_c, 50.0f);
    EXPECT_NEAR(grown[0].getSpeed(), 22.326757f, 1e-5) << "the copy keeps the speed";
    EXPECT_EQ(grown[2].x_c, 482.0f);
}

TEST(RockWavesTest, LevelStepOnlyOnAClearedFieldOutsideMilkRun) {
    const std::vector<int> table{2, 3, 10, 11};
    const Point size(1920, 1080);
    struct Row {
        int rocksBefore;
        bool milkRun;
        int waves; // waves already added with N before the step
        int level; // level before
        int levelAfter;
        int rocksAfter;
    };
    const Row rows[] = {
        {0, false, 0, 1, 2, 20},             // cleared: next level, ten more rocks
        {0, true, 0, 1, 1, 0},               // milk run: stays empty
        {1, false, 0, 1, 1, 1},              // not cleared
        {0, false, 17, 4, 5, 180},           // at 180 the wave stays 180
        {0, false, 0, INT_MAX, INT_MAX, 20}, // the level saturates
    };
    for (const Row& r : rows) {
        PinnedClock clock;
        RockWaves waves(table, size);
        std::vector<SpaceJunk> rocks;
        testing::internal::CaptureStdout();
        for (int i = 0; i < r.waves; ++i) {
            waves.moreRocks(rocks);
        }
        rocks.assign(static_cast<std::size_t>(r.rocksBefore), SpaceJunk(1920, 1080, -1, false));
        int level = r.level;
        waves.levelStep(rocks, level, r.milkRun);
        testing::internal::GetCapturedStdout();
        EXPECT_EQ(level, r.levelAfter) << r.level << " " << r.milkRun;
        EXPECT_EQ(static_cast<int>(rocks.size()), r.rocksAfter) << r.level << " " << r.milkRun;
    }
}
