#include "life/liff_blocks.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "geometry/game_rand.h"
#include "support/canvas.h"

namespace {
using Points = std::vector<Point>;
constexpr SDL_Color kWhite{255, 255, 255, 255};

template <class F> std::string logOf(F&& f) {
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}

LiffBlocks layerWith(const Points& live) {
    std::optional<LiffBlocks> layer;
    EXPECT_EQ(logOf([&] { layer.emplace(); }), "_row_offset = 25, _col_offset = 25\n");
    layer->setCells(live);
    return *layer;
}

void runFrames(LiffBlocks& layer, SDL_Renderer* r, int n) {
    for (int i = 0; i < n; ++i) {
        layer.updateAndDraw(r);
    }
}
} // namespace

TEST(LiffBlocksTest, AGenerationEveryPeriodOfFramesUnlessFrozen) {
    Canvas canvas(400, 400);
    LiffBlocks layer = layerWith({{6, 5}, {4, 5}, {5, 5}});
    EXPECT_EQ(std::tuple(layer.rowCount(), layer.getOffsets()), std::tuple(28, Point(25, 25)));
    runFrames(layer, canvas.renderer, 359);
    EXPECT_EQ(layer.getLivePoints(), (Points{{6, 5}, {4, 5}, {5, 5}}));
    layer.updateAndDraw(canvas.renderer);
    EXPECT_EQ(layer.getLivePoints(), (Points{{5, 4}, {5, 5}, {5, 6}}));
    const SDL_FPoint top = layer.blocks.at(0).rockCords[0];
    EXPECT_EQ(std::tuple(top.x, top.y), std::tuple(130.0f, 105.0f));
    // Frame 720 falls while frozen.
    layer.setFreeze(true);
    runFrames(layer, canvas.renderer, 360);
    EXPECT_EQ(layer.getLivePoints(), (Points{{5, 4}, {5, 5}, {5, 6}}));
    // The counter goes on: with period 7 frame 721 is the next generation; 0 stops them.
    layer.setFreeze(false);
    layer.setPeriod(7);
    layer.updateAndDraw(canvas.renderer);
    layer.setPeriod(0);
    runFrames(layer, canvas.renderer, 7);
    EXPECT_EQ(layer.getLivePoints(), (Points{{4, 5}, {5, 5}, {6, 5}}));
}

TEST(LiffBlocksTest, FieldSizeScalesTheCellsButNotTheSquares) {
    LiffBlocks layer = layerWith({{50, 27}});
    layer.setFieldSize({1785, 1080});
    EXPECT_EQ(layer.getOffsets(), Point(35, 38));
    Canvas canvas(1800, 1100);
    SDL_SetRenderDrawColor(canvas.renderer, 255, 255, 255, 255);
    layer.setFreeze(true);
    runFrames(layer, canvas.renderer, 360);
    EXPECT_EQ(canvas.pixel(1755, 1031), kWhite);
    EXPECT_EQ(canvas.pixel(1775, 1051), kWhite);
    EXPECT_EQ(canvas.countNonBlack(), 80); // the outline of a 21 x 21 pixel square
    for (Point size : {Point(50, 27), Point(0, 0), Point(-100, -100)}) {
        layer.setFieldSize(size);
        EXPECT_EQ(layer.getOffsets(), Point(1, 1));
    }
}

TEST(LiffBlocksTest, CellAtReadsTheCellUnderAPixelWithinTheGrid) {
    LiffBlocks layer = layerWith({{0, 1}, {50, 27}});
    Point cell;
    EXPECT_EQ(logOf([&] { cell = layer.cellAt(-10, 40); }), "Living Liff Block!\n");
    EXPECT_EQ(cell, Point(0, 1));
    layer.setFieldSize({1785, 1080});
    // Pixel x, y, then the cell and whether it lives.
    const int cases[][5] = {{-36, -39, 0, 0, 0},
                            {35, 38, 1, 1, 0},
                            {1784, 1063, 50, 27, 1},
                            {1919, 1079, 50, 27, 1},
                            {40, 1079, 1, 27, 0}};
    for (const auto& [x, y, column, row, alive] : cases) {
        EXPECT_EQ(logOf([&] { cell = layer.cellAt(x, y); }),
                  alive ? "Living Liff Block!\n" : "Dead Liff Block!\n");
        EXPECT_EQ(cell, Point(column, row)) << x << "," << y;
    }
}

TEST(LiffBlocksTest, RandomizeWhileFrozenShowsOnlyThroughCellAt) {
    LiffBlocks layer = layerWith({{0, 2}});
    layer.setFreeze(true);
    // Seeded with 1, column 0 draws 16838, 5758, 10113: rows 0 and 1 alive, row 2 dead.
    gameSrand(1);
    layer.randomize();
    EXPECT_EQ(logOf([&] { layer.cellAt(0, 0); }), "Living Liff Block!\n");
    EXPECT_EQ(logOf([&] { layer.cellAt(5, 55); }), "Dead Liff Block!\n");
    Canvas canvas(100, 100);
    runFrames(layer, canvas.renderer, 360);
    EXPECT_EQ(layer.getLivePoints(), (Points{{0, 2}}));
    EXPECT_EQ(layer.blocks.at(0).rockCords[0].y, 55.0f);
    layer.setCells({{0, 2}});
    EXPECT_EQ(logOf([&] { layer.cellAt(0, 0); }), "Dead Liff Block!\n");
}
