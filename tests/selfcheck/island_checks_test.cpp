#include "selfcheck/island_checks.h"
#include "support/kit.h"

TEST(IslandChecksTest, LogTheSeedIslandsAndReturnTheSeedCells) {
    testing::internal::CaptureStdout();
    Island testIsland(Point(5, 5));
    Islands islands;
    islandCheck(testIsland);
    std::vector<Point> cells;
    std::vector<Point>& returned = islandsCheck(islands, cells);
    std::string expected;
    std::getline(std::ifstream(VA_SOURCE_DIR "/tests/selfcheck/island_checks_expected.txt"),
                 expected, '\0');
    EXPECT_EQ(testing::internal::GetCapturedStdout(), expected);
    // The cells seed the Liff layer in the order listed; the log shows them by island.
    EXPECT_EQ(std::tuple(&returned, cells.size(), cells.front(), cells.back()),
              std::tuple(&cells, 35u, Point(4, 7), Point(11, 25)));
}
