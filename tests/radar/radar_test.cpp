#include "radar/radar.h"
#include "support/kit.h"

// On a 1920 x 1080 window the ring is centred at (1840, 65) and a world point (x, y)
// lands at (1795 + trunc(x * 140 / 2880), 15 + trunc(y * 130 / 1215)); dots of radius 2
// ring their centre, and the big ring's outermost points lie 59 pixels out.
TEST(RadarTest, DrawsScopeBlipsOnceAndTheHeroThenStepsTheHandEveryTwentiethDraw) {
    const SDL_Color G{168, 198, 78, 255}, W{255, 255, 255, 255}, K{0, 0, 0, 255};
    Canvas first(1920, 1080), later(1920, 1080);
    Radar radar(Point(1920, 1080));
    radar.addBlip(Point(0, 0));
    radar.addBlip(Point(1920, 1080));
    radar.addBlip(Point(-960, 0)); // not clipped; -46.7 truncates to -46
    radar.setHeroPos(Point(480, 270));
    radar.drawRadar(first.renderer);
    const std::tuple<int, int, SDL_Color> pixels[] = {
        {1796, 15, G}, {1795, 15, K}, {1889, 131, G}, {1748, 15, G}, {1749, 15, K},
        {1817, 43, W}, {1818, 43, K}, {1899, 66, G},  {1900, 66, K}, {1775, 65, G},
        {1774, 65, K}, {1840, 0, G},  {1840, 140, G}};
    for (const auto& [x, y, colour] : pixels) {
        EXPECT_EQ(first.pixel(x, y), colour) << x << "," << y;
    }
    Uint8 r = 0, g = 0, b = 0, a = 1;
    SDL_GetRenderDrawColor(first.renderer, &r, &g, &b, &a);
    EXPECT_EQ(SDL_Color({r, g, b, a}), SDL_Color({255, 255, 255, 0})) << "white is left set";
    // Draws, then the free end: hanging, then at 10, 20, 90 and 180 degrees about (1825, 65).
    const std::pair<int, std::pair<int, int>> hand[] = {{19, {1840, 140}},
                                                        {20, {1819, 35}},
                                                        {40, {1814, 36}},
                                                        {180, {1795, 65}},
                                                        {360, {1825, 95}}};
    for (int drawn = 1; const auto& [draws, end] : hand) {
        for (; drawn < draws; ++drawn) {
            radar.drawRadar(later.renderer);
        }
        EXPECT_EQ(std::make_pair(radar.getSweep()[0].x, radar.getSweep()[0].y), end) << draws;
    }
    EXPECT_EQ(later.pixel(1748, 15), K) << "the blips went with the first draw";
}
