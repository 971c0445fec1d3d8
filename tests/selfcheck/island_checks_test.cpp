#include "selfcheck/island_checks.h"
#include "support/kit.h"

TEST(IslandChecksTest, LogTheSeedIslands) {
    testing::internal::CaptureStdout();
    Island testIsland(Point(5, 5));
    Islands islands;
    islandCheck(testIsland);
    std::vector<Point> cells;
    islandsCheck(islands, cells);
    std::string expected;
    std::getline(std::ifstream(VA_SOURCE_DIR "/tests/selfcheck/island_checks_expected.txt"),
                 expected, '\0');
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);
}
