#include "objects/space_block.h"
#include "support/kit.h"

// Only the asked-for reseed moves the generator. A copy starts its base afresh, so its
// centre returns to (50, 75), while the moved square and the velocity are copied.
TEST(SpaceBlockTest, ReseedsOnlyWhenAskedAndACopyKeepsTheMovedSquare) {
    setCalendarClock([] { return std::time_t{1}; });
    gameSrand(99);
    SpaceBlock reseeded(900, 600, -1, true);
    EXPECT_EQ(gameRand(), 16838); // the first draw after seeding with 1
    SpaceBlock block(900, 600, 4, false);
    setCalendarClock({});
    block.moveTo(40, 60);
    block.t_velocity = PointF(2.5f, -1.0f);
    SpaceBlock copy(block);
    const SDL_Point* p = copy.outlinePoints();
    EXPECT_EQ(std::tuple(gameRand(), p[0].x, p[0].y, p[2].x, p[2].y, copy.x_c, copy.y_c,
                         copy.t_velocity.x, copy.t_velocity.y),
              std::tuple(5758, 45, 65, 65, 85, 50.0f, 75.0f, 2.5f, -1.0f));
}
