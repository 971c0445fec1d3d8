#include "objects/space_junk.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "geometry/calendar_clock.h"

namespace {

constexpr double kVelocityStep = 3.321928094887362 / 125.0;

SpaceJunk plainRock() {
    return SpaceJunk(900, 600, -1, false);
}

SpaceJunk shifted(float dx, float dy) {
    SpaceJunk rock = plainRock();
    for (auto& p : rock.rockCords) {
        p.x += dx;
        p.y += dy;
    }
    return rock;
}

// Randomized rocks reseed from the calendar clock: pin it so runs repeat.
class SpaceJunkTest : public testing::Test {
  protected:
    void SetUp() override {
        setCalendarClock([] { return std::time_t{1700000000}; });
    }
    void TearDown() override { setCalendarClock({}); }
};

} // namespace

TEST_F(SpaceJunkTest, RocksBuiltInTheSameSecondMatchWhateverWasDrawnBetween) {
    SpaceJunk first(1920, 1080, 1, true);
    std::rand();
    SpaceJunk second(1920, 1080, 2, true);
    EXPECT_EQ(second.speed, first.speed);
    EXPECT_EQ(second.driftAngle, first.driftAngle);
    EXPECT_EQ(second.rockCords[7].x, first.rockCords[7].x);
    EXPECT_EQ(second.t_velocity.x, second.speed);

    SpaceJunk jittered = plainRock();
    jittered.jitterShape();
    std::rand();
    SpaceJunk again = plainRock();
    again.jitterShape();
    for (int i = 0; i < SpaceJunk::kRockPoints; ++i) {
        EXPECT_EQ(again.rockCords[i].x, jittered.rockCords[i].x) << i;
    }

    setCalendarClock([] { return std::time_t{1700000001}; });
    SpaceJunk later(1920, 1080, 3, true);
    EXPECT_FALSE(later.speed == first.speed && later.driftAngle == first.driftAngle);
}

TEST_F(SpaceJunkTest, CopyReturnsTheCentreToTheDefaultAndAssignmentKeepsIt) {
    SpaceJunk rock = plainRock();
    rock.move2Point(100, 200);
    rock.scaleBy(2.0f);
    rock.speed = 7.5f;
    rock.t_velocity = PointF(3.0f, -2.0f);
    rock.alive = false;
    SpaceJunk copy(rock);
    EXPECT_FLOAT_EQ(copy.x_c, 50.0f);
    EXPECT_FLOAT_EQ(copy.y_c, 75.0f);
    EXPECT_EQ(copy.cords[0], Point(50, 50));
    EXPECT_FLOAT_EQ(copy.rockCords[0].x, 50.0f);
    EXPECT_FLOAT_EQ(copy.speed, 7.5f);
    EXPECT_FLOAT_EQ(copy.t_velocity.y, -2.0f);
    EXPECT_FALSE(copy.alive);
    EXPECT_EQ(copy.screenWidth, 900);

    // Erasing shifts the later rocks by assignment: they stay where placed.
    std::vector<SpaceJunk> rocks;
    rocks.reserve(3);
    for (int i = 1; i <= 3; ++i) {
        rocks.push_back(plainRock());
        rocks.back().move2Point(100 * i, 10 * i);
    }
    rocks.erase(rocks.begin() + 1);
    EXPECT_FLOAT_EQ(rocks[1].x_c, 350.0f);
    EXPECT_EQ(rocks[1].cords[0], Point(350, 80));
}

TEST_F(SpaceJunkTest, PrintCordsShowsTheOutlineButThroughTheBaseThePolygon) {
    SpaceJunk rock = plainRock();
    rock.rockCords[1].x = 20.5f;
    testing::internal::CaptureStdout();
    rock.printCords();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "SpaceJunk::printCords()\nx=25,y=10\nx=20.5,y=17\nx=10,y=24\nx=4,y=31\nx=12,y=38\n"
              "x=13,y=45\nx=20,y=57\nx=35,y=43\nx=43,y=37\nx=50,y=29\nx=37,y=21\nx=30,y=17\n"
              "x=25,y=10\n");

    SpaceItem& base = rock;
    testing::internal::CaptureStdout();
    base.printCords();
    EXPECT_EQ(testing::internal::GetCapturedStdout().substr(0, 34),
              "SpaceItem::printCords()\nx=50,y=50\n");
}

