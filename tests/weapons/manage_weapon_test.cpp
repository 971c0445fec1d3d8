#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include <SDL.h>

#include "support/canvas.h"
#include "weapons/manage_weapon.h"

namespace {
// The speed a missile keeps after the launch push of -300.
const float kLaunchSpeed = static_cast<float>(1.75 + std::log2(10.0) / 100.0 * -300.0);

ManageWeapon quietManager() {
    testing::internal::CaptureStdout();
    ManageWeapon m(1920, 1080);
    testing::internal::GetCapturedStdout();
    return m;
}

// What must survive a missile being shifted along the vector.
struct Flight {
    float x_c, y_c, headX, tailY, vx, vy, ttl, ttlReset, fireAngle, speed, anchorX, momentumBase;
    bool expired;
    bool operator==(const Flight&) const = default;
};

Flight flightOf(const ShipWeapon& w) {
    return {w.x_c,          w.y_c,          w.wCords[0].x, w.wCords[1].y, w.t_velocity.x,
            w.t_velocity.y, w.TTL,          w.TTLReset,    w.fireAngle,   w.speed,
            w.headAnchor.x, w.momentumBase, w.expired};
}

bool isBlue(SDL_Color c) {
    return c.r == 0 && c.g == 0 && c.b == 255;
}
} // namespace

struct ManageWeaponTest : testing::Test {
    bool fireAt(float x, float y, float angle = 0.0f, PointF velocity = {}) {
        return m.fireMissile(velocity, PointF(x, y), angle);
    }

    ManageWeapon m = quietManager();
    // Default outline: its inset hit box spans (17, 23) to (38, 45).
    SpaceJunk rock{1920, 1080, -1, false};
};

TEST_F(ManageWeaponTest, ConstructionAnnouncesItself) {
    testing::internal::CaptureStdout();
    ManageWeapon fresh(1920, 1080);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "ManageWeapon createBasicWeapon(...)?\n");
    EXPECT_EQ(fresh.getMaxMissiles(), 75);
}

TEST_F(ManageWeaponTest, MagazineRefusesBeyondItsLimitAndARefusalChangesNothing) {
    for (int i = 0; i < 75; ++i) {
        ASSERT_TRUE(fireAt(100.0f + static_cast<float>(i), 500.0f)) << "shot " << i;
    }
    const Flight last = flightOf(m.missiles.back());
    EXPECT_FALSE(fireAt(700.0f, 700.0f));
    EXPECT_EQ(m.getNumMissiles(), 75);
    EXPECT_EQ(flightOf(m.missiles.back()), last);

    m.addMaxMissiles(40);
    EXPECT_EQ(m.getMaxMissiles(), 115);
    for (int i = 0; i < 40; ++i) {
        ASSERT_TRUE(fireAt(100.0f, 500.0f)) << "shot " << i;
    }
    EXPECT_FALSE(fireAt(100.0f, 500.0f));

    m.addMaxMissiles(INT_MAX);
    EXPECT_EQ(m.getMaxMissiles(), INT_MAX) << "saturates instead of overflowing";
}

TEST_F(ManageWeaponTest, ASlotFreedByExpiryOrByAHitCanBeFiredAgain) {
    for (int i = 0; i < 75; ++i) {
        fireAt(500.0f, 500.0f);
    }
    m.missiles.front().TTL = 0.5f;
    m.updateMissiles();
    EXPECT_TRUE(fireAt(500.0f, 500.0f));
    EXPECT_FALSE(fireAt(500.0f, 500.0f));

    m.missiles.front().x_c = 30.0f;
    m.missiles.front().y_c = 30.0f;
    EXPECT_TRUE(m.hitRock(rock));
    EXPECT_TRUE(fireAt(500.0f, 500.0f));
}

// (sin a, cos a) plus the ship's velocity, then the launch push adds speed / 3
// along the missile's own angle (0 right, 90 down).
TEST_F(ManageWeaponTest, LaunchVelocityIsTheUnitVectorPlusShipVelocityPlusThePush) {
    fireAt(500.9f, 500.9f, 0.0f);
    EXPECT_FLOAT_EQ(m.missiles[0].t_velocity.y, 1.0f);
    EXPECT_NEAR(m.missiles[0].t_velocity.x, kLaunchSpeed / 3.0f, 1e-5);
    EXPECT_FLOAT_EQ(m.missiles[0].x_c, 500.0f) << "the launch point is truncated";
    EXPECT_FLOAT_EQ(m.missiles[0].TTL, 270.0f);

    fireAt(500.0f, 500.0f, 90.0f);
    EXPECT_FLOAT_EQ(m.missiles[1].t_velocity.x, 1.0f);
    EXPECT_NEAR(m.missiles[1].t_velocity.y, kLaunchSpeed / 3.0f, 1e-5);

    const double a = 30.0 * 3.141592653589793 / 180;
    fireAt(500.0f, 500.0f, 30.0f, PointF(2.0f, -1.5f));
    EXPECT_NEAR(m.missiles[2].t_velocity.x, std::sin(a) + 2.0 + kLaunchSpeed * std::cos(a) / 3,
                1e-5);
    EXPECT_NEAR(m.missiles[2].t_velocity.y, std::cos(a) - 1.5 + kLaunchSpeed * std::sin(a) / 3,
                1e-5);
}

