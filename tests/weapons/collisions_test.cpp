#include "weapons/collisions.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

// The default outline: full box x 4..50, y 10..57; inset hit box x 17..38, y 23..45.
static SpaceJunk rockAt(int id, float dx, float dy) {
    SpaceJunk rock(1920, 1080, id, false);
    for (auto& p : rock.rockCords) {
        p = {p.x + dx, p.y + dy};
    }
    return rock;
}

struct CollisionsTest : testing::Test {
    void TearDown() override { testing::internal::GetCapturedStdout(); }

    // The sprite spans x 920..1000, y 500..580.
    SpaceShip hero{nullptr, ".\\dat\\shipThrust0.png", Point(1920, 1080)};
    const bool quiet = (testing::internal::CaptureStdout(), true); // the construction line
    ManageWeapon ssw{1920, 1080};
    std::vector<SpaceJunk> rocks;
    int hits = 0;
};

TEST_F(CollisionsTest, AHitErasesTheRockSpendsOneMissileAndTheNextRockIsStillTested) {
    rocks = {rockAt(1, 0, 0), rockAt(2, 200, 0), rockAt(3, 400, 0)};
    ssw.fireMissile({}, PointF(30, 30), 0);  // hits rock 1
    ssw.fireMissile({}, PointF(31, 31), 0);  // would hit rock 1 as well: flies on
    ssw.fireMissile({}, PointF(230, 30), 0); // hits rock 2
    collideWithRocks(rocks, hero, ssw, [this] { ++hits; });
    ASSERT_EQ(std::tuple(hits, rocks.size(), ssw.getNumMissiles()), std::tuple(2, 1u, 1));
    EXPECT_EQ(std::tuple(rocks[0].getObjId(), ssw.missiles[0].x_c), std::tuple(3, 31.0f));
}

TEST_F(CollisionsTest, TheShipBouncesOffARockAtNoCost) {
    // Only the first rock's rim (x from 994) reaches the sprite; its inset box starts at 1007.
    rocks = {rockAt(1, 990, 500), rockAt(2, 0, 0)};
    rocks[0].t_velocity = PointF(2.0f, 3.0f);
    hero.t_velocity = PointF(1.0f, -2.0f);
    ssw.fireMissile({}, PointF(500, 500), 0);
    collideWithRocks(rocks, hero, ssw, [this] { ++hits; });
    ASSERT_EQ(std::tuple(hits, rocks.size(), ssw.getNumMissiles()), std::tuple(0, 2u, 1));
    EXPECT_EQ(std::tuple(rocks[0].t_velocity.x, rocks[0].t_velocity.y, rocks[1].t_velocity.x),
              std::tuple(-2.0f, -3.0f, 1.0f));
    EXPECT_NEAR(rocks[0].speed, 1.0159453, 1e-6) << "plus 0.6 log2(10) / 125";
    // Reversed, then one thrust step: a third of 0.0026575 up the screen.
    EXPECT_FLOAT_EQ(hero.t_velocity.x, -1.0f);
    EXPECT_NEAR(hero.t_velocity.y, 2.0 - 0.000885847, 1e-6);
}
