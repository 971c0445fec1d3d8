#include "selfcheck/island_checks.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

TEST(IslandChecksTest, LogTheSeedIslandsAndReturnTheSeedCells) {
    testing::internal::CaptureStdout();
    Island testIsland(Point(5, 5));
    Islands islands;
    islandCheck(testIsland);
    std::vector<Point> cells;
    std::vector<Point>& returned = islandsCheck(islands, cells);
    std::stringstream expected;
    expected << std::ifstream(std::filesystem::path(VA_SOURCE_DIR) /
                              "tests/selfcheck/island_checks_expected.txt")
                    .rdbuf();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected.str());

    EXPECT_EQ(&returned, &cells);
    EXPECT_EQ(cells, (std::vector<Point>{{4, 7},   {5, 7},   {0, 0},   {6, 8},   {6, 9},   {33, 9},
                                         {32, 7},  {31, 8},  {3, 6},   {32, 9},  {33, 10}, {45, 24},
                                         {44, 24}, {43, 24}, {45, 23}, {44, 23}, {45, 25}, {46, 26},
                                         {47, 27}, {48, 27}, {49, 26}, {50, 27}, {47, 4},  {48, 3},
                                         {49, 2},  {49, 1},  {50, 0},  {24, 13}, {25, 14}, {26, 14},
                                         {26, 15}, {10, 25}, {10, 24}, {11, 24}, {11, 25}}));
    const SDL_Rect& r = islands.islandAt(2).rect;
    EXPECT_EQ(std::tuple(r.x, r.y, r.w, r.h), std::tuple(31, 7, 2, 3));
}
