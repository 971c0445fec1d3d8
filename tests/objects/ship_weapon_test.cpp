#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "objects/ship_weapon.h"

namespace {
// A missile standing still at (x, y) in a W x 600 field, with a TTL of 0 (120).
ShipWeapon stillMissile(float x, float y, int width = 900) {
    ShipWeapon w(PointF(x, y), PointF(x, y), 0.0f, 0, width, 600, 0.0f);
    w.setTVelocity(0.0f, 0.0f);
    return w;
}

std::string capture(const std::function<void()>& action) {
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}
} // namespace

TEST(ShipWeaponTest, ZeroTtlMeansHundredTwentyAndExpiresInPlaceOnThe241stTrans) {
    ShipWeapon w = stillMissile(450.0f, 300.0f);
    w.setTVelocity(0.5f, 0.0f);
    for (int i = 0; i < 240; ++i) {
        w.trans();
    }
    EXPECT_FALSE(w.expired);
    EXPECT_FLOAT_EQ(w.x_c, 570.0f);

    w.trans();
    w.trans();
    EXPECT_TRUE(w.expired);
    EXPECT_FLOAT_EQ(w.TTL, 120.0f) << "expiry resets the time to live";
    EXPECT_FLOAT_EQ(w.speed, 0.0f);
    EXPECT_FLOAT_EQ(w.x_c, 570.0f) << "it stops in place";
}

TEST(ShipWeaponTest, MomentumPushesAlongTheFireAngleAndANegativeOneTurnsItAround) {
    ShipWeapon right = stillMissile(450.0f, 300.0f);
    right.applyReverseMomentum();
    EXPECT_NEAR(right.t_velocity.x, 0.5833333f, 1e-6);
    EXPECT_NEAR(right.t_velocity.y, 0.0f, 1e-6);

    ShipWeapon down = stillMissile(450.0f, 300.0f);
    down.setAngle(90.0f);
    down.applyReverseMomentum();
    EXPECT_NEAR(down.t_velocity.x, 0.0f, 1e-6);
    EXPECT_NEAR(down.t_velocity.y, 0.5833333f, 1e-6);

    ShipWeapon back = stillMissile(450.0f, 300.0f);
    back.increaseMomentum(-300.0f);
    EXPECT_NEAR(back.speed, -8.2157843f, 1e-5);
    EXPECT_NEAR(back.t_velocity.x, -8.2157843f / 3.0f, 1e-5);
}

TEST(ShipWeaponTest, SetPositionPlacesTheTailBelowTheHeadAndTheHitBoxAroundTheCentre) {
    ShipWeapon w = stillMissile(0.0f, 0.0f);
    w.setPosition(100, 200);
    EXPECT_FLOAT_EQ(w.getTip().y, 200.0f);
    EXPECT_FLOAT_EQ(w.wCords[1].y, 201.0f);
    EXPECT_FLOAT_EQ(w.x_c, 100.0f);
    EXPECT_FLOAT_EQ(w.y_c, 200.0f);
    SDL_FRect r = w.getFRect();
    EXPECT_FLOAT_EQ(r.x, 93.0f);
    EXPECT_FLOAT_EQ(r.y, 193.0f);
    EXPECT_FLOAT_EQ(r.w, 13.0f);
    EXPECT_FLOAT_EQ(r.h, 13.0f);
}

TEST(ShipWeaponTest, LeftWrapOnANarrowFieldComplainsAboutTheWidth) {
    ShipWeapon narrow = stillMissile(-3.0f, 100.0f, 900);
    EXPECT_EQ(capture([&] { narrow.wrapMissile(); }), "wrong value for SCREEN_WIDTH\n");
    EXPECT_FLOAT_EQ(narrow.x_c, 897.0f);
    EXPECT_FLOAT_EQ(narrow.wCords[0].x, 897.0f);

    ShipWeapon wide = stillMissile(-3.0f, 100.0f, 901);
    EXPECT_EQ(capture([&] { wide.wrapMissile(); }), "");
    EXPECT_FLOAT_EQ(wide.x_c, 898.0f);

    ShipWeapon corner = stillMissile(-3.0f, -3.0f, 901);
    corner.wrapMissile();
    EXPECT_FLOAT_EQ(corner.x_c, -3.0f) << "past a corner nothing wraps";
}

