#include "geometry/null_surface.h"
#include "objects/shifted_rock.h"
#include "support/kit.h"
#include "weapons/collisions.h"
#include "weapons/fire_rule.h"
#include "weapons/manage_weapon.h"

struct WeaponsTest : testing::Test {
    void TearDown() override { testing::internal::GetCapturedStdout(); }
    const bool quiet = (testing::internal::CaptureStdout(), true); // the construction line
    ManageWeapon ssw{1920, 1080};
    NullSurface pictureless;
    // The sprite spans x 920..1000, y 500..580.
    SpaceShip hero{pictureless, ".\\dat\\shipThrust0.png", Point(1920, 1080)};
    std::vector<SpaceJunk> rocks;
    int hits = 0;
};

TEST_F(WeaponsTest, TheFireAngleAndAHitErasesTheRockSpendsOneMissileAndTheNextIsStillTested) {
    // With the nose straight above the rear notch the heading is 0; the sprite angle is taken
    // modulo 360 with the sign of the dividend before it is compared.
    const float rows[][2] = {{0, 110},  {180, 110}, {-180, 110}, {540, 110}, {90, 70}, {-90, 70},
                             {270, 70}, {-270, 70}, {-450, 70},  {45, 90},   {1, 90}};
    for (const auto& r : rows) {
        EXPECT_FLOAT_EQ(missileAngle(PointF(100, 100), PointF(100, 60), int(r[0])), r[1]) << r[0];
    }
    rocks = {shiftedRock(0, 0, 1, 1920, 1080), shiftedRock(200, 0, 2, 1920, 1080),
             shiftedRock(400, 0, 3, 1920, 1080)};
    ssw.fireMissile({}, PointF(30, 30), 0);  // hits rock 1
    ssw.fireMissile({}, PointF(31, 31), 0);  // would hit rock 1 as well: flies on
    ssw.fireMissile({}, PointF(230, 30), 0); // hits rock 2
    collideWithRocks(rocks, hero, ssw, [this] { ++hits; });
    ASSERT_EQ(std::tuple(hits, rocks.size(), ssw.getNumMissiles()), std::tuple(2, 1u, 1));
    EXPECT_EQ(std::tuple(rocks[0].getObjId(), ssw.missiles[0].x_c), std::tuple(3, 31.0f));
}

TEST_F(WeaponsTest, TheShipBouncesOffARockAtNoCost) {
    // Only the first rock's rim (x from 994) reaches the sprite; its inset box starts at 1007.
    rocks = {shiftedRock(990, 500, 1, 1920, 1080), shiftedRock(0, 0, 2, 1920, 1080)};
    rocks[0].t_velocity = PointF(2.0f, 3.0f);
    hero.t_velocity = PointF(1.0f, -2.0f);
    ssw.fireMissile({}, PointF(500, 500), 0);
    collideWithRocks(rocks, hero, ssw, [this] { ++hits; });
    ASSERT_EQ(std::tuple(hits, rocks.size(), ssw.getNumMissiles()), std::tuple(0, 2u, 1));
    EXPECT_EQ(std::tuple(rocks[0].t_velocity.x, rocks[0].t_velocity.y, rocks[1].t_velocity.x,
                         hero.t_velocity.x),
              std::tuple(-2.0f, -3.0f, 1.0f, -1.0f));
    EXPECT_NEAR(rocks[0].speed, 1.0159453, 1e-6) << "plus 0.6 log2(10) / 125";
    // Reversed, then one thrust step: a third of 0.0026575 up the screen.
    EXPECT_NEAR(hero.t_velocity.y, 2.0 - 0.000885847, 1e-6);
}

// The first shot: (sin a, cos a) plus the ship's velocity, then the launch push: speed 1.75 -
// 3 log2(10) = -8.2157843, a third of it along the missile's own angle (0 right, 90 down). The
// launch point is truncated; the tail sits one below the head.
TEST_F(WeaponsTest, LaunchesAndRefusesBeyondTheMagazineWithoutChangingAnything) {
    int fired = ssw.fireMissile(PointF(2, -1.5f), PointF(500.9f, 300.9f), 30);
    const ShipWeapon& w = ssw.missiles.back();
    EXPECT_NEAR(std::hypot(w.t_velocity.x - 0.1283074f, w.t_velocity.y + 2.003272f), 0, 1e-5);
    EXPECT_EQ(std::tuple(w.x_c, w.y_c, w.wCords[0].y, w.wCords[1].y, w.TTL, w.fireAngle),
              std::tuple(500.0f, 300.0f, 300.0f, 301.0f, 270.0f, 30.0f));
    for (int i = 0; i < 80; ++i) {
        fired += ssw.fireMissile({}, PointF(100.0f + static_cast<float>(i), 500.0f), 0);
    }
    EXPECT_EQ(std::tuple(fired, ssw.getNumMissiles(), ssw.missiles.back().x_c),
              std::tuple(75, 75, 173.0f));
    ssw.addMaxMissiles(40);
    for (int i = 0; i < 50; ++i) {
        fired += ssw.fireMissile({}, PointF(100.0f, 500.0f), 0);
    }
    EXPECT_EQ(std::tuple(fired, ssw.getMaxMissiles()), std::tuple(115, 115));
    ssw.addMaxMissiles(INT_MAX);
    EXPECT_EQ(ssw.getMaxMissiles(), INT_MAX) << "saturates instead of overflowing";
    // A magazine of 2^31 - 1 still keeps 1024 in flight; the magazine itself stays as loaded.
    for (int i = 0; i < 2000; ++i) {
        fired += ssw.fireMissile({}, PointF(100.0f, 500.0f), 0);
    }
    EXPECT_EQ(std::tuple(fired, ssw.getNumMissiles(), ssw.getMaxMissiles()),
              std::tuple(1024, 1024, INT_MAX));
}

// Four shots of TTL 1: each update takes 0.5, and a TTL of 0.5 truncates to 0 and is culled.
// A missile moving up into an erased slot is advanced without its own test, so the last one
// expires in place, which resets its TTL; it still leaves at the next update.
TEST_F(WeaponsTest, AMissileThatExpiredInPlaceIsCulledAtTheNextUpdate) {
    for (int i = 0; i < 4; ++i) {
        ssw.fireMissile({}, PointF(500.0f + 10.0f * static_cast<float>(i), 500.0f), 0);
        ssw.missiles.back().setTTL(1);
    }
    const int expected[][2] = {{4, 0}, {2, 0}, {1, 1}, {0, 0}}; // missiles left, first expired
    for (const auto& e : expected) {
        ssw.updateMissiles();
        ASSERT_EQ(ssw.getNumMissiles(), e[0]);
        EXPECT_EQ(e[0] > 0 && ssw.missiles[0].expired, e[1] == 1) << e[0];
    }
}
