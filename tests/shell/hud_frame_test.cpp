#include <gtest/gtest.h>

#include "support/started_game_test.h"

namespace {
constexpr SDL_Color kText{255, 44, 44, 255};
constexpr SDL_Color kHelp{255, 220, 120, 255};

class HudFrameTest : public StartedGameTest {
  protected:
    int countIn(SDL_Color c, int x0, int y0, int x1, int y1) const {
        int n = 0;
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                n += h.pixel(x, y) == c ? 1 : 0;
            }
        }
        return n;
    }
};
} // namespace

TEST_F(HudFrameTest, HeadsUpLabelsSitApartAlongTheTopFromTheFirstFrame) {
    frameLog();
    // Roids at 640, LvL at 720, Score at (800, 5) and Mag under it at (800, 20).
    const int roids = countIn(kText, 640, 5, 720, 18);
    const int level = countIn(kText, 720, 5, 800, 18);
    const int score = countIn(kText, 800, 5, 900, 18);
    const int mag = countIn(kText, 800, 20, 900, 33);
    EXPECT_GT(roids, 0);
    EXPECT_GT(level, 0);
    EXPECT_GT(score, 0);
    EXPECT_GT(mag, 0);
    EXPECT_EQ(roids + level + score + mag, h.count(kText)) << "no text anywhere else";
    EXPECT_EQ(countIn(kText, 800, 18, 900, 20), 0) << "Score and Mag do not touch";
}

TEST_F(HudFrameTest, DShowsTheTenDebugLinesUntilPressedAgain) {
    h.tapKey(SDL_SCANCODE_D);
    frameLog();
    for (int i = 0; i < 10; ++i) {
        EXPECT_GT(countIn(kText, 640, 48 + 24 * i, 900, 48 + 24 * i + 13), 0) << "line " << i;
    }
    EXPECT_EQ(countIn(kText, 640, 48 + 24 * 10, 900, 48 + 24 * 11), 0);
    h.tapKey(SDL_SCANCODE_D);
    frameLog();
    EXPECT_EQ(countIn(kText, 600, 40, 1200, 300), 0);
}

TEST_F(HudFrameTest, ASystemMessageShowsForFourHundredFrames) {
    h.tapKey(SDL_SCANCODE_M);
    frameLog(400);
    EXPECT_GT(countIn(kText, 1920 - 455, 1080 - 20, 1920, 1080), 0);
    EXPECT_EQ(h.state->systemMessage.countdown, 0);
    frameLog();
    EXPECT_EQ(countIn(kText, 1920 - 455, 1080 - 20, 1920, 1080), 0);
}

TEST_F(HudFrameTest, HOpensAndClosesTheHelpPanelAndOnlyLogsItsLine) {
    h.tapKey(SDL_SCANCODE_H);
    EXPECT_EQ(frameLog(), "display help menu...\n");
    EXPECT_GT(h.count(kHelp), 500) << "the controls are listed";
    h.tapKey(SDL_SCANCODE_H);
    EXPECT_EQ(frameLog(), "display help menu...\n");
    EXPECT_EQ(h.count(kHelp), 0);
}

TEST_F(HudFrameTest, VThenDownOrUpChangesTheVisualRangeByOneOnce) {
    h.tapKey(SDL_SCANCODE_V);
    h.tapKey(SDL_SCANCODE_DOWN);
    frameLog();
    EXPECT_EQ(h.game->flock().getVisualRange(), 49);
    h.tapKey(SDL_SCANCODE_DOWN);
    frameLog();
    EXPECT_EQ(h.game->flock().getVisualRange(), 49) << "DOWN alone does nothing";
    h.tapKey(SDL_SCANCODE_V);
    frameLog();
    EXPECT_EQ(h.game->flock().getVisualRange(), 48) << "the DOWN still set answers V";
    h.tapKey(SDL_SCANCODE_V);
    h.tapKey(SDL_SCANCODE_UP);
    h.releaseKey(SDL_SCANCODE_UP);
    frameLog();
    EXPECT_EQ(h.game->flock().getVisualRange(), 49);
}
