#include <gtest/gtest.h>

#include <cmath>

#include "hud/overlay_lines.h"

TEST(OverlayLinesTest, TruncatesTowardZeroAndWritesTheShipsVelocityWithTwoDecimals) {
    OverlayValues v;
    v.staticBoid = {200, 300, 0, 0};
    v.visualRange = -2;
    v.boids = {{{10.9, -0.5, -3.7, 4.99},
                {1e30, -1e30, 0, 0},
                {NAN, 7.2, 0, 0},
                {-12.99, 3.01, 0.5, -0.5},
                {0, 0, 9.5, -9.5}}};
    v.heroX = 937.9f;
    v.heroY = -0.7f;
    v.velocityX = -4.6f;
    v.velocityY = 0.006f;
    v.momentum = 2.606f;
    const std::array<std::string, 10> expected = {
        "Boid1:(200,300)",
        "Visual Range:-2",
        "ZBOID0:xy(10,0),dxdy(-3,4)",
        "ZBOID1:xy(9200000000000000000,-9200000000000000000)",
        "ZBOID2:xy(0,7)",
        "ZBOID3:xy(-12,3),dxdy(0,0)",
        "ZBOID4:xy(0,0),dxdy(9,-9)",
        "hero:xy(937,0)",
        "hero:t~velocity(-4.60, 0.01)",
        "hero:velocity:2.61",
    };
    EXPECT_EQ(overlayLines(v), expected);
}