TEST_F(SpaceJunkTest, ScaleByFloorsTinyFactorsAndFitSizeJudgesTheOutlineOnce) {
    for (float f : {0.0f, 0.1f, -1.0f}) {
        SpaceJunk rock = plainRock();
        rock.scaleBy(f);
        EXPECT_FLOAT_EQ(rock.rockCords[0].x, 6.25f) << f;
    }
    // Too wide but short: shrinks, then grows because the old height was small.
    SpaceJunk wide = plainRock();
    wide.rockCords[5] = {200.0f, 100.0f};
    wide.fitSize();
    EXPECT_FLOAT_EQ(wide.rockCords[5].x, 200.0f * 0.85f * 2.125f);
}

TEST_F(SpaceJunkTest, InsetBoxShrinksTheOutlineAndATouchingBoxHits) {
    SpaceJunk rock = plainRock();
    for (auto& p : rock.rockCords) {
        p = {10.0f, 20.0f};
    }
    rock.rockCords[5] = {110.9f, 90.0f};
    SDL_FRect inset = rock.getFRect(true);
    EXPECT_FLOAT_EQ(inset.x, 23.0f);
    EXPECT_FLOAT_EQ(inset.y, 33.0f);
    EXPECT_FLOAT_EQ(inset.w, 75.0f);
    EXPECT_FLOAT_EQ(inset.h, 45.0f);

    EXPECT_FALSE(rock.hitBy(SDL_FRect{98.5f, 33.0f, 13.0f, 13.0f}));
    EXPECT_TRUE(rock.alive);
    EXPECT_TRUE(rock.hitBy(SDL_FRect{98.0f, 33.0f, 13.0f, 13.0f}));
    EXPECT_TRUE(rock.hit);
    EXPECT_FALSE(rock.alive);
}

TEST_F(SpaceJunkTest, UpdateRockAtAngleZeroDriftsLeftByAHundredthOfTheVelocity) {
    SpaceJunk rock = plainRock();
    rock.t_velocity = PointF(5.0f, 5.0f);
    rock.updateRock();
    EXPECT_NEAR(rock.rockCords[0].x, 24.95f, 1e-5);
    EXPECT_NEAR(rock.rockCords[6].x, 19.95f, 1e-5);
    EXPECT_FLOAT_EQ(rock.rockCords[6].y, 57.0f);
}

TEST_F(SpaceJunkTest, AddVelocityChangesOnlyTheSpeed) {
    SpaceJunk rock = plainRock();
    rock.addVelocity(10.0f);
    EXPECT_NEAR(rock.speed, 1.0 + 10.0 * kVelocityStep, 1e-6);
    EXPECT_FLOAT_EQ(rock.t_velocity.x, 1.0f);
    EXPECT_FLOAT_EQ(rock.t_velocity.y, 1.0f);
}

TEST_F(SpaceJunkTest, FixLostRockJumpsAcrossOnlyWhenFullyOffOrFivePixelsPastTheLeft) {
    SpaceJunk slid = shifted(-7.0f, 0.0f);
    EXPECT_TRUE(slid.isOutOfBounds());
    slid.fixLostRock();
    EXPECT_FLOAT_EQ(slid.rockCords[3].x, -3.0f);

    SpaceJunk lost = shifted(-10.0f, 0.0f);
    lost.moveRock(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(lost.rockCords[3].x, 894.0f);

    // Past the right edge the leftmost x 904.7 truncates to 904: the fraction stays.
    SpaceJunk right = shifted(900.7f, 0.0f);
    right.fixLostRock();
    EXPECT_NEAR(right.rockCords[3].x, 0.7f, 1e-3);
    EXPECT_FLOAT_EQ(right.rockCords[3].y, 31.0f);
}

TEST_F(SpaceJunkTest, FixLostRockWrapsVerticallyOnlyInsideTheRightEdge) {
    SpaceJunk below = shifted(0.0f, 560.0f);
    below.fixLostRock();
    EXPECT_FLOAT_EQ(below.rockCords[0].y, -30.0f);

    SpaceJunk above = shifted(0.0f, -20.0f);
    above.fixLostRock();
    EXPECT_FLOAT_EQ(above.rockCords[0].y, 590.0f);

    SpaceJunk corner = shifted(860.0f, 560.0f);
    corner.fixLostRock();
    EXPECT_FLOAT_EQ(corner.rockCords[0].x, -15.0f);
    EXPECT_FLOAT_EQ(corner.rockCords[0].y, 570.0f);
}
