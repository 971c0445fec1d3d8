#include "hud/overlay_lines.h"
#include "support/kit.h"

// The static boid, the visual range, five boids, the ship's position, velocity and speed.
TEST(OverlayLinesTest, TruncatesTowardZeroAndWritesTheShipsVelocityWithTwoDecimals) {
    const std::array<BoidValues, 5> boids{{{10.9, -0.5, -3.7, 4.99},
                                           {1e30, -1e30, 0, 0},
                                           {NAN, 7.2, 0, 0},
                                           {-12.99, 3.01, 0.5, -0.5},
                                           {0, 0, 9.5, -9.5}}};
    const OverlayValues v{{200, 300, 0, 0}, -2, boids, 937.9f, -0.7f, -4.6f, 0.006f, 2.606f};
    std::string all;
    for (const std::string& line : overlayLines(v)) {
        all += line + "|";
    }
    EXPECT_EQ(all, "Boid1:(200,300)|Visual Range:-2|ZBOID0:xy(10,0),dxdy(-3,4)|"
                   "ZBOID1:xy(9200000000000000000,-9200000000000000000)|ZBOID2:xy(0,7)|"
                   "ZBOID3:xy(-12,3),dxdy(0,0)|ZBOID4:xy(0,0),dxdy(9,-9)|hero:xy(937,0)|"
                   "hero:t~velocity(-4.60, 0.01)|hero:velocity:2.61|");
}
