#include "life/liff_automaton.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/log_lines.h"

namespace {
using Points = std::vector<Point>;

LiffAutomaton gridWith(int w, int h, const Points& live) {
    LiffAutomaton a(w, h);
    for (const Point& p : live) {
        a.setCell(static_cast<std::uint32_t>(p.x), static_cast<std::uint32_t>(p.y));
    }
    return a;
}

template <class F> std::string logOf(F&& f) {
    testing::internal::CaptureStdout();
    f();
    return testing::internal::GetCapturedStdout();
}
} // namespace

TEST(LiffAutomatonTest, GenerationsListTheLiveCellsRowByRow) {
    LiffAutomaton lone = gridWith(5, 5, {{2, 2}, {2, 2}});
    EXPECT_EQ(lone.lfpts, (Points{{2, 2}, {2, 2}}));
    EXPECT_FALSE(lone.applyRules());
    EXPECT_TRUE(lone.lfpts.empty());
    LiffAutomaton blinker = gridWith(5, 5, {{3, 2}, {1, 2}, {2, 2}});
    EXPECT_TRUE(blinker.applyRules());
    EXPECT_EQ(blinker.lfpts, (Points{{2, 1}, {2, 2}, {2, 3}}));
    // A plus: the crowded centre dies, the arms survive, the four gaps fill; the empty
    // centre of the ring then has eight neighbours and stays empty.
    LiffAutomaton plus = gridWith(5, 5, {{2, 1}, {1, 2}, {2, 2}, {3, 2}, {2, 3}});
    EXPECT_TRUE(plus.applyRules());
    EXPECT_EQ(plus.lfpts, (Points{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}));
    plus.applyRules();
    EXPECT_FALSE(plus.getCell(2, 2));
    // Blocks in opposite corners stay, generation after generation.
    const Points blocks{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {4, 4}, {5, 4}, {4, 5}, {5, 5}};
    LiffAutomaton corners = gridWith(6, 6, blocks);
    const std::string log = logOf([&] { corners.runGenerations(10); });
    EXPECT_EQ(corners.lfpts, blocks);
    EXPECT_EQ(countLines(log, "Applying rules to 9 gen automata."), 1);
    EXPECT_EQ(countLines(log, "Applying rules to 10 gen automata."), 0);
    EXPECT_EQ(log.find("biom is dead"), std::string::npos);
}

TEST(LiffAutomatonTest, BirthsAloneCountAsNoSurvivor) {
    // (1, 1) has three live neighbours; none of the three has two.
    LiffAutomaton a = gridWith(10, 10, {{0, 0}, {2, 0}, {1, 2}});
    a.verbose = true;
    bool survived = true;
    const std::string log = logOf([&] { survived = a.applyRules(); });
    EXPECT_FALSE(survived);
    EXPECT_EQ(a.lfpts, (Points{{1, 1}}));
    EXPECT_EQ(countLines(log, "0100000000"), 1);
    EXPECT_EQ(countLines(log, "after applying rules born=1, dead=3, survived=0"), 1);
}

TEST(LiffAutomatonTest, CornersEdgesAndInteriorCellsHave3_5And8Neighbours) {
    // x, y and the class (0 corner, 1 edge, 2 interior); every other cell of 5 x 4 is alive.
    const int cases[][3] = {{0, 0, 0}, {4, 0, 0}, {0, 3, 0}, {4, 3, 0}, {0, 1, 1},
                            {2, 0, 1}, {1, 3, 1}, {4, 2, 1}, {1, 1, 2}, {3, 2, 2}};
    for (const auto& [x, y, kind] : cases) {
        LiffAutomaton a(5, 4);
        for (int i = 0; i < 20; ++i) {
            a.cells[i / 5][i % 5] = i != y * 5 + x;
        }
        EXPECT_EQ(a.countNeighbours(x, y), kind == 0 ? 3 : kind == 1 ? 5 : 8) << x << y;
        EXPECT_EQ(std::tuple(a.isCorner(x, y), a.isEdge(x, y), a.isInterior(x, y)),
                  std::tuple(kind == 0, kind == 1, kind == 2));
    }
}

TEST(LiffAutomatonTest, GridPrintsAndRunsStopWhenThePopulationDies) {
    LiffAutomaton a = gridWith(3, 2, {{2, 1}});
    EXPECT_EQ(logOf([&] { a.printGrid(); }), "|  |   |   | \n|  |   | * | \n\n");
    EXPECT_EQ(logOf([&] { a.runGenerations(5); }),
              "Applying rules to 0 gen automata.\n|  |   |   | \n|  |   |   | \n\n"
              "\nAfter 0gernerations biom is dead...\n");
    LiffAutomaton block = gridWith(2, 2, {{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    EXPECT_EQ(logOf([&] { block.runGenerations(1); }),
              "Applying rules to 0 gen automata.\n|* | * | \n|* | * | \n\n\n\n");
}
