#include "life/islands.h"
#include "life/liff_blocks.h"
#include "support/kit.h"

namespace {
using Points = std::vector<Point>;

LiffAutomaton gridWith(int w, int h, const Points& live) {
    LiffAutomaton a(w, h);
    for (const Point& p : live) {
        a.setCell(static_cast<std::uint32_t>(p.x), static_cast<std::uint32_t>(p.y));
    }
    return a;
}

void runFrames(LiffBlocks& layer, DrawSurface& r, int n) {
    for (int i = 0; i < n; ++i) {
        layer.updateAndDraw(r);
    }
}

// A store holding one island per list, each built from its points in order.
Islands storeOf(const std::vector<Points>& islands) {
    Islands store;
    for (const Points& pts : islands) {
        Island& island = store.buckets.emplace_back(pts.front());
        for (const Point& p : pts) {
            island.addPoint(p.x, p.y);
        }
    }
    return store;
}
} // namespace

// Set twice, listed twice; a lone cell dies and the run stops after one generation.
TEST(LiffAutomatonTest, ALoneCellDiesAndTheRunStopsAtTheDeadGeneration) {
    LiffAutomaton lone = gridWith(3, 2, {{2, 1}, {2, 1}});
    EXPECT_EQ(lone.lfpts, (Points{{2, 1}, {2, 1}}));
    EXPECT_EQ(quietly([&] { lone.runGenerations(5); }),
              "Applying rules to 0 gen automata.\n|  |   |   | \n|  |   |   | \n\n"
              "\nAfter 0gernerations biom is dead...\n");
}

TEST(LiffAutomatonTest, ABlinkerTurnsAndItsCellsAreListedRowByRow) {
    LiffAutomaton blinker = gridWith(5, 5, {{3, 2}, {1, 2}, {2, 2}});
    EXPECT_TRUE(blinker.applyRules());
    EXPECT_EQ(blinker.lfpts, (Points{{2, 1}, {2, 2}, {2, 3}}));
}

// A plus: the crowded centre dies, the arms survive, the four gaps fill; the empty centre of
// the ring then has eight neighbours and stays empty. Full top and bottom rows: the centre's six
// neighbours bring no birth, the ends die.
TEST(LiffAutomatonTest, CrowdedCellsDieAndOnlyThreeNeighboursBringABirth) {
    LiffAutomaton plus = gridWith(5, 5, {{2, 1}, {1, 2}, {2, 2}, {3, 2}, {2, 3}});
    plus.applyRules();
    EXPECT_EQ(plus.lfpts, (Points{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}));
    plus.applyRules();
    EXPECT_FALSE(plus.getCell(2, 2));
    LiffAutomaton rows = gridWith(3, 3, {{0, 0}, {1, 0}, {2, 0}, {0, 2}, {1, 2}, {2, 2}});
    rows.applyRules();
    EXPECT_EQ(rows.lfpts, (Points{{1, 0}, {1, 2}}));
}

// Blocks in opposite corners stay, generation after generation.
TEST(LiffAutomatonTest, StillLifesStayAndTheRunLogsEveryGeneration) {
    const Points blocks{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {4, 4}, {5, 4}, {4, 5}, {5, 5}};
    LiffAutomaton corners = gridWith(6, 6, blocks);
    const std::string log = quietly([&] { corners.runGenerations(10); });
    EXPECT_EQ(std::tuple(corners.lfpts, countLines(log, "Applying rules to 9 gen automata."),
                         countLines(log, "|* | * |   |   |   |   | "), log.find("dead")),
              std::tuple(blocks, 1, 20, std::string::npos));
}

// (1, 1) has three live neighbours; none of the three has two.
TEST(LiffAutomatonTest, ABirthAmongCellsThatAllDieIsReported) {
    LiffAutomaton a = gridWith(10, 10, {{0, 0}, {2, 0}, {1, 2}});
    a.verbose = true;
    const std::string births = quietly([&] { EXPECT_FALSE(a.applyRules()); });
    EXPECT_EQ(std::tuple(a.lfpts, countLines(births, "0100000000"),
                         countLines(births, "after applying rules born=1, dead=3, survived=0")),
              std::tuple(Points{{1, 1}}, 1, 1));
}

