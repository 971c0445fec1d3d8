// Corners lit as points land on the pixels the lines meet at, in each outline's own colour.
#include <gtest/gtest.h>

#include <tuple>

#include "geometry/outline_batch.h"
#include "support/canvas.h"

namespace {
const SDL_Color red{255, 0, 0, 255};
const SDL_Color green{168, 198, 78, 255};
// A closed rock-like outline with a corner at every turn, and a second one beside it.
const SDL_Point rock[] = {{2, 2}, {9, 4}, {12, 11}, {5, 13}, {1, 8}, {2, 2}};
const SDL_Point spike[] = {{20, 2}, {27, 12}, {21, 9}};

// Red rock, green spike and rect; the corners lit or not. Returns the canvas's pixels lit.
int drawBoth(Canvas& canvas, bool lightCorners) {
    OutlineBatch batch(canvas.renderer, lightCorners);
    SDL_SetRenderDrawColor(canvas.renderer, 255, 0, 0, 0);
    batch.add(rock, 6);
    SDL_SetRenderDrawColor(canvas.renderer, 168, 198, 78, 0);
    batch.add(spike, 3);
    batch.add(SDL_Rect{30, 3, 6, 5});
    batch.lightCorners();
    return canvas.countNonBlack();
}
} // namespace

TEST(OutlineBatchTest, CornersAreTheLinesOwnPixelsInTheColourEachOutlineWasDrawnWith) {
    Canvas plain(40, 16);
    Canvas cornered(40, 16);
    // SDL's software lines light every corner: the points add nothing there, so any pixel
    // more is a corner put beside its lines, and a wrong colour shows on the corner itself.
    EXPECT_EQ(drawBoth(cornered, true), drawBoth(plain, false));
    for (const SDL_Point& p : rock) {
        EXPECT_EQ(cornered.pixel(p.x, p.y), red) << p.x << "," << p.y;
    }
    for (const SDL_Point p : {spike[0], spike[1], spike[2], SDL_Point{30, 3}, SDL_Point{35, 3},
                              SDL_Point{35, 7}, SDL_Point{30, 7}}) {
        EXPECT_EQ(cornered.pixel(p.x, p.y), green) << p.x << "," << p.y;
    }
    for (int i = 0; i < 40 * 16; ++i) {
        ASSERT_EQ(cornered.pixel(i % 40, i / 40), plain.pixel(i % 40, i / 40)) << i;
    }
}

TEST(OutlineBatchTest, LeavesTheDrawColourAndTheSoftwareRendererAsTheyWere) {
    Canvas canvas(40, 16);
    EXPECT_FALSE(OutlineBatch::needsCorners(canvas.renderer))
        << "the software renderer's pictures (and the recordings' digests) stay as they are";
    {
        OutlineBatch batch(canvas.renderer, true);
        SDL_SetRenderDrawColor(canvas.renderer, 255, 0, 0, 0);
        batch.add(rock, 6);
        SDL_SetRenderDrawColor(canvas.renderer, 1, 2, 3, 4);
    }
    SDL_Color after{};
    SDL_GetRenderDrawColor(canvas.renderer, &after.r, &after.g, &after.b, &after.a);
    EXPECT_EQ(std::tuple(after, canvas.pixel(9, 4)), std::tuple(SDL_Color{1, 2, 3, 4}, red))
        << "the corners held are lit at the end, in their own colour, and the caller's is kept";
}
