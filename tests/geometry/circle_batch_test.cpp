// A batch draws exactly what drawCircle on each circle would, once, and nothing when empty.
#include <gtest/gtest.h>

#include <tuple>

#include "geometry/draw_circle.h"
#include "support/canvas.h"

namespace {
SDL_Color drawColour(SDL_Renderer* renderer) {
    SDL_Color c{};
    SDL_GetRenderDrawColor(renderer, &c.r, &c.g, &c.b, &c.a);
    return c;
}
} // namespace

TEST(CircleBatchTest, DrawsEveryCircleOnceThenStartsAfresh) {
    Canvas canvas(60, 30);
    CircleBatch batch;
    SDL_SetRenderDrawColor(canvas.renderer, 1, 2, 3, 4);
    batch.draw(canvas.renderer, ColourRGB{0, 0, 255}, 40);
    EXPECT_EQ(std::tuple(canvas.countNonBlack(), drawColour(canvas.renderer)),
              std::tuple(0, SDL_Color{1, 2, 3, 4}))
        << "an empty batch leaves the colour the next outline relies on";

    // 36 + 28 + 1 pixels, as for single circles of radius 7, 5 and 1.
    batch.add(10, 10, 7);
    batch.add(30, 10, 5);
    batch.add(50, 10, 1);
    batch.draw(canvas.renderer, ColourRGB{0, 0, 255}, 40);
    EXPECT_EQ(std::tuple(canvas.count(SDL_Color{0, 0, 255, 255}), canvas.countNonBlack(),
                         drawColour(canvas.renderer)),
              std::tuple(65, 65, SDL_Color{0, 0, 255, 40}));

    batch.add(50, 25, 1);
    batch.draw(canvas.renderer, ColourRGB{255, 0, 0}, 0);
    EXPECT_EQ(std::tuple(canvas.count(SDL_Color{255, 0, 0, 255}), canvas.countNonBlack()),
              std::tuple(1, 66))
        << "only the new circle, in the new colour";
}
