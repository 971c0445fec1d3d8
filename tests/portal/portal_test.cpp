#include "portal/placement.h"
#include "portal/portal.h"
#include "support/kit.h"

namespace {
// Seed 1 draws 16838 first: 16838 % 4 = 2, so the portal waits 2 x 400 + 1 frames, and the next
// wait, drawn from 5758, is as long.
class PortalTest : public testing::Test {
  protected:
    // One frame of the game's portal step while the portal is open.
    bool frame(const SDL_Rect& ship) {
        portal.drawPortal();
        const bool moved = portal.heroEnters(ship, exit);
        portal.updatePortal();
        return moved;
    }
    // The wait, with the ship on end A all along, then the first frame shown.
    void open() {
        for (int i = 0; i < 801; ++i) {
            ASSERT_FALSE(frame(onA)) << "frame " << i;
        }
        EXPECT_EQ(canvas.countNonBlack(), 0) << "nothing drawn while waiting";
        EXPECT_FALSE(frame(away));
        EXPECT_GT(canvas.countNonBlack(), 10000) << "an end is 100 x 100: both are drawn";
    }

    WorkDir dir;
    const bool seeded = (gameSrand(1), true); // before the portal draws its first wait
    Canvas canvas{400, 300};
    Portal portal{canvas.paint, {".\\dat\\portal_layers\\RGB\\0.png"}, Point(200, 150)};
    ExitPortal exit;
    // onA touches end A's right edge, which counts; onB lies inside end B.
    const SDL_Rect onA{300, 150, 30, 30}, onB{100, 100, 30, 30}, away{0, 0, 1, 1};
};
} // namespace

TEST_F(PortalTest, CarriesTheShipToTheOtherEndAndAgainOnlyAfterSixtyFrames) {
    open();
    ASSERT_TRUE(frame(onA));
    EXPECT_EQ(std::make_pair(exit.x, exit.y), std::make_pair(100, 100));
    for (int i = 0; i < 60; ++i) {
        ASSERT_FALSE(frame(onB)) << "cooldown frame " << i;
    }
    ASSERT_TRUE(frame(onB)) << "the 61st frame after a teleport may teleport again";
    EXPECT_EQ(std::make_pair(exit.x, exit.y), std::make_pair(200, 150));
}

// The showing begins at the 802nd frame and ends with the 1201st.
TEST_F(PortalTest, ClosesAfterFourHundredFramesAndWaitsAgain) {
    open();
    for (int i = 802; i < 801 + 400; ++i) {
        frame(away);
    }
    EXPECT_EQ(std::make_pair(portal.isOpen(), portal.getWaitTimer()), std::make_pair(0, 801));
}

TEST(PortalPlacementTest, APairIsDrawnAmongTwoIslandsOrMoreAndItsEndsGoToTheCellsCorners) {
    Canvas wide(800, 400);
    gameSrand(1);
    testing::internal::CaptureStdout();
    Portal bare(wide.paint, {}, Point(200, 400));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Error zero images to load...\n");
    Islands islands;
    islands.setCellSize(Point(35, 38));
    islands.addPoint(2, 3);
    std::pair<int, int> ids{0, 0};
    placePortal(bare, islands, ids);
    EXPECT_EQ(ids, std::make_pair(0, 0)) << "one island: no pair";
    EXPECT_EQ(gameRand(), 5758) << "and no draw";
    islands.addPoint(9, 9);
    gameSrand(1);
    placePortal(bare, islands, ids);
    EXPECT_EQ(ids, std::make_pair(0, 1)) << "two islands: 16838 % 2 = 0, paired with 1";
    islands.addPoint(20, 1);
    // 16838 % 3 = 2, the last island, so its pair is (2, 1). Other pairs the stored recordings
    // hold.
    gameSrand(1);
    placePortal(bare, islands, ids);
    EXPECT_EQ(ids, std::make_pair(2, 1));
    const SDL_FRect a = bare.getEndA(), b = bare.getEndB();
    EXPECT_EQ(std::make_tuple(a.x, a.y, b.x, b.y), std::make_tuple(700.0f, 38.0f, 315.0f, 342.0f));
    for (int i = 0; i < 801 + 400; ++i) {
        bare.drawPortal();
    }
    EXPECT_EQ(std::make_pair(bare.isOpen(), wide.countNonBlack()), std::make_pair(0, 0))
        << "a portal without pictures draws nothing";
}
