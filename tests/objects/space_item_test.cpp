#include "objects/space_item.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(SpaceItemTest, MinMaxKeepsEarlierPointsOnTiesAndUntouchedIndicesAndCentreTruncates) {
    SpaceItem item(900, 600, -1);
    item.minMax.min_idx = Point(7, 7);
    const MinMaxCords m = item.getMinMaxCords();
    // Point 0 supplies the smallest y; point 1 is the first of the two at y = 100.
    EXPECT_EQ(std::tuple(m.min, m.max, m.min_idx, m.max_idx),
              std::tuple(Point(25, 50), Point(75, 100), Point(1, 7), Point(3, 1)));
    item.x_c = 49.9f;
    item.y_c = -0.5f;
    EXPECT_EQ(item.getCenter(), Point(49, 0));
    item.x_c = -0.5f;
    EXPECT_EQ(item.getCenter(), Point(0, 0));
}
