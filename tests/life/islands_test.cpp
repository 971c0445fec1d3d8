#include "life/islands.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {
using Points = std::vector<Point>;

auto box(const SDL_Rect& r) {
    return std::tuple(r.x, r.y, r.w, r.h);
}

// An islands store holding one island per list, its log swallowed.
Islands storeOf(const std::vector<Points>& islands) {
    testing::internal::CaptureStdout();
    Islands store;
    for (const Points& pts : islands) {
        store.buckets.emplace_back(pts.front());
        for (const Point& p : pts) {
            store.buckets.back().addPoint(p.x, p.y);
        }
    }
    testing::internal::GetCapturedStdout();
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

TEST(IslandsTest, APointAlreadyHeldStartsAnIslandOfItsOwn) {
    Islands store = storeOf({{{3, 3}}});
    store.addPoint(3, 3);
    EXPECT_EQ(contents(store), (std::vector<Points>{{{3, 3}}, {{3, 3}}}));
}

TEST(IslandsTest, DefragMergesBoxesWithinOneCellOfEachOther) {
    const std::tuple<Points, Points, bool> cases[] = {
        {{{3, 6}, {6, 9}}, {{7, 10}, {8, 11}}, true}, // one cell apart diagonally
        {{{7, 10}, {8, 11}}, {{3, 6}, {6, 9}}, true},
        {{{3, 6}, {6, 9}}, {{8, 6}, {9, 9}}, false},   // an empty column between
        {{{3, 11}, {6, 12}}, {{3, 6}, {6, 9}}, false}, // an empty row between
    };
    for (const auto& [a, b, match] : cases) {
        Islands store = storeOf({a, b});
        const std::string log = defragLog(store);
        Points merged = a;
        merged.insert(merged.end(), b.begin(), b.end());
        const std::vector<Points> want = match ? std::vector<Points>{merged} : std::vector{a, b};
        EXPECT_EQ(contents(store), want);
        // Without a match the pass ends with the count.
        EXPECT_TRUE(match ? log.find("found match between buckets 0 and 1\nFound 1 orphan") !=
                                std::string::npos
                          : log.ends_with("Found 0 orphan islands...\n"));
    }
}

TEST(IslandsTest, DefragFollowsAChainAndRemovesEachMatchOnce) {
    // P matches Q and Q matches R, not P; S stands apart.
    Islands chain = storeOf({{{0, 0}, {1, 1}}, {{20, 20}}, {{2, 0}, {3, 1}}, {{4, 0}, {5, 1}}});
    EXPECT_NE(defragLog(chain).find("0 and 2\nfound match between buckets 2 and 3\nFound 2 "),
              std::string::npos);
    EXPECT_EQ(contents(chain),
              (std::vector<Points>{{{0, 0}, {1, 1}, {2, 0}, {3, 1}, {4, 0}, {5, 1}}, {{20, 20}}}));
    EXPECT_EQ(box(chain.islandAt(0).rect), std::tuple(0, 0, 5, 1));
    // Both ends match the middle island, which goes once.
    Islands fork = storeOf({{{0, 0}}, {{0, 4}}, {{0, 1}, {0, 3}}});
    defragLog(fork);
    ASSERT_EQ(fork.count(), 2);
    EXPECT_EQ(fork.islandAt(1).pts.front(), Point(0, 4));
}

TEST(IslandsTest, PixelBoxesScaleByTheCellSizeAndFindTheIslandUnderARect) {
    Islands store = storeOf({{{2, 3}}, {{10, 10}, {12, 11}}});
    store.setCellSize({35, 38});
    EXPECT_EQ(box(store.pixelRectOf(0)), std::tuple(70, 114, 30, 30));
    EXPECT_EQ(box(store.pixelRectOf(1)), std::tuple(350, 380, 100, 68));
    const std::tuple<SDL_Rect, int> cases[] = {{{100, 144, 5, 5}, 0},  {{101, 144, 5, 5}, -1},
                                               {{65, 109, 5, 5}, 0},   {{64, 109, 5, 5}, -1},
                                               {{300, 448, 50, 1}, 1}, {{300, 449, 50, 1}, -1}};
    for (const auto& [rect, want] : cases) {
        EXPECT_EQ(store.islandTouching(rect), want) << rect.x << "," << rect.y;
    }
}
