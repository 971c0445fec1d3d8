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
constexpr SDL_Color kBlack{0, 0, 0, 255};

template <class F> std::string logOf(F&& f) {
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}

LiffBlocks layerWith(const Points& live) {
    std::optional<LiffBlocks> layer;
    logOf([&] { layer.emplace(); });
    layer->setCells(live);
    return *layer;
}

// Top-left corner of a block's outline.
std::tuple<int, int> corner(SpaceBlock& b) {
    return {b.outlinePoints()[0].x, b.outlinePoints()[0].y};
}

void runFrames(LiffBlocks& layer, SDL_Renderer* r, int n) {
    for (int i = 0; i < n; ++i) {
        layer.updateAndDraw(r);
    }
}
} // namespace

TEST(LiffBlocksTest, StartsAsAnEmpty51By28GridOf25PixelCells) {
    std::optional<LiffBlocks> layer;
    EXPECT_EQ(logOf([&] { layer.emplace(); }), "_row_offset = 25, _col_offset = 25\n");
    EXPECT_EQ(std::tuple(layer->rowCount(), layer->cells[0].size()), std::tuple(28, 51u));
    EXPECT_EQ(layer->getOffsets(), Point(25, 25));
    EXPECT_TRUE(layer->getLivePoints().empty());
    EXPECT_TRUE(layer->blocks.empty());
}

TEST(LiffBlocksTest, AGenerationEveryPeriodOfFramesUnlessFrozen) {
    Canvas canvas(400, 400);
    SDL_SetRenderDrawColor(canvas.renderer, 255, 255, 255, 255);
    LiffBlocks layer = layerWith({{6, 5}, {4, 5}, {5, 5}});
    runFrames(layer, canvas.renderer, 359);
    EXPECT_EQ(layer.getLivePoints(), (Points{{6, 5}, {4, 5}, {5, 5}}));
    layer.updateAndDraw(canvas.renderer);
    EXPECT_EQ(layer.getLivePoints(), (Points{{5, 4}, {5, 5}, {5, 6}}));
    ASSERT_EQ(layer.blocks.size(), 3u);
    EXPECT_EQ(corner(layer.blocks[0]), std::tuple(130, 105));

    // Frame 720 falls while frozen: the blocks are only drawn.
    layer.setFreeze(true);
    SDL_SetRenderDrawColor(canvas.renderer, 0, 0, 0, 255);
    SDL_RenderClear(canvas.renderer);
    SDL_SetRenderDrawColor(canvas.renderer, 255, 255, 255, 255);
    runFrames(layer, canvas.renderer, 360);
    EXPECT_EQ(layer.getLivePoints(), (Points{{5, 4}, {5, 5}, {5, 6}}));
    EXPECT_EQ(canvas.pixel(130, 105), kWhite);
    EXPECT_EQ(canvas.pixel(105, 130), kBlack);

    // The counter goes on: with period 7 frame 721 is the next generation.
    layer.setFreeze(false);
    layer.setPeriod(7);
    layer.updateAndDraw(canvas.renderer);
    EXPECT_EQ(layer.getLivePoints(), (Points{{4, 5}, {5, 5}, {6, 5}}));
    layer.setPeriod(0);
    runFrames(layer, canvas.renderer, 3);
    EXPECT_EQ(layer.getLivePoints(), (Points{{4, 5}, {5, 5}, {6, 5}}));
}

TEST(LiffBlocksTest, FieldSizeScalesTheCellsButNotTheSquares) {
    LiffBlocks layer = layerWith({{50, 27}});
    layer.setFieldSize({1785, 1080});
    EXPECT_EQ(layer.getOffsets(), Point(35, 38));
    Canvas canvas(1800, 1100);
    SDL_SetRenderDrawColor(canvas.renderer, 255, 255, 255, 255);
    layer.updateAndDraw(canvas.renderer);
    for (auto [x, y] : {std::pair(1755, 1031), std::pair(1775, 1031), std::pair(1755, 1051),
                        std::pair(1775, 1051), std::pair(1765, 1031), std::pair(1755, 1041)}) {
        EXPECT_EQ(canvas.pixel(x, y), kWhite) << x << "," << y;
    }
    EXPECT_EQ(canvas.countNonBlack(), 80); // the outline of a 21 x 21 pixel square

    // No field is too small for a cell.
    for (Point size : {Point(50, 27), Point(0, 0), Point(-100, -100)}) {
        layer.setFieldSize(size);
        EXPECT_EQ(layer.getOffsets(), Point(1, 1));
    }
    Point cell;
    logOf([&] { cell = layer.cellAt(7, 3); });
    EXPECT_EQ(cell, Point(7, 3));
}

TEST(LiffBlocksTest, CellAtReadsTheCellUnderAPixelWithinTheGrid) {
    LiffBlocks layer = layerWith({{0, 1}, {50, 27}});
    Point cell;
    EXPECT_EQ(logOf([&] { cell = layer.cellAt(-10, 40); }), "Living Liff Block!\n");
    EXPECT_EQ(cell, Point(0, 1));
    layer.setFieldSize({1785, 1080});
    struct Case {
        int x, y;
        Point cell;
        bool alive;
    };
    const Case cases[] = {{-10, 40, {0, 1}, true},      {-36, -39, {0, 0}, false},
                          {34, 37, {0, 0}, false},      {35, 38, {1, 1}, false},
                          {1784, 1063, {50, 27}, true}, {1785, 1064, {50, 27}, true},
                          {1919, 1079, {50, 27}, true}, {40, 1079, {1, 27}, false}};
    for (const Case& c : cases) {
        const std::string log = logOf([&] { cell = layer.cellAt(c.x, c.y); });
        EXPECT_EQ(cell, c.cell) << c.x << "," << c.y;
        EXPECT_EQ(log, c.alive ? "Living Liff Block!\n" : "Dead Liff Block!\n");
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
    ASSERT_EQ(layer.blocks.size(), 1u);
    EXPECT_EQ(corner(layer.blocks[0]), std::tuple(5, 55));
    layer.setCells({{0, 2}});
    EXPECT_EQ(logOf([&] { layer.cellAt(0, 0); }), "Dead Liff Block!\n");
}