TEST_F(ManageWeaponTest, OneRockConsumesOnlyTheFirstMissileThatHitsIt) {
    fireAt(500.0f, 500.0f);
    fireAt(30.0f, 30.0f);
    fireAt(31.0f, 31.0f);
    EXPECT_TRUE(m.hitRock(rock));
    EXPECT_TRUE(rock.hit);
    ASSERT_EQ(m.getNumMissiles(), 2);
    EXPECT_FLOAT_EQ(m.missiles[0].x_c, 500.0f);
    EXPECT_FLOAT_EQ(m.missiles[1].x_c, 31.0f);
    m.updateMissiles();
    EXPECT_NE(m.missiles[1].x_c, 31.0f) << "the second hitter flies on";
}

TEST_F(ManageWeaponTest, ErasingAMissileLeavesTheOthersFlyingAsBefore) {
    fireAt(300.0f, 300.0f, 10.0f);
    m.updateMissiles();
    fireAt(600.0f, 400.0f, 200.0f, PointF(1.0f, 1.0f));
    m.updateMissiles();
    fireAt(900.0f, 500.0f, 300.0f);
    m.updateMissiles();
    for (ShipWeapon& w : m.missiles) {
        w.getTip();
    }
    const Flight second = flightOf(m.missiles[1]);
    const Flight third = flightOf(m.missiles[2]);

    m.missiles[0].x_c = 30.0f;
    m.missiles[0].y_c = 30.0f;
    ASSERT_TRUE(m.hitRock(rock));
    EXPECT_EQ(flightOf(m.missiles[0]), second);
    EXPECT_EQ(flightOf(m.missiles[1]), third);
}

TEST_F(ManageWeaponTest, UpdateCullsAtTruncatedZeroSoAMissileLives539Updates) {
    fireAt(500.0f, 500.0f);
    m.missiles[0].TTL = 0.5f;
    m.updateMissiles();
    EXPECT_EQ(m.getNumMissiles(), 0);

    fireAt(960.0f, 540.0f, 123.0f, PointF(0.7f, -0.2f));
    for (int i = 0; i < 539; ++i) {
        m.updateMissiles();
        ASSERT_EQ(m.getNumMissiles(), 1) << "after update " << i + 1;
    }
    EXPECT_FLOAT_EQ(m.missiles[0].TTL, 0.5f);
    m.updateMissiles();
    EXPECT_EQ(m.getNumMissiles(), 0);
}

TEST_F(ManageWeaponTest, TheMissileMovingUpIsAdvancedWithoutItsOwnTest) {
    fireAt(500.0f, 500.0f);
    fireAt(600.0f, 500.0f);
    m.missiles[0].TTL = 0.5f;
    m.missiles[1].TTL = 0.5f;
    m.updateMissiles();
    ASSERT_EQ(m.getNumMissiles(), 1);
    EXPECT_FLOAT_EQ(m.missiles[0].TTL, 0.0f);
    EXPECT_NE(m.missiles[0].x_c, 600.0f);
}

// Four shots in one frame: the last moves up untested twice and expires in
// place, which resets its TTL; it must still leave at the next update.
TEST_F(ManageWeaponTest, AMissileThatExpiredInPlaceIsCulledAtTheNextUpdate) {
    for (int i = 0; i < 4; ++i) {
        fireAt(500.0f, 500.0f);
        m.missiles.back().setTTL(1);
    }
    m.updateMissiles();
    m.updateMissiles();
    m.updateMissiles();
    ASSERT_EQ(m.getNumMissiles(), 1);
    EXPECT_TRUE(m.missiles[0].expired);
    m.updateMissiles();
    EXPECT_EQ(m.getNumMissiles(), 0);
}

TEST_F(ManageWeaponTest, DrawsABlueRingAroundEachTruncatedTipAndLeavesBlueSet) {
    Canvas canvas(200, 200);
    fireAt(100.0f, 100.0f);
    fireAt(50.0f, 150.0f);
    m.missiles[1].wCords[0] = {50.9f, 150.9f};
    m.drawMissiles(canvas.renderer);

    EXPECT_TRUE(isBlue(canvas.pixel(106, 100)));
    EXPECT_TRUE(isBlue(canvas.pixel(94, 100)));
    EXPECT_FALSE(isBlue(canvas.pixel(100, 100))) << "a ring, not a disc";
    EXPECT_TRUE(isBlue(canvas.pixel(56, 150)));
    EXPECT_EQ(canvas.count(SDL_Color{0, 0, 255, 255}), canvas.countNonBlack());
    Uint8 r = 1, g = 1, b = 1, a = 1;
    SDL_GetRenderDrawColor(canvas.renderer, &r, &g, &b, &a);
    EXPECT_EQ((SDL_Color{r, g, b, a}), (SDL_Color{0, 0, 255, 0}));
}

TEST_F(ManageWeaponTest, AnEmptyManagerDoesNothing) {
    Canvas canvas(50, 50);
    SDL_SetRenderDrawColor(canvas.renderer, 1, 2, 3, 4);
    m.drawMissiles(canvas.renderer);
    m.updateMissiles();
    EXPECT_FALSE(m.hitRock(rock));
    EXPECT_FALSE(rock.hit);
    EXPECT_EQ(canvas.countNonBlack(), 0);
    Uint8 r = 0, g = 0, b = 0, a = 0;
    SDL_GetRenderDrawColor(canvas.renderer, &r, &g, &b, &a);
    EXPECT_EQ((SDL_Color{r, g, b, a}), (SDL_Color{1, 2, 3, 4}));
}
