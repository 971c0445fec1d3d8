// A batch (and drawCircle, a batch of one) draws each outline once, and nothing when empty.
#include "geometry/draw_circle.h"
#include "support/kit.h"

TEST(CircleBatchTest, DrawsEveryCircleOnceThenStartsAfresh) {
    Canvas canvas(60, 30);
    CircleBatch batch;
    SDL_SetRenderDrawColor(canvas.renderer, 1, 2, 3, 4);
    batch.draw(canvas.paint, ColourRGB{0, 0, 255}, 40);
    EXPECT_EQ(std::tuple(canvas.countNonBlack(), canvas.drawColour()),
              std::tuple(0, SDL_Color{1, 2, 3, 4}))
        << "an empty batch leaves the colour the next outline relies on";

    // Worked by hand through the midpoint steps: radius 7 plots (6,0) (6,1) (6,2) (6,3) (5,4) in
    // each octant, 36 distinct pixels; radius 5, where the error term reaches exactly 0, plots
    // (4,0) to (4,3), 28 pixels; radius 1 one pixel.
    batch.add(10, 10, 7);
    batch.add(30, 10, 5);
    batch.add(50, 10, 1);
    batch.draw(canvas.paint, ColourRGB{0, 0, 255}, 40);
    const SDL_Color blue{0, 0, 255, 255};
    EXPECT_EQ(std::tuple(canvas.count(blue), canvas.countNonBlack(), canvas.drawColour()),
              std::tuple(65, 65, SDL_Color{0, 0, 255, 40}));
    const SDL_Point on[] = {{16, 10}, {4, 10},  {10, 16}, {10, 4}, {15, 14},
                            {6, 5},   {34, 13}, {27, 6},  {50, 10}};
    for (const SDL_Point& p : on) {
        EXPECT_EQ(canvas.pixel(p.x, p.y), blue) << p.x << "," << p.y;
    }

    batch.add(50, 25, 1);
    batch.draw(canvas.paint, ColourRGB{255, 0, 0}, 0);
    EXPECT_EQ(std::tuple(canvas.count(SDL_Color{255, 0, 0, 255}), canvas.countNonBlack()),
              std::tuple(1, 66))
        << "only the new circle, in the new colour";
}
