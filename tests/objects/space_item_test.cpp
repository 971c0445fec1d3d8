#include "objects/space_item.h"

#include <gtest/gtest.h>

TEST(SpaceItemTest, DefaultObjectPrintsHeadingAndFivePoints) {
    SpaceItem item(900, 600, -1);
    testing::internal::CaptureStdout();
    item.printCords();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "SpaceItem::printCords()\nx=50,y=50\nx=25,y=100\nx=50,y=90\nx=75,y=100\nx=50,y=50\n");
}

TEST(SpaceItemTest, Move2PointTranslatesAndWrapAroundCrossesOnlyOneEdge) {
    SpaceItem item(900, 600, -1);
    item.move2Point(200, 200);
    EXPECT_EQ(item.cords[0], Point(250, 250));
    EXPECT_FLOAT_EQ(item.y_c, 275.0f);

    item.move2Point(-253, -175);
    ASSERT_FLOAT_EQ(item.x_c, -3.0f);
    item.wrapAround();
    EXPECT_FLOAT_EQ(item.x_c, 897.0f);
    EXPECT_EQ(item.cords[3], Point(922, 125));

    // Past a corner no predicate holds.
    SpaceItem corner(900, 600, -1);
    corner.move2Point(-53, -78);
    corner.wrapAround();
    EXPECT_FLOAT_EQ(corner.x_c, -3.0f);
    EXPECT_EQ(corner.cords[0], Point(-3, -28));
}

TEST(SpaceItemTest, MinMaxKeepsEarlierPointsOnTiesAndUntouchedIndices) {
    SpaceItem item(900, 600, -1);
    item.minMax.min_idx = Point(7, 7);
    MinMaxCords m = item.getMinMaxCords();
    EXPECT_EQ(m.min, Point(25, 50));
    EXPECT_EQ(m.max, Point(75, 100));
    EXPECT_EQ(m.min_idx, Point(1, 7));
    EXPECT_EQ(m.max_idx, Point(3, 1));
}

TEST(SpaceItemTest, RotateUsesTheSharedFormAndSkipsNegativePolygons) {
    // At angle 0 the form mirrors x to |x - 2 cx|.
    SpaceItem item(900, 600, -1);
    item.rotate(0.0f);
    EXPECT_EQ(item.cords[1], Point(75, 100));
    EXPECT_FLOAT_EQ(item.angle, 0.0f);

    SpaceItem negative(900, 600, -1);
    negative.cords[2].y = -1;
    negative.rotate(45.0f);
    EXPECT_EQ(negative.cords[1], Point(25, 100));
    EXPECT_FLOAT_EQ(negative.angle, 90.0f);
}

TEST(SpaceItemTest, GetCenterTruncatesTowardZero) {
    SpaceItem item(900, 600, -1);
    item.x_c = 49.9f;
    item.y_c = -0.5f;
    EXPECT_EQ(item.getCenter(), Point(49, 0));
}

TEST(SpaceItemTest, PushAlongHeadingAddsOnlyWholeThirdsOfTheMomentum) {
    SpaceItem item(900, 600, -1);
    item.pushAlongHeading();
    EXPECT_FLOAT_EQ(item.t_velocity.y, 1.6f);
    item.momentumMag = 5.0f;
    item.pushAlongHeading();
    // Heading 0 is straight up; 5 / 3 truncates to 1.
    EXPECT_FLOAT_EQ(item.heading, 0.0f);
    EXPECT_FLOAT_EQ(item.t_velocity.x, 1.6f);
    EXPECT_FLOAT_EQ(item.t_velocity.y, 0.6f);
}
