// Outlines as geometry light one pixel per step along the longer axis and both ends; corners
// lit as points land on the lines' own pixels; each outline keeps its colour, and SDL's software
// renderer keeps its own lines. Below x1 segments are built in the window's pixels.
#include <array>
#include <cstdlib>

#include "geometry/outline_batch.h"
#include "support/kit.h"

namespace {
const SDL_Color red{255, 0, 0, 255};
const SDL_Color green{168, 198, 78, 255};

// Whether a pixel's centre lies inside the quad, as a GPU samples it (the quad is convex).
bool covers(const std::array<SDL_FPoint, 4>& q, int x, int y) {
    const float px = static_cast<float>(x) + 0.5F, py = static_cast<float>(y) + 0.5F;
    int sides = 0;
    for (int i = 0; i < 4; ++i) {
        const SDL_FPoint a = q[i], b = q[(i + 1) % 4];
        const float cross = (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
        sides += cross > 0.0F ? 1 : cross < 0.0F ? -1 : 0;
    }
    return std::abs(sides) == 4;
}

// The quad covers a's and b's pixels, and one pixel per step of the longer axis between them,
// next to where the line passes.
void expectOnePixelPerStep(const std::array<SDL_FPoint, 4>& quad, SDL_Point a, SDL_Point b) {
    EXPECT_TRUE(covers(quad, a.x, a.y) && covers(quad, b.x, b.y));
    const int dx = b.x - a.x, dy = b.y - a.y;
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const int steps = std::max(std::abs(dx), std::abs(dy));
    int total = 0;
    for (int i = -2; i <= steps + 2; ++i) {
        const int along = (xMajor ? a.x : a.y) + (i * ((xMajor ? dx : dy) < 0 ? -1 : 1));
        const float across =
            static_cast<float>(xMajor ? a.y : a.x) +
            (steps == 0 ? 0.0F
                        : static_cast<float>(i * (xMajor ? dy : dx)) / static_cast<float>(steps));
        int lit = 0;
        for (int j = -4; j < 20; ++j) {
            if (covers(quad, xMajor ? along : j, xMajor ? j : along)) {
                ++lit;
                EXPECT_LE(std::abs(static_cast<float>(j) - across), 0.51F) << "at " << j;
            }
        }
        EXPECT_EQ(lit, i >= 0 && i <= steps ? 1 : 0) << "at step " << i;
        total += lit;
    }
    EXPECT_EQ(total, steps + 1) << "a gap or a thickened line";
}
} // namespace

TEST(OutlineBatchTest, ASegmentCoversOnePixelPerStepAlongItsLongerAxisAndBothEnds) {
    // Level, upright, both diagonals, shallow and steep either way, and a single point.
    const std::pair<SDL_Point, SDL_Point> segments[] = {
        {{2, 5}, {17, 5}},  {{6, 1}, {6, 14}},  {{1, 1}, {13, 13}},
        {{14, 2}, {2, 14}}, {{1, 3}, {18, 8}},  {{17, 12}, {3, 4}},
        {{4, 1}, {8, 14}},  {{12, 15}, {9, 0}}, {{7, 7}, {7, 7}}};
    for (const auto& [a, b] : segments) {
        SCOPED_TRACE(testing::Message() << a.x << "," << a.y << " to " << b.x << "," << b.y);
        expectOnePixelPerStep(OutlineBatch::quadOf(a, b), a, b);
    }
}

// Below x1 a point goes to the window pixel that holds its centre, (p + 0.5) * scale rounded
// down, worked out by hand; the segment between two such pixels is then one of those above.
// At x2/3 the field view's test checks every end it draws.
TEST(OutlineBatchTest, BelowScaleOneAPointGoesToTheWindowPixelHoldingItsCentre) {
    const struct {
        float scale;
        SDL_Point field, window;
    } rows[] = {
        {2.0F / 3, {6, 1}, {4, 1}}, // 1.5 * 2/3 lands on 1 exactly
        {0.5F, {3, 3}, {1, 1}},
        {0.5F, {13, 12}, {6, 6}},
        {0.5F, {-3, -1}, {-2, -1}}, // off the field's edge: rounded down
        {0.8F, {12, 16}, {10, 13}},
        {0.8F, {9, 0}, {7, 0}},
        {0.8F, {3, 3}, {2, 2}},            // 2,2 too: two field pixels in one window pixel
        {0.25F, {1919, 1079}, {479, 269}}, // the last field pixel: 479.875, 269.875
    };
    for (const auto& row : rows) {
        const SDL_Point got = OutlineBatch::windowPixel(row.field, {row.scale, row.scale});
        EXPECT_EQ(std::pair(got.x, got.y), std::pair(row.window.x, row.window.y))
            << row.field.x << "," << row.field.y << " at x" << row.scale;
    }
}

// A rectangle one pixel wide (a debug line, a thin box) is a line there: field column 10, rows
// 4 to 11, lands on window column 5, rows 2 to 5 (geometry as SDL's software rasterises it).
TEST(OutlineBatchTest, BelowScaleOneARectangleOnePixelWideStaysVisible) {
    for (const auto style : {OutlineBatch::Style::Lines, OutlineBatch::Style::LinesAndCorners,
                             OutlineBatch::Style::Geometry}) {
        Canvas canvas(20, 10);
        SDL_RenderSetScale(canvas.renderer, 0.5F, 0.5F);
        {
            OutlineBatch batch(canvas.paint, style);
            SDL_SetRenderDrawColor(canvas.renderer, 255, 0, 0, 255);
            batch.add(SDL_Rect{10, 4, 1, 8});
        }
        const bool lines = style != OutlineBatch::Style::Geometry;
        EXPECT_TRUE(canvas.pixel(5, 2) == red && canvas.count(red) >= 3 &&
                    (!lines || (canvas.pixel(5, 5) == red && canvas.countNonBlack() == 4)))
            << static_cast<int>(style) << ": " << canvas.count(red);
    }
}

// Red rock, green spike and rect, in the style asked for. Returns the canvas's pixels lit.
int drawLines(Canvas& canvas, OutlineBatch::Style style) {
    const SDL_Point rock[] = {{2, 2}, {9, 4}, {12, 11}, {5, 13}, {1, 8}, {2, 2}};
    const SDL_Point spike[] = {{20, 2}, {27, 12}, {21, 9}};
    OutlineBatch batch(canvas.paint, style);
    SDL_SetRenderDrawColor(canvas.renderer, 255, 0, 0, 0);
    batch.add(rock, 6);
    SDL_SetRenderDrawColor(canvas.renderer, 168, 198, 78, 0);
    batch.add(spike, 3);
    batch.add(SDL_Rect{30, 3, 6, 5});
    SDL_SetRenderDrawColor(canvas.renderer, 1, 2, 3, 4);
    if (style == OutlineBatch::Style::Geometry) {
        EXPECT_EQ(canvas.countNonBlack(), 0) << "held until the batch ends";
    }
    batch.flush();
    return canvas.countNonBlack();
}

TEST(OutlineBatchTest, OneCallDrawsEveryOutlineInItsOwnColourWhenTheBatchEnds) {
    Canvas canvas(40, 16);
    drawLines(canvas, OutlineBatch::Style::Geometry);
    // SDL's software renderer rasterises geometry its own way: each outline is there, in its
    // own colour.
    EXPECT_GT(canvas.count(red), 10);
    EXPECT_GT(canvas.count(green), 10);
    EXPECT_EQ(canvas.count(red) + canvas.count(green), canvas.countNonBlack());
    EXPECT_EQ(canvas.drawColour(), (SDL_Color{1, 2, 3, 4})) << "the caller's draw colour is kept";
}

TEST(OutlineBatchTest, CornersAreTheLinesOwnPixelsInTheirOwnColourAndSoftwareKeepsItsLines) {
    Canvas plain(40, 16);
    Canvas cornered(40, 16);
    EXPECT_EQ(OutlineBatch::styleFor(plain.paint), OutlineBatch::Style::Lines)
        << "the software renderer's pictures (and the recordings' digests) stay as they are";
    // SDL's software lines light every corner: the points add nothing there, so any pixel
    // more is a corner put beside its lines, and a wrong colour shows on the corner itself.
    EXPECT_EQ(drawLines(cornered, OutlineBatch::Style::LinesAndCorners),
              drawLines(plain, OutlineBatch::Style::Lines));
    for (int i = 0; i < 40 * 16; ++i) {
        ASSERT_EQ(cornered.pixel(i % 40, i / 40), plain.pixel(i % 40, i / 40)) << i;
    }
    EXPECT_EQ(std::tuple(cornered.pixel(12, 11), cornered.pixel(27, 12), cornered.pixel(35, 7)),
              std::tuple(red, green, green));
    EXPECT_EQ(cornered.drawColour(), (SDL_Color{1, 2, 3, 4})) << "the caller's draw colour is kept";
}

// Each call's points, in every style (a GPU's draw them as points too), a repeat lit once.
TEST(OutlineBatchTest, PointsAreLitAsGivenCallByCallInEveryStyle) {
    for (const auto style : {OutlineBatch::Style::Lines, OutlineBatch::Style::LinesAndCorners,
                             OutlineBatch::Style::Geometry}) {
        Canvas canvas(10, 10);
        {
            OutlineBatch batch(canvas.paint, style);
            SDL_SetRenderDrawColor(canvas.renderer, 255, 0, 0, 255);
            const SDL_Point first[] = {{1, 1}, {2, 2}, {2, 2}}, second[] = {{7, 8}};
            batch.addPoints(first, 3);
            batch.addPoints(second, 1);
        }
        EXPECT_TRUE(canvas.pixel(1, 1) == red && canvas.pixel(2, 2) == red &&
                    canvas.pixel(7, 8) == red && canvas.countNonBlack() == 3)
            << static_cast<int>(style);
    }
}

// A flush starts afresh: a segment after a rectangle's flush is drawn (where the software
// renderer rasterises it is its own affair).
TEST(OutlineBatchTest, AfterAFlushTheNextOutlineIsDrawnToo) {
    Canvas canvas(20, 10);
    OutlineBatch batch(canvas.paint, OutlineBatch::Style::Geometry);
    SDL_SetRenderDrawColor(canvas.renderer, 255, 0, 0, 255);
    batch.add(SDL_Rect{2, 2, 5, 5});
    batch.flush();
    const int rect = canvas.count(red);
    const SDL_Point segment[] = {{12, 1}, {12, 8}};
    batch.add(segment, 2);
    batch.flush();
    EXPECT_GT(canvas.count(red), rect);
}
