#include "objects/space_block.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "geometry/calendar_clock.h"
#include "geometry/game_rand.h"

namespace {
using Corners = std::vector<std::tuple<int, int>>;

Corners outline(SpaceBlock& b) {
    Corners out;
    for (int i = 0; i < b.getPointCount(); ++i) {
        out.emplace_back(b.outlinePoints()[i].x, b.outlinePoints()[i].y);
    }
    return out;
}
} // namespace

TEST(SpaceBlockTest, MovesItsSquareAndACopyKeepsItButNotTheCentre) {
    SpaceBlock block(900, 600, 4, false);
    EXPECT_EQ(outline(block), (Corners{{5, 5}, {5, 25}, {25, 25}, {25, 5}, {5, 5}}));
    const MinMaxCords m = block.getMinMaxCords();
    EXPECT_EQ(std::tuple(m.min, m.max, m.max_idx),
              std::tuple(Point(5, 5), Point(25, 25), Point(2, 1)));
    block.moveTo(40, 60);
    block.t_velocity = PointF(2.5f, -1.0f);
    const Corners moved{{45, 65}, {45, 85}, {65, 85}, {65, 65}, {45, 65}};
    EXPECT_EQ(outline(block), moved);
    EXPECT_EQ(std::tuple(block.x_c, block.y_c), std::tuple(40.0f, 60.0f));
    SpaceBlock copy(block);
    EXPECT_EQ(outline(copy), moved);
    EXPECT_EQ(std::tuple(copy.x_c, copy.y_c, copy.screenWidth, copy.screenHeight, copy.obj_id,
                         copy.t_velocity.x, copy.t_velocity.y),
              std::tuple(50.0f, 75.0f, 900, 600, 4, 2.5f, -1.0f));
}

TEST(SpaceBlockTest, ReseedsFromTheClockOnlyWhenAsked) {
    setCalendarClock([] { return std::time_t{1}; });
    gameSrand(99);
    SpaceBlock reseeded(900, 600, -1, true);
    EXPECT_EQ(gameRand(), 16838); // the first draw after seeding with 1
    SpaceBlock kept(900, 600, -1, false);
    EXPECT_EQ(gameRand(), 5758);
    setCalendarClock({});
}
