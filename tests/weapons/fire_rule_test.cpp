#include "weapons/fire_rule.h"

#include <gtest/gtest.h>

#include <utility>

// With the nose straight above the rear notch the heading is 0; the sprite angle is taken
// modulo 360 with the sign of the dividend before it is compared.
TEST(FireRuleTest, HeadingAdjustedBySpriteAngleThenTurnedByNinety) {
    const PointF notch(100, 100);
    const PointF nose(100, 60);
    const std::pair<int, float> rows[] = {
        {0, 110}, {180, 110}, {-180, 110}, {360, 110}, {540, 110}, {-360, 110},
        {90, 70}, {-90, 70},  {270, 70},   {-270, 70}, {450, 70},  {-450, 70},
        {45, 90}, {100, 90},  {315, 90},   {-45, 90},  {1, 90}};
    for (auto [sprite, angle] : rows) {
        EXPECT_FLOAT_EQ(missileAngle(notch, nose, sprite), angle) << sprite;
    }
    // The heading runs from the notch to the nose: 90 when the nose is right of it.
    EXPECT_FLOAT_EQ(missileAngle(notch, PointF(150, 100), 0), 200.0f);
}
