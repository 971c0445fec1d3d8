#include "game/rock_waves.h"
#include "support/headless_game.h"

const std::vector<int> kTable{2, 3, 10, 11};
const Point kSize(1920, 1080); // the waves read both where they live

// Where the first rocks go, how fast, their shapes and the start-up nudge, and the factors the
// table gives, the stored recordings' states and logs hold; the ids they do not.
TEST(RockWavesTest, EachRockHasItsOwnIdAndLevelStepsOnlyOnAClearedFieldOutsideMilkRun) {
    std::vector<SpaceJunk> rocks;
    setCalendarClock([] { return HeadlessGame::kPinnedSecond; });
    quietly([&] { createRocks(rocks, 3, kTable, kSize); });
    setCalendarClock({});
    EXPECT_EQ(std::tuple(rocks[0].getObjId(), rocks[1].getObjId(), rocks[2].getObjId()),
              std::tuple(2751, 2753, 2755));
    // Rocks before, milk run, waves added with N first, level before, level and rocks after.
    const int levels[][6] = {
        {0, 0, 0, 1, 2, 20},             // cleared: next level, ten more rocks
        {0, 1, 0, 1, 1, 0},              // milk run: stays empty
        {1, 0, 0, 1, 1, 1},              // not cleared
        {0, 0, 17, 4, 5, 180},           // at 180 the wave stays 180
        {0, 0, 0, INT_MAX, INT_MAX, 20}, // the level saturates
    };
    for (const auto& [rocksBefore, milkRun, added, before, after, rocksAfter] : levels) {
        RockWaves waves(kTable, kSize);
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
    RockWaves waves(kTable, kSize);
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
