#include <gtest/gtest.h>

#include <tuple>

#include "objects/ship_weapon.h"

TEST(ShipWeaponTest, LivesTwoTransesPerUnitOfTtlThenStopsInPlace) {
    const float rows[][3] = {{0, 120, 240}, {5, 5, 10}}; // ttl given, ttl kept, transes lived
    for (const auto& r : rows) {
        SCOPED_TRACE(r[0]);
        ShipWeapon w(PointF(100, 300), PointF(100, 300), 0.0f, 0, 900, 600, r[0]);
        w.setTVelocity(0.5f, 0.0f);
        for (int i = 0; i < static_cast<int>(r[2]); ++i) {
            w.trans();
        }
        const float x = 100.0f + 0.5f * r[2];
        EXPECT_EQ(std::tuple(w.expired, w.x_c), std::tuple(false, x));
        w.trans();
        // Expiry resets the time to live and stops the missile where it is.
        EXPECT_EQ(std::tuple(w.expired, w.x_c, w.TTL, w.speed, w.t_velocity.x),
                  std::tuple(true, x, r[1], 0.0f, 0.0f));
    }
}

// Tail (x, y) and head 3 right of it and 4 above, on a 1920 x 1080 field.
TEST(ShipWeaponTest, WrapMovesBothPointsWithTheCentre) {
    const float rows[][4] = {
        {500, -2, 500, 1078}, {500, 1082, 500, 2}, {-2, 500, 1918, 500}, {1922, 500, 2, 500}};
    for (const auto& r : rows) {
        ShipWeapon w(PointF(r[0], r[1]), PointF(r[0] + 3, r[1] - 4), 0.0f, 0, 1920, 1080, 0.0f);
        w.wrapMissile();
        EXPECT_EQ(
            std::tuple(w.x_c, w.y_c, w.wCords[1].x, w.wCords[1].y, w.wCords[0].x, w.wCords[0].y),
            std::tuple(r[2], r[3], r[2], r[3], r[2] + 3, r[3] - 4));
    }
}