TEST(ShipWeaponTest, FixLostRunsItsStepsInOrder) {
    // Past the right and bottom margins both axes go to -50, which the later
    // left and top steps leave alone.
    ShipWeapon farOut = stillMissile(1000.0f, 700.0f);
    farOut.fixLost();
    EXPECT_FLOAT_EQ(farOut.x_c, -50.0f);
    EXPECT_FLOAT_EQ(farOut.wCords[1].y, -50.0f);

    // Past the left and top margins x goes to the left margin, y to the bottom one.
    ShipWeapon farBack = stillMissile(-100.0f, -100.0f);
    farBack.fixLost();
    EXPECT_FLOAT_EQ(farBack.x_c, 50.0f);
    EXPECT_FLOAT_EQ(farBack.y_c, 650.0f);

    ShipWeapon headOnly(PointF(450.0f, 300.0f), PointF(951.0f, 300.0f), 0.0f, 0, 900, 600, 0.0f);
    headOnly.fixLost();
    EXPECT_FLOAT_EQ(headOnly.x_c, -50.0f);
}

TEST(ShipWeaponTest, CopyKeepsTheFlightAndRestartsTheRestWhileAssignmentKeepsAll) {
    ShipWeapon w(PointF(10.0f, 20.0f), PointF(30.0f, 40.0f), 45.0f, 0, 1920, 1080, 270.0f);
    w.obj_id = 7;
    w.setTVelocity(2.0f, -3.0f);
    w.increaseMomentum(-300.0f);
    w.trans();
    w.expired = true;
    w.dirAngle = 12.0f;

    ShipWeapon c(w);
    EXPECT_EQ(c.obj_id, 7);
    EXPECT_EQ(c.wrapWidth, 1920);
    EXPECT_FLOAT_EQ(c.wCords[0].x, w.wCords[0].x);
    EXPECT_FLOAT_EQ(c.y_c, w.y_c);
    EXPECT_FLOAT_EQ(c.t_velocity.y, w.t_velocity.y);
    EXPECT_FLOAT_EQ(c.speed, w.speed);
    EXPECT_FLOAT_EQ(c.fireAngle, 45.0f);
    EXPECT_FLOAT_EQ(c.TTL, 269.5f);
    EXPECT_FLOAT_EQ(c.TTLReset, 270.0f);
    EXPECT_FLOAT_EQ(c.momentumBase, 1.0f);
    EXPECT_FLOAT_EQ(c.momentum.x, 0.0f);
    EXPECT_FALSE(c.expired);
    EXPECT_FLOAT_EQ(c.dirAngle, 0.0f);
    EXPECT_FLOAT_EQ(c.headAnchor.x, 0.0f);
    EXPECT_FLOAT_EQ(c.tailOrigin.y, 0.0f);

    c = w;
    EXPECT_TRUE(c.expired);
    EXPECT_FLOAT_EQ(c.dirAngle, 12.0f);
    EXPECT_FLOAT_EQ(c.momentumBase, 1.75f);
    EXPECT_FLOAT_EQ(c.headOrigin.x, 30.0f);
}

TEST(ShipWeaponTest, PrintsItsSegmentAlsoThroughTheBase) {
    ShipWeapon w(PointF(3.0f, 4.5f), PointF(1.0f, 2.0f), 0.0f, 0, 900, 600, 0.0f);
    SpaceItem& item = w;
    EXPECT_EQ(capture([&] { item.printCords(); }),
              "ShipWeapon::printCords()\nx=1,y=2\nx=3,y=4.5\n");
}

TEST(ShipWeaponTest, OwnDirectionRemembersTheHeadingAndNamesItselfOnEqualPoints) {
    ShipWeapon w = stillMissile(0.0f, 0.0f);
    EXPECT_FLOAT_EQ(w.getDirection(PointF(100, 100), PointF(150, 100)), 90.0f);
    EXPECT_FLOAT_EQ(w.dirAngle, 90.0f);
    EXPECT_EQ(capture([&] { w.getDirection(PointF(1, 2), PointF(1, 2)); }),
              "Error::ShipWeapon.getDirection:PointF(x=1,y=2);,PointF(x=1,y=2);\n");
    EXPECT_FLOAT_EQ(w.dirAngle, 0.0f);
}
