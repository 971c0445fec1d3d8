#include "objects/space_block.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "geometry/calendar_clock.h"
#include "geometry/game_rand.h"

namespace {
std::vector<std::tuple<int, int>> outline(SpaceBlock& b) {
    const SDL_Point* p = b.outlinePoints();
    return {
        {p[0].x, p[0].y}, {p[1].x, p[1].y}, {p[2].x, p[2].y}, {p[3].x, p[3].y}, {p[4].x, p[4].y}};
}
} // namespace

TEST(SpaceBlockTest, MovesItsSquareAndACopyKeepsItButNotTheCentre) {
    SpaceBlock block(900, 600, 4, false);
    const MinMaxCords m = block.getMinMaxCords();
    EXPECT_EQ(std::tuple(m.min, m.max), std::tuple(Point(5, 5), Point(25, 25)));
    block.moveTo(40, 60);
    block.t_velocity = PointF(2.5f, -1.0f);
    const std::vector<std::tuple<int, int>> moved{{45, 65}, {45, 85}, {65, 85}, {65, 65}, {45, 65}};
    EXPECT_EQ(std::tuple(outline(block), block.getPointCount(), block.x_c, block.y_c),
              std::tuple(moved, 5, 40.0f, 60.0f));
    SpaceBlock copy(block);
    EXPECT_EQ(std::tuple(outline(copy), copy.x_c, copy.y_c, copy.screenWidth, copy.screenHeight,
                         copy.obj_id, copy.t_velocity.x, copy.t_velocity.y),
              std::tuple(moved, 50.0f, 75.0f, 900, 600, 4, 2.5f, -1.0f));
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