// x, y and the count when every other cell of 5 x 4 is alive; each cell is one of corner, edge
// and interior, by its count of neighbours.
TEST(LiffAutomatonTest, NeighbourCountsTellCornersEdgesAndInteriorsApart) {
    const int cases[][3] = {{0, 0, 3}, {4, 3, 3}, {2, 0, 5}, {0, 2, 5}, {1, 1, 8}, {3, 2, 8}};
    for (const auto& [x, y, count] : cases) {
        LiffAutomaton grid(5, 4);
        for (int i = 0; i < 20; ++i) {
            grid.cells[i / 5][i % 5] = i != y * 5 + x;
        }
        EXPECT_EQ(grid.countNeighbours(x, y), count) << x << y;
        EXPECT_EQ(std::tuple(grid.isCorner(x, y), grid.isEdge(x, y), grid.isInterior(x, y)),
                  std::tuple(count == 3, count == 5, count == 8));
    }
}

// Frame 720 falls while frozen; period 0 stops the generations without dividing by zero.
TEST(LiffBlocksTest, AGenerationEveryPeriodUnlessFrozenOrThePeriodIsZero) {
    Canvas canvas(400, 400);
    LiffBlocks layer;
    layer.setCells({{6, 5}, {4, 5}, {5, 5}});
    runFrames(layer, canvas.paint, 359);
    EXPECT_EQ(layer.getLivePoints(), (Points{{6, 5}, {4, 5}, {5, 5}}));
    layer.updateAndDraw(canvas.paint);
    EXPECT_EQ(std::tuple(layer.getLivePoints(), layer.blocks.at(0).rockCords[0].y),
              std::tuple(Points{{5, 4}, {5, 5}, {5, 6}}, 105.0f));
    layer.setFreeze(true);
    runFrames(layer, canvas.paint, 360);
    layer.setFreeze(false);
    layer.setPeriod(0);
    runFrames(layer, canvas.paint, 360);
    EXPECT_EQ(layer.getLivePoints(), (Points{{5, 4}, {5, 5}, {5, 6}}));
}

// Two live cells, frozen, on a field of 1785 x 1080: cells of 35 x 38.
class LiffFieldTest : public testing::Test {
  protected:
    void SetUp() override {
        field.setCells({{0, 1}, {50, 27}});
        field.setFieldSize({1785, 1080});
        SDL_SetRenderDrawColor(big.renderer, 255, 255, 255, 255);
        field.setFreeze(true);
        runFrames(field, big.paint, 360);
    }

    LiffBlocks field;
    Canvas big{1800, 1100};
};

TEST_F(LiffFieldTest, TheFieldSizeScalesTheCellsNotTheSquares) {
    EXPECT_EQ(field.getOffsets(), Point(35, 38));
    // Two outlines of 21 x 21 pixel squares, one from (1755, 1031) to (1775, 1051).
    EXPECT_EQ(std::tuple(big.pixel(1755, 1031).r, big.pixel(1775, 1051).r, big.countNonBlack()),
              std::tuple(255, 255, 160));
}

// Pixel x, y, then the cell and whether it lives: past the right or bottom reads the last.
TEST_F(LiffFieldTest, APixelNamesItsCellAndPastTheEdgeTheLast) {
    const int cases[][5] = {
        {-10, 40, 0, 1, 1}, {-36, -39, 0, 0, 0}, {1919, 1079, 50, 27, 1}, {40, 1079, 1, 27, 0}};
    Point cell;
    for (const auto& [x, y, column, row, alive] : cases) {
        EXPECT_EQ(quietly([&] { cell = field.cellAt(x, y); }),
                  alive ? "Living Liff Block!\n" : "Dead Liff Block!\n");
        EXPECT_EQ(cell, Point(column, row)) << x << "," << y;
    }
}

