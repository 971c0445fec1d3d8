#include <gtest/gtest.h>

#include <SDL.h>

#include "geometry/draw_circle.h"
#include "support/canvas.h"

TEST(DrawCircleTest, RadiusOnePlotsOnlyTheCentre) {
    Canvas canvas(40, 40);
    drawCircle(canvas.renderer, 20, 20, 1, ColourRGB{0, 0, 255}, 0);
    EXPECT_EQ(canvas.countNonBlack(), 1);
    EXPECT_EQ(canvas.pixel(20, 20), (SDL_Color{0, 0, 255, 255}));
}

TEST(DrawCircleTest, RadiusSevenReachesSixPixelsOut) {
    Canvas canvas(40, 40);
    drawCircle(canvas.renderer, 20, 20, 7, ColourRGB{0, 0, 255}, 0);
    EXPECT_EQ(canvas.pixel(26, 20), (SDL_Color{0, 0, 255, 255}));
    EXPECT_EQ(canvas.pixel(14, 20), (SDL_Color{0, 0, 255, 255}));
    EXPECT_EQ(canvas.pixel(20, 26), (SDL_Color{0, 0, 255, 255}));
    EXPECT_EQ(canvas.pixel(27, 20), (SDL_Color{0, 0, 0, 255}));
    EXPECT_EQ(canvas.pixel(20, 20), (SDL_Color{0, 0, 0, 255})) << "an outline, not a disc";
}

TEST(DrawCircleTest, LeavesItsColourSetEvenWhenNothingIsPlotted) {
    Canvas canvas(40, 40);
    for (int radius : {7, 0, -3}) {
        SDL_SetRenderDrawColor(canvas.renderer, 1, 2, 3, 4);
        drawCircle(canvas.renderer, 20, 20, radius, ColourRGB{10, 20, 30}, 40);
        Uint8 r = 0, g = 0, b = 0, a = 0;
        SDL_GetRenderDrawColor(canvas.renderer, &r, &g, &b, &a);
        EXPECT_EQ(r, 10);
        EXPECT_EQ(g, 20);
        EXPECT_EQ(b, 30);
        EXPECT_EQ(a, 40);
    }
    Canvas empty(40, 40);
    drawCircle(empty.renderer, 20, 20, 0, ColourRGB{10, 20, 30}, 40);
    EXPECT_EQ(empty.countNonBlack(), 0);
}
