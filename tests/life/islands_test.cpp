#include "life/islands.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace {
using Points = std::vector<Point>;

auto box(const SDL_Rect& r) {
    return std::tuple(r.x, r.y, r.w, r.h);
}

Island islandOf(const Points& pts) {
    Island island(pts.front());
    for (const Point& p : pts) {
        island.addPoint(p.x, p.y);
    }
    return island;
}

// An islands store holding the given islands, its construction line swallowed.
Islands storeOf(const std::vector<Island>& islands) {
    testing::internal::CaptureStdout();
    Islands store;
    testing::internal::GetCapturedStdout();
    store.buckets = islands;
    return store;
}

std::vector<Points> contents(const Islands& store) {
    std::vector<Points> out;
    for (const Island& island : store.buckets) {
        out.push_back(island.pts);
    }
    return out;
}

std::string defragLog(Islands& store) {
    testing::internal::CaptureStdout();
    store.defrag();
    return testing::internal::GetCapturedStdout();
}
} // namespace

TEST(IslandsTest, APointJoinsTheFirstIslandItTouches) {
    struct Case {
        Points adds;
        std::vector<Points> islands;
        SDL_Rect first;
    };
    const Case cases[] = {
        {{{4, 7}, {5, 7}, {0, 0}}, {{{4, 7}, {5, 7}}, {{0, 0}}}, {4, 7, 1, 0}},
        {{{0, 0}, {2, 0}, {1, 0}}, {{{0, 0}, {1, 0}}, {{2, 0}}}, {0, 0, 1, 0}},
        {{{3, 3}, {3, 3}}, {{{3, 3}}, {{3, 3}}}, {3, 3, 0, 0}},
        {{{5, 5}, {4, 4}, {6, 6}, {4, 6}, {6, 4}},
         {{{5, 5}, {4, 4}, {6, 6}, {4, 6}, {6, 4}}},
         {4, 4, 2, 2}},
        {{{5, 5}, {7, 5}, {3, 5}, {5, 3}, {5, 7}},
         {{{5, 5}}, {{7, 5}}, {{3, 5}}, {{5, 3}}, {{5, 7}}},
         {5, 5, 0, 0}},
    };
    for (const Case& c : cases) {
        Islands store = storeOf({});
        for (const Point& p : c.adds) {
            store.addPoint(p.x, p.y);
        }
        EXPECT_EQ(contents(store), c.islands);
        EXPECT_EQ(box(store.islandAt(0).rect), box(c.first));
    }
}

TEST(IslandsTest, DefragMergesBoxesWithinOneCellOfEachOther) {
    struct Case {
        Points a, b;
        bool match;
    };
    const Case cases[] = {
        {{{3, 6}, {6, 9}}, {{7, 10}, {8, 11}}, true}, // one cell apart diagonally
        {{{7, 10}, {8, 11}}, {{3, 6}, {6, 9}}, true},
        {{{3, 6}, {6, 9}}, {{4, 7}, {5, 8}}, true},
        {{{3, 6}, {6, 9}}, {{8, 6}, {9, 9}}, false}, // an empty column between
        {{{8, 6}, {9, 9}}, {{3, 6}, {6, 9}}, false},
        {{{3, 6}, {6, 9}}, {{3, 11}, {6, 12}}, false}, // an empty row between
        {{{3, 11}, {6, 12}}, {{3, 6}, {6, 9}}, false},
    };
    for (const Case& c : cases) {
        Islands store = storeOf({islandOf(c.a), islandOf(c.b)});
        const std::string log = defragLog(store);
        if (c.match) {
            Points merged = c.a;
            merged.insert(merged.end(), c.b.begin(), c.b.end());
            EXPECT_EQ(contents(store), std::vector<Points>{merged});
            EXPECT_NE(log.find("found match between buckets 0 and 1\nFound 1 orphan islands"),
                      std::string::npos);
        } else {
            EXPECT_EQ(contents(store), (std::vector<Points>{c.a, c.b}));
            EXPECT_NE(log.find("Found 0 orphan islands...\n"), std::string::npos);
            EXPECT_EQ(log.find("Re-assembling"), std::string::npos);
        }
    }
}

TEST(IslandsTest, DefragFollowsAChainAndRemovesEachMatchOnce) {
    // P matches Q, Q matches R; S stands apart between them.
    const Points p{{0, 0}, {1, 1}}, s{{20, 20}}, q{{2, 0}, {3, 1}}, r{{4, 0}, {5, 1}};
    Islands chain = storeOf({islandOf(p), islandOf(s), islandOf(q), islandOf(r)});
    const std::string log = defragLog(chain);
    EXPECT_EQ(contents(chain),
              (std::vector<Points>{{{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 0}, {5, 1}}, s}));
    EXPECT_EQ(box(chain.islandAt(0).rect), std::tuple(0, 0, 5, 1));
    EXPECT_NE(log.find("buckets 0 and 2\nfound match between buckets 2 and 3\nFound 2 orphan"),
              std::string::npos);

    // Both ends match the middle island, which goes once.
    Islands fork = storeOf({islandOf({{0, 0}}), islandOf({{0, 4}}), islandOf({{0, 1}, {0, 3}})});
    defragLog(fork);
    ASSERT_EQ(fork.count(), 2);
    EXPECT_EQ(fork.islandAt(0).pts.front(), Point(0, 0));
    EXPECT_EQ(fork.islandAt(1).pts.front(), Point(0, 4));
}

TEST(IslandsTest, PixelBoxesScaleByTheCellSizeAndFindTheIslandUnderARect) {
    Islands store = storeOf({islandOf({{2, 3}}), islandOf({{10, 10}, {12, 11}})});
    store.setCellSize({35, 38});
    EXPECT_EQ(box(store.pixelRectOf(0)), std::tuple(70, 114, 30, 30));
    EXPECT_EQ(box(store.pixelRectOf(1)), std::tuple(350, 380, 100, 68));
    const std::tuple<SDL_Rect, int> cases[] = {
        {{100, 144, 5, 5}, 0},  {{101, 144, 5, 5}, -1},  {{65, 109, 5, 5}, 0},
        {{64, 109, 5, 5}, -1},  {{440, 440, 10, 10}, 1}, {{451, 380, 5, 5}, -1},
        {{300, 448, 50, 1}, 1}, {{300, 449, 50, 1}, -1}, {{0, 0, 1000, 1000}, 0},
    };
    for (const auto& [rect, want] : cases) {
        EXPECT_EQ(store.islandTouching(rect), want) << rect.x << "," << rect.y;
    }
}
