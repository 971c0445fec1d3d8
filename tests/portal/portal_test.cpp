#include <gtest/gtest.h>

#include "geometry/game_rand.h"
#include "portal/placement.h"
#include "portal/portal.h"
#include "support/canvas.h"
#include "support/work_dir.h"

namespace {
std::vector<std::string> layerNames() {
    std::vector<std::string> names;
    for (int i = 0; i < 90; ++i) {
        names.push_back(".\\dat\\portal_layers\\RGB\\" + std::to_string(i) + ".png");
    }
    return names;
}

class PortalTest : public testing::Test {
  protected:
    // Seed 1: the wait draw is 16838, 16838 % 4 = 2, so the portal waits 801 frames.
    void SetUp() override { gameSrand(1); }
    int litIn(const SDL_FRect& r) {
        int n = 0;
        for (int y = static_cast<int>(r.y); y < static_cast<int>(r.y + r.h); ++y) {
            for (int x = static_cast<int>(r.x); x < static_cast<int>(r.x + r.w); ++x) {
                const SDL_Color c = canvas.pixel(x, y);
                n += c.r + c.g + c.b > 0 ? 1 : 0;
            }
        }
        return n;
    }
    // One frame of the game's portal step while the portal is open.
    bool frame(const SDL_Rect& ship, ExitPortal& exit) {
        portal.drawPortal();
        const bool moved = portal.heroEnters(ship, exit);
        portal.updatePortal();
        return moved;
    }
    WorkDir dir;
    Canvas canvas{400, 300};
    Portal portal{canvas.renderer, layerNames(), Point(200, 150)};
};
} // namespace

TEST_F(PortalTest, WaitsHiddenThenShowsBothEndsAndCarriesTheShipAcross) {
    EXPECT_EQ(portal.layerCount(), 90);
    EXPECT_EQ(portal.getWaitTimer(), 801);
    ExitPortal exit;
    const SDL_Rect onA{300, 150, 30, 30}; // x = endA.x + 100: touching the edge counts
    for (int i = 0; i < 801; ++i) {
        ASSERT_FALSE(frame(onA, exit)) << "frame " << i;
    }
    EXPECT_EQ(canvas.countNonBlack(), 0) << "nothing drawn while waiting";
    EXPECT_TRUE(frame({0, 0, 1, 1}, exit) == false);
    EXPECT_GT(litIn(portal.getEndA()), 2000);
    EXPECT_GT(litIn(portal.getEndB()), 2000);
    ASSERT_TRUE(frame(onA, exit));
    EXPECT_EQ(exit.x, 100);
    EXPECT_EQ(exit.y, 100);
    const SDL_Rect onB{100, 100, 30, 30};
    for (int i = 0; i < 60; ++i) {
        ASSERT_FALSE(frame(onB, exit)) << "cooldown frame " << i;
    }
    ASSERT_TRUE(frame(onB, exit)) << "the 61st frame after a teleport may teleport again";
    EXPECT_EQ(exit.x, 200);
    EXPECT_EQ(exit.y, 150);
}

TEST_F(PortalTest, AShowingEndsAfterFourHundredFramesAndWaitsAgain) {
    ExitPortal exit;
    for (int i = 0; i < 801 + 399; ++i) {
        frame({0, 0, 1, 1}, exit);
    }
    EXPECT_EQ(portal.isOpen(), 1);
    // The next draw is 5758: 5758 % 4 = 2 again, 801 frames.
    frame({0, 0, 1, 1}, exit);
    EXPECT_EQ(portal.isOpen(), 0);
    EXPECT_EQ(portal.getWaitTimer(), 801);
}

TEST(PortalPairTest, PicksANeighbourOfARandomIsland) {
    // Seed 1 draws 16838, 5758, 10113, 17515, 31051: modulo 7 that is 3, 4, 5, 1, 6.
    gameSrand(1);
    const std::pair<int, int> expected[] = {{3, 4}, {4, 5}, {5, 6}, {1, 2}, {6, 5}};
    for (const auto& pair : expected) {
        EXPECT_EQ(Portal::pickIslandPair(7), pair);
    }
}

TEST(PortalLayersTest, APortalWithoutLayersSaysSoAndDrawsNothing) {
    Canvas canvas(300, 300);
    gameSrand(1);
    testing::internal::CaptureStdout();
    Portal portal(canvas.renderer, {}, Point(0, 0));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error zero images to load...\n");
    for (int i = 0; i < 900; ++i) {
        portal.drawPortal();
    }
    EXPECT_EQ(canvas.countNonBlack(), 0);
}

TEST(PortalPlacementTest, EndsGoToTheCornersOfTwoIslandsAndStayWithFewerThanTwo) {
    Canvas canvas(100, 100);
    testing::internal::CaptureStdout();
    Islands islands;
    Portal portal(canvas.renderer, {}, Point(200, 400));
    testing::internal::GetCapturedStdout();
    islands.setCellSize(Point(35, 38));
    std::pair<int, int> ids{0, 0};
    islands.addPoint(2, 3);
    gameSrand(1);
    placePortal(portal, islands, ids);
    EXPECT_EQ(ids, std::make_pair(0, 0)) << "one island: no pair, nothing drawn";
    EXPECT_EQ(gameRand(), 16838);
    EXPECT_EQ(portal.getEndA().x, 200.0f);
    islands.addPoint(9, 9);
    islands.addPoint(20, 1);
    // Seed 1 draws 16838: 16838 % 3 = 2, the last island, so its pair is (2, 1).
    gameSrand(1);
    placePortal(portal, islands, ids);
    EXPECT_EQ(ids, std::make_pair(2, 1));
    EXPECT_EQ(portal.getEndA().x, 20.0f * 35);
    EXPECT_EQ(portal.getEndA().y, 38.0f);
    EXPECT_EQ(portal.getEndB().x, 9.0f * 35);
    EXPECT_EQ(portal.getEndB().y, 9.0f * 38);
}
