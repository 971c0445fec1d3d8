#include "radar/radar.h"
#include "support/kit.h"

// Where the scope, the blips and the hero's dot lie and how the hand turns, the stored
// recordings' pictures hold. A world point (x, y) lands at (1795 + trunc(x * 140 / 2880), ...)
// on a 1920 x 1080 window, and a dot of radius 2 rings its centre.
TEST(RadarTest, ABlipLeftOfTheWorldIsNotClippedAndWhiteIsLeftSet) {
    const SDL_Color G{168, 198, 78, 255}, K{0, 0, 0, 255};
    Canvas canvas(1920, 1080);
    Radar radar(Point(1920, 1080));
    radar.addBlip(Point(-960, 0)); // -46.7 truncates to -46
    radar.setHeroPos(Point(480, 270));
    radar.drawRadar(canvas.paint);
    EXPECT_EQ(std::pair(canvas.pixel(1748, 15), canvas.pixel(1749, 15)), std::pair(G, K));
    EXPECT_EQ(canvas.drawColour(), SDL_Color({255, 255, 255, 0})) << "white is left set";
}
