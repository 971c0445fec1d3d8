#include "life/liff_automaton.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "geometry/game_rand.h"
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

TEST(LiffAutomatonTest, LoneCellDiesAndBirthsAloneReportNoSurvivor) {
    LiffAutomaton lone = gridWith(5, 5, {{2, 2}});
    EXPECT_FALSE(lone.applyRules());
    EXPECT_TRUE(lone.lfpts.empty());
    EXPECT_FALSE(lone.getCell(2, 2));

    // (1, 1) has three live neighbours; none of the three has two.
    LiffAutomaton a = gridWith(10, 10, {{0, 0}, {2, 0}, {1, 2}});
    a.verbose = true;
    bool survived = true;
    const std::string log = logOf([&] { survived = a.applyRules(); });
    EXPECT_FALSE(survived);
    EXPECT_EQ(a.lfpts, (Points{{1, 1}}));
    std::string want = "\n0000000000\n0100000000";
    for (int row = 2; row < 10; ++row) {
        want += "\n0000000000";
    }
    EXPECT_EQ(log, want + "\nafter applying rules born=1, dead=3, survived=0\n");
}

TEST(LiffAutomatonTest, BlinkerAlternatesListingCellsRowByRow) {
    LiffAutomaton a = gridWith(5, 5, {{3, 2}, {1, 2}, {2, 2}});
    EXPECT_TRUE(a.applyRules());
    EXPECT_EQ(a.lfpts, (Points{{2, 1}, {2, 2}, {2, 3}}));
    EXPECT_TRUE(a.applyRules());
    EXPECT_EQ(a.lfpts, (Points{{1, 2}, {2, 2}, {3, 2}}));

    // A plus: the crowded centre dies, the arms survive, the four gaps fill; the empty
    // centre of the ring then has eight neighbours and stays empty.
    LiffAutomaton plus = gridWith(5, 5, {{2, 1}, {1, 2}, {2, 2}, {3, 2}, {2, 3}});
    EXPECT_TRUE(plus.applyRules());
    EXPECT_EQ(plus.lfpts, (Points{{1, 1}, {2, 1}, {3, 1}, {1, 2}, {3, 2}, {1, 3}, {2, 3}, {3, 3}}));
    plus.applyRules();
    EXPECT_FALSE(plus.getCell(2, 2));
}

TEST(LiffAutomatonTest, NeighboursStopAtTheBorder) {
    // On 5 x 4: class, then the count with every other cell alive. With only the cells two
    // or more steps away alive the count must be 0.
    struct Case {
        int x, y;
        bool corner, edge;
        int all;
    };
    const Case cases[] = {{0, 0, true, false, 3}, {4, 0, true, false, 3}, {0, 3, true, false, 3},
                          {4, 3, true, false, 3}, {0, 1, false, true, 5}, {2, 0, false, true, 5},
                          {1, 3, false, true, 5}, {4, 2, false, true, 5}, {1, 1, false, false, 8},
                          {3, 2, false, false, 8}};
    for (const Case& c : cases) {
        Points others;
        Points far;
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 5; ++x) {
                const bool near = std::abs(x - c.x) <= 1 && std::abs(y - c.y) <= 1;
                if (x != c.x || y != c.y) {
                    (near ? others : far).push_back({x, y});
                }
            }
        }
        LiffAutomaton a = gridWith(5, 4, far);
        EXPECT_EQ(a.countNeighbours(c.x, c.y), 0) << c.x << "," << c.y;
        for (const Point& p : others) {
            a.setCell(static_cast<std::uint32_t>(p.x), static_cast<std::uint32_t>(p.y));
        }
        EXPECT_EQ(a.countNeighbours(c.x, c.y), c.all) << c.x << "," << c.y;
        EXPECT_EQ(a.neighbourCount, c.all);
        EXPECT_EQ(a.isCorner(c.x, c.y), c.corner);
        EXPECT_EQ(a.isEdge(c.x, c.y), c.edge);
        EXPECT_EQ(a.isInterior(c.x, c.y), !c.corner && !c.edge);
    }
}

TEST(LiffAutomatonTest, BlocksInOppositeCornersSurvive) {
    const Points blocks{{0, 0}, {1, 0}, {0, 1}, {1, 1}, {4, 4}, {5, 4}, {4, 5}, {5, 5}};
    LiffAutomaton a = gridWith(6, 6, blocks);
    EXPECT_TRUE(a.applyRules());
    EXPECT_EQ(a.lfpts, blocks);

    const std::string log = logOf([&] { a.runGenerations(10); });
    EXPECT_EQ(countLines(log, "Applying rules to 9 gen automata."), 1);
    int headers = 0;
    for (const std::string& line : logLines(log)) {
        headers += line.starts_with("Applying rules to ") ? 1 : 0;
    }
    EXPECT_EQ(headers, 10);
    EXPECT_EQ(log.find("biom is dead"), std::string::npos);
}

TEST(LiffAutomatonTest, GridPrintsRowsOfCellsAndADyingRunStops) {
    LiffAutomaton a = gridWith(3, 2, {{2, 1}});
    EXPECT_EQ(logOf([&] { a.printGrid(); }), "|  |   |   | \n|  |   | * | \n\n");
    EXPECT_EQ(logOf([&] { a.runGenerations(5); }),
              "Applying rules to 0 gen automata.\n|  |   |   | \n|  |   |   | \n\n"
              "\nAfter 0gernerations biom is dead...\n");
    LiffAutomaton block = gridWith(2, 2, {{0, 0}, {1, 0}, {0, 1}, {1, 1}});
    EXPECT_EQ(logOf([&] { block.runGenerations(1); }),
              "Applying rules to 0 gen automata.\n|* | * | \n|* | * | \n\n\n\n");
}

TEST(LiffAutomatonTest, SetCellAppendsEveryTimeAndRandomizeGoesColumnByColumn) {
    LiffAutomaton a = gridWith(2, 3, {{1, 1}, {1, 1}});
    EXPECT_EQ(a.lfpts, (Points{{1, 1}, {1, 1}}));
    // Seeded with 1 the draws are 16838, 5758, 10113, 17515, 31051, 5627: even is alive.
    gameSrand(1);
    a.randomize();
    const bool want[2][3] = {{true, true, false}, {false, false, false}};
    for (std::uint32_t x = 0; x < 2; ++x) {
        for (std::uint32_t y = 0; y < 3; ++y) {
            EXPECT_EQ(a.getCell(x, y), want[x][y]) << x << "," << y;
        }
    }
    EXPECT_EQ(a.lfpts.size(), 2u);
    a.clear();
    EXPECT_EQ(a.lfpts.size(), 2u);
    EXPECT_FALSE(a.getCell(0, 0));
}
