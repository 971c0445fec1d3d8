#include <gtest/gtest.h>

#include <SDL.h>

#include <tuple>
#include <vector>

#include "geometry/draw_circle.h"
#include "support/canvas.h"

// Counts worked by hand through the midpoint steps: radius 7 plots (6,0) (6,1) (6,2) (6,3)
// (5,4) in each octant, 36 distinct pixels; radius 5, where the error term reaches exactly 0,
// plots (4,0) to (4,3), 28 pixels; below 1 nothing is plotted.
TEST(DrawCircleTest, PlotsAnOutlineAndLeavesItsColourSet) {
    const SDL_Color blue{0, 0, 255, 255};
    const std::tuple<int, int, std::vector<SDL_Point>> rows[] = {
        {1, 1, {{20, 20}}},
        {7, 36, {{26, 20}, {14, 20}, {20, 26}, {20, 14}, {25, 24}, {16, 15}}},
        {5, 28, {{24, 23}, {17, 16}}},
        {-3, 0, {}}};
    for (const auto& [radius, lit, on] : rows) {
        SCOPED_TRACE(radius);
        Canvas canvas(40, 40);
        SDL_SetRenderDrawColor(canvas.renderer, 1, 2, 3, 4);
        drawCircle(canvas.renderer, 20, 20, radius, ColourRGB{0, 0, 255}, 40);
        EXPECT_EQ(std::tuple(canvas.count(blue), canvas.countNonBlack()), std::tuple(lit, lit));
        for (const SDL_Point& p : on) {
            EXPECT_EQ(canvas.pixel(p.x, p.y), blue) << p.x << "," << p.y;
        }
        Uint8 c[4] = {};
        SDL_GetRenderDrawColor(canvas.renderer, &c[0], &c[1], &c[2], &c[3]);
        EXPECT_EQ((SDL_Color{c[0], c[1], c[2], c[3]}), (SDL_Color{0, 0, 255, 40}));
    }
}
