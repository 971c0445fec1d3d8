#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "support/log_lines.h"
#include "support/started_game_test.h"

namespace {
class RockWavesTest : public StartedGameTest {};

std::string printed(float v) {
    std::ostringstream os;
    os << v;
    return os.str();
}
} // namespace

TEST_F(RockWavesTest, FirstWaveReadsTheRandomTablePairwise) {
    ASSERT_EQ(h.game->rocks.size(), 10u);
    const std::vector<int>& randV = h.state->randV;
    std::vector<std::string> draws;
    std::vector<std::string> factors;
    for (const std::string& line : logLines(startLog)) {
        if (line.rfind("rand foo and rand bar values:", 0) == 0) {
            draws.push_back(line);
        } else if (line.rfind("Updated foo and bar values:", 0) == 0) {
            factors.push_back(line);
        }
    }
    ASSERT_EQ(draws.size(), 10u);
    ASSERT_EQ(factors.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(draws[i], "rand foo and rand bar values:" + std::to_string(randV[i]) + ", " +
                                std::to_string(randV[i + 1]));
        float fooF = randV[i] < 3 ? 0.75f : (randV[i] <= 10 ? 0.99f : 1.55f);
        float barF = randV[i + 1] < 3 ? 1.225f : (randV[i + 1] <= 10 ? 1.5f : 2.75f);
        EXPECT_EQ(factors[i], "Updated foo and bar values:" + printed(fooF) + ", " + printed(barF));
    }
}

TEST_F(RockWavesTest, RocksCarryTheirWaveIdentifiers) {
    // Ids start from the checksum 2750: rock i gets 2750 + (i + 1) + i.
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(h.game->rocks[static_cast<std::size_t>(i)].getObjId(), 2750 + 1 + 2 * i);
    }
}

TEST_F(RockWavesTest, ClearingTheFieldBringsTheNextLevelInTheSameFrame) {
    h.game->rocks.clear();
    std::string log = frameLog();
    EXPECT_EQ(h.state->level, 2);
    EXPECT_EQ(h.game->rockCount, 20);
    EXPECT_EQ(h.game->rocks.size(), 20u);
    std::vector<std::string> lines = logLines(log);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& l) {
                                return l.rfind("rand foo and rand bar values:", 0) == 0;
                            }),
              20);
}

TEST_F(RockWavesTest, WavesStopGrowingAtTheLimit) {
    h.game->rockCount = 180;
    h.game->rocks.clear();
    frameLog();
    EXPECT_EQ(h.game->rocks.size(), 180u);
    EXPECT_EQ(h.game->rockCount, 180);
}

TEST_F(RockWavesTest, MilkRunKeepsTheFieldEmptyAndTheLevel) {
    h.tapKey(SDL_SCANCODE_M);
    h.game->rocks.clear();
    frameLog(3);
    EXPECT_TRUE(h.game->rocks.empty());
    EXPECT_EQ(h.state->level, 1);
    h.tapKey(SDL_SCANCODE_M);
    frameLog();
    EXPECT_EQ(h.state->level, 2) << "leaving milk-run with an empty field starts the next wave";
    EXPECT_EQ(h.game->rocks.size(), 20u);
}

TEST_F(RockWavesTest, NAppendsAWaveTenLargerWithoutLimit) {
    h.game->rockCount = 180;
    h.tapKey(SDL_SCANCODE_N);
    std::string log = frameLog();
    EXPECT_EQ(countLines(log, "##### Create new rocks pluss 10 ####"), 1);
    EXPECT_EQ(h.game->rockCount, 190);
    EXPECT_EQ(h.game->rocks.size(), 10u + 190u);
}

TEST_F(RockWavesTest, RockReportPrintsEveryRockTwice) {
    h.tapKey(SDL_SCANCODE_W);
    std::string log = frameLog();
    EXPECT_EQ(countLines(log, "Inside SCANCODE_W"), 1);
    EXPECT_EQ(countLines(log, "##### Printing the rocks that are missing #####"), 10);
    EXPECT_EQ(countLines(log, "SpaceJunk::printCords()"), 20);
    EXPECT_EQ(countLines(log, "velocity:" + printed(h.game->rocks[0].getSpeed())), 2);
}

TEST_F(RockWavesTest, PausedRocksStandStill) {
    h.tapKey(SDL_SCANCODE_P);
    frameLog();
    float x = h.game->rocks[3].rockCords[0].x;
    frameLog(5);
    EXPECT_EQ(h.game->rocks[3].rockCords[0].x, x);
    h.tapKey(SDL_SCANCODE_P);
    frameLog(5);
    EXPECT_NE(h.game->rocks[3].rockCords[0].x, x);
}

TEST_F(RockWavesTest, AnEmptyRandomTableBuildsRocksWithoutDividingByZero) {
    h.state->randV.clear();
    std::vector<SpaceJunk> field;
    testing::internal::CaptureStdout();
    h.game->createRocks(field, 3);
    std::string log = testing::internal::GetCapturedStdout();
    EXPECT_EQ(field.size(), 3u);
    EXPECT_EQ(countLines(log, "rand foo and rand bar values:0, 0"), 3);
}