// Seeded with 1, column 0 draws 16838, 5758, 10113: rows 0 and 1 alive, row 2 dead.
TEST_F(LiffFieldTest, RandomizeDrawsEachCellFromTheGenerator) {
    gameSrand(1);
    field.randomize();
    EXPECT_EQ(quietly([&] { field.cellAt(0, 0), field.cellAt(0, 80); }),
              "Living Liff Block!\nDead Liff Block!\n");
    runFrames(field, big.paint, 360);
    EXPECT_EQ(field.blocks.size(), 2u);
}

TEST_F(LiffFieldTest, AFieldNoLargerThanTheGridGetsCellsOfOnePixel) {
    for (Point size : {Point(50, 27), Point(0, 0), Point(-100, -100)}) {
        field.setFieldSize(size);
        EXPECT_EQ(field.getOffsets(), Point(1, 1));
    }
}

// A point joins the first island it touches, or starts its own when already held. Two cells
// apart, in any direction, is not touching.
TEST(IslandsTest, APointJoinsTheFirstIslandItTouchesOrStartsItsOwn) {
    Islands store = storeOf({{{0, 0}}, {{2, 0}}});
    for (const Point& p :
         {Point(1, 0), Point(1, 0), Point(0, 2), Point(0, -2), Point(-2, 0), Point(4, 0)}) {
        store.addPoint(p.x, p.y);
    }
    EXPECT_EQ(std::tuple(store.count(), store.islandAt(0).pts, store.islandAt(2).pts),
              std::tuple(7, Points{{0, 0}, {1, 0}}, Points{{1, 0}}));
}

TEST(IslandsTest, DefragMergesIslandsThatTouchButNotAcrossAGap) {
    const std::tuple<Points, Points, bool> cases[] = {
        {{{3, 6}, {6, 9}}, {{7, 10}, {8, 11}}, true}, // one cell apart diagonally
        {{{7, 10}, {8, 11}}, {{3, 6}, {6, 9}}, true},
        {{{3, 6}, {6, 9}}, {{8, 6}, {9, 9}}, false},   // an empty column between
        {{{3, 11}, {6, 12}}, {{3, 6}, {6, 9}}, false}, // an empty row between
    };
    for (const auto& [a, b, match] : cases) {
        Islands store = storeOf({a, b});
        quietly([&] { store.defrag(); });
        Points merged = a;
        merged.insert(merged.end(), b.begin(), b.end());
        EXPECT_EQ(std::tuple(store.count(), store.islandAt(0).pts),
                  match ? std::tuple(1, merged) : std::tuple(2, a));
    }
}

// P matches Q and Q matches R, not P; S stands apart. The chain ends in P.
TEST(IslandsTest, DefragFollowsAChainOfMatchesIntoItsFirstIsland) {
    Islands chain = storeOf({{{0, 0}, {1, 1}}, {{20, 20}}, {{2, 0}, {3, 1}}, {{4, 0}, {5, 1}}});
    EXPECT_NE(quietly([&] {
                  chain.defrag();
              }).find("buckets 0 and 2\nfound match between buckets 2 and 3\nFound 2"),
              std::string::npos);
    EXPECT_EQ(std::tuple(chain.count(), chain.islandAt(0).pts),
              std::tuple(2, Points{{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 0}, {5, 1}}));
}

// Island 1's box reaches from y = 380 down to 448.
TEST(IslandsTest, PixelBoxesScaleByTheCellSizeAndTouchAtTheirEdges) {
    Islands boxes = storeOf({{{2, 3}}, {{10, 10}, {12, 11}}});
    boxes.setCellSize({35, 38});
    const SDL_Rect box = boxes.pixelRectOf(0);
    EXPECT_EQ(std::tuple(box.x, box.y, box.w, box.h), std::tuple(70, 114, 30, 30));
    const std::tuple<SDL_Rect, int> touching[] = {{{100, 144, 5, 5}, 0},  {{101, 144, 5, 5}, -1},
                                                  {{65, 109, 5, 5}, 0},   {{64, 109, 5, 5}, -1},
                                                  {{300, 448, 50, 1}, 1}, {{300, 449, 50, 1}, -1}};
    for (const auto& [rect, want] : touching) {
        EXPECT_EQ(boxes.islandTouching(rect), want) << rect.x << "," << rect.y;
    }
}
