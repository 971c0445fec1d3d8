#include "game/rock_waves.h"
#include "support/headless_game.h"

namespace {
// Speeds below were worked out with a calculator script of the generator and the
// rock's float steps (log2(10) / 125 per unit of velocity), for the pinned second.
std::vector<SpaceJunk> wave(int n, std::string& log, bool reserve = true) {
    setCalendarClock([] { return HeadlessGame::kPinnedSecond; });
    std::vector<SpaceJunk> rocks;
    // A vector that grows copies its rocks, which puts their centres back at (50, 75).
    rocks.reserve(reserve ? static_cast<std::size_t>(n) : 0u);
    log = quietly([&] { createRocks(rocks, n, {2, 3, 10, 11}, {1920, 1080}); });
    setCalendarClock({});
    return rocks;
}
} // namespace

TEST(RockWavesTest, FirstRocksThenTheStartUpNudgeAndLevelStepsOnlyOnAClearedFieldOutsideMilkRun) {
    std::string log;
    std::vector<SpaceJunk> rocks = wave(4, log);
    std::vector<std::string> factors;
    for (const std::string& line : logLines(log)) {
        if (line.rfind("Updated foo and bar values:", 0) == 0) {
            factors.push_back(line.substr(27));
        }
    }
    // (foo, bar) = (2, 3), (3, 10), (10, 11), (11, 2): every threshold.
    EXPECT_EQ(factors,
              (std::vector<std::string>{"0.75, 1.5", "0.99, 1.5", "0.99, 2.75", "1.55, 1.225"}));
    struct Expected {
        float x_c, y_c, speed;
        int id;
    };
    // Centres: the copy's (50, 75) plus (20k, 75k), (123k, 200k), then (100k, 200k) for
    // s = -1 or (k, 85k) for s = +1, with k = i + 1.
    const Expected rows[] = {
        {293, 550, 22.326757f, 2751}, {338, 795, 27.562117f, 2753}, {482, 1155, 22.712099f, 2755}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(std::pair(rocks[i].x_c, rocks[i].y_c), std::pair(rows[i].x_c, rows[i].y_c));
        EXPECT_NEAR(rocks[i].getSpeed(), rows[i].speed, 1e-5) << i;
        EXPECT_EQ(rocks[i].getObjId(), rows[i].id) << i;
        EXPECT_NEAR(rocks[i].driftAngle, 108.38495f, 1e-4) << "a = 23 from the second shaping";
        EXPECT_EQ(rocks[i].rockCords[12].x, rocks[i].rockCords[0].x) << "closed";
    }
    adjustFirstRocks(rocks);
    const double step = std::log2(10.0) / 125;
    EXPECT_EQ(std::pair(rocks[0].x_c, rocks[0].y_c), std::pair(293.0f + 79, 550.0f + 350));
    EXPECT_NEAR(rocks[0].getSpeed(), 22.326757 + 5.5 * step, 1e-5);
    EXPECT_EQ(std::pair(rocks[1].x_c, rocks[1].y_c), std::pair(338.0f + 10, 795.0f + 200));
    EXPECT_NEAR(rocks[1].getSpeed(), 27.562117 + 2.5 * step, 1e-5);
    EXPECT_EQ(rocks[2].x_c, 482) << "the third rock is left alone";
    std::vector<SpaceJunk> grown = wave(3, log, false);
    EXPECT_EQ(grown[0].x_c, 50.0f);
    EXPECT_NEAR(grown[0].getSpeed(), 22.326757f, 1e-5) << "the copy keeps the speed";
    EXPECT_EQ(grown[2].x_c, 482.0f);
    // Rocks before, milk run, waves added with N first, level before, level and rocks after.
    const int levels[][6] = {
        {0, 0, 0, 1, 2, 20},             // cleared: next level, ten more rocks
        {0, 1, 0, 1, 1, 0},              // milk run: stays empty
        {1, 0, 0, 1, 1, 1},              // not cleared
        {0, 0, 17, 4, 5, 180},           // at 180 the wave stays 180
        {0, 0, 0, INT_MAX, INT_MAX, 20}, // the level saturates
    };
    const std::vector<int> table{2, 3, 10, 11};
    const Point size(1920, 1080); // the waves read both where they live
    for (const auto& [rocksBefore, milkRun, added, before, after, rocksAfter] : levels) {
        RockWaves waves(table, size);
        std::vector<SpaceJunk> field;
        int level = before;
        quietly([&] {
            for (int i = 0; i < added; ++i) {
                waves.moreRocks(field);
            }
            field.assign(static_cast<std::size_t>(rocksBefore), SpaceJunk(1920, 1080, -1, false));
            waves.levelStep(field, level, milkRun != 0);
        });
        EXPECT_EQ(std::pair(level, static_cast<int>(field.size())), std::pair(after, rocksAfter))
            << before << " " << milkRun;
    }
}

// Waves from N: 20, 30, ... 190 make 1890 rocks; the wave of 200 would pass 2048, so neither it
// nor a later one is built, though each press still prints its line and grows the wave. After
// 204 presses a level's wave of 2050 is cut to the limit.
TEST(RockWavesTest, NeverMoreRocksInPlayThanTheLimit) {
    const std::vector<int> table{2, 3, 10, 11};
    const Point size(1920, 1080);
    RockWaves waves(table, size);
    std::vector<SpaceJunk> field;
    int level = 1;
    testing::internal::CaptureStderr();
    const std::string log = quietly([&] {
        for (int i = 0; i < 30; ++i) {
            waves.moreRocks(field);
        }
    });
    std::vector<std::string> told = logLines(testing::internal::GetCapturedStderr());
    EXPECT_EQ(std::tuple(field.size(), waves.rockCount(), told.size(), told.front()),
              std::tuple(1890u, 310, 12u,
                         "a wave of 200 rocks is not built: it would take the rocks past 2048"));
    EXPECT_EQ(countLines(log, "##### Create new rocks pluss 10 ####"), 30);
    testing::internal::CaptureStderr();
    quietly([&] {
        for (int i = 30; i < 204; ++i) {
            waves.moreRocks(field);
        }
        field.clear();
        waves.levelStep(field, level, false);
    });
    told = logLines(testing::internal::GetCapturedStderr());
    EXPECT_EQ(told.back(), "a wave of 2050 rocks is built with 2048, the most in play");
    EXPECT_EQ(std::tuple(field.size(), waves.rockCount(), level), std::tuple(2048u, 2050, 2));
}
