#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "weapons/manage_weapon.h"

struct ManageWeaponTest : testing::Test {
    void TearDown() override { testing::internal::GetCapturedStdout(); }
    bool fireAt(float x, float y, float angle = 0.0f, PointF velocity = {}) {
        return m.fireMissile(velocity, PointF(x, y), angle);
    }
    const bool quiet = (testing::internal::CaptureStdout(), true); // the construction line
    ManageWeapon m{1920, 1080};
};

TEST_F(ManageWeaponTest, MagazineRefusesBeyondItsLimitAndARefusalChangesNothing) {
    int fired = 0;
    for (int i = 0; i < 80; ++i) {
        fired += fireAt(100.0f + static_cast<float>(i), 500.0f);
    }
    EXPECT_EQ(std::tuple(fired, m.getNumMissiles(), m.missiles.back().x_c),
              std::tuple(75, 75, 174.0f));
    m.addMaxMissiles(40);
    for (int i = 0; i < 50; ++i) {
        fired += fireAt(100.0f, 500.0f);
    }
    EXPECT_EQ(std::tuple(fired, m.getMaxMissiles()), std::tuple(115, 115));
    m.addMaxMissiles(INT_MAX);
    EXPECT_EQ(m.getMaxMissiles(), INT_MAX) << "saturates instead of overflowing";
}

// (sin a, cos a) plus the ship's velocity, then the launch push: speed 1.75 - 3 log2(10) =
// -8.2157843, a third of it along the missile's own angle (0 right, 90 down).
TEST_F(ManageWeaponTest, LaunchVelocityIsTheUnitVectorPlusShipVelocityPlusThePush) {
    // angle, ship velocity x, y; missile velocity x, y
    const float rows[][5] = {{0, 0, 0, -2.7385948f, 1.0f},
                             {90, 0, 0, 1.0f, -2.7385948f},
                             {30, 2.0f, -1.5f, 0.1283074f, -2.0032720f}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r[0]);
        ASSERT_TRUE(fireAt(500.9f, 300.9f, r[0], PointF(r[1], r[2])));
        const ShipWeapon& w = m.missiles.back();
        EXPECT_NEAR(w.t_velocity.x, r[3], 1e-5);
        EXPECT_NEAR(w.t_velocity.y, r[4], 1e-5);
        // The launch point is truncated; the tail sits one below the head.
        EXPECT_EQ(std::tuple(w.x_c, w.y_c, w.wCords[0].y, w.wCords[1].y, w.TTL, w.fireAngle),
                  std::tuple(500.0f, 300.0f, 300.0f, 301.0f, 270.0f, r[0]));
    }
}

// Four shots of TTL 1: each update takes 0.5, and a TTL of 0.5 truncates to 0 and is culled.
// A missile moving up into an erased slot is advanced without its own test, so the last one
// expires in place, which resets its TTL; it still leaves at the next update.
TEST_F(ManageWeaponTest, AMissileThatExpiredInPlaceIsCulledAtTheNextUpdate) {
    for (int i = 0; i < 4; ++i) {
        fireAt(500.0f + 10.0f * static_cast<float>(i), 500.0f);
        m.missiles.back().setTTL(1);
    }
    const int expected[][2] = {{4, 0}, {2, 0}, {1, 1}, {0, 0}}; // missiles left, first expired
    for (const auto& e : expected) {
        m.updateMissiles();
        ASSERT_EQ(m.getNumMissiles(), e[0]);
        EXPECT_EQ(e[0] > 0 && m.missiles[0].expired, e[1] == 1) << e[0];
    }
}
