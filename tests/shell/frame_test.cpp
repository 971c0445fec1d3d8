#include <gtest/gtest.h>

#include <algorithm>

#include "support/started_game_test.h"

namespace {
constexpr SDL_Color kGreen{168, 198, 78, 255};
constexpr SDL_Color kBlue{0, 0, 255, 255};
constexpr SDL_Color kRed{255, 0, 0, 255};

class FrameTest : public StartedGameTest {
  protected:
    const Game& game() const { return *h.game; }
    bool playing(Mix_Chunk* chunk) const {
        std::vector<Mix_Chunk*> now = h.playing();
        return std::find(now.begin(), now.end(), chunk) != now.end();
    }
    SDL_Point firstRockPoint() const {
        const SDL_FPoint p = game().rockField()[0].rockCords[0];
        return {static_cast<int>(p.x), static_cast<int>(p.y)};
    }
};
} // namespace

TEST_F(FrameTest, EachFrameClearsThenOutlinesTheShipInGreenAndRocksInTheFlocksRed) {
    SDL_FillRect(h.screen, nullptr, SDL_MapRGB(h.screen->format, 1, 2, 3));
    SDL_Point rock = firstRockPoint();
    h.tapKey(SDL_SCANCODE_SPACE);
    frameLog();
    EXPECT_EQ(h.count({1, 2, 3, 255}), 0) << "the screen is cleared first";
    EXPECT_EQ(h.pixel(1100, 900), (SDL_Color{82, 3, 46, 255})) << "to the first background colour";
    EXPECT_EQ(h.pixel(1920 - 80 + 59, 65), kGreen) << "the radar ring";
    // The island of (24, 13) .. (26, 15) lies under the ship: its box starts at x = 24 * 35.
    EXPECT_EQ(h.pixel(840, 550), kGreen) << "the island under the ship";
    EXPECT_EQ(h.pixel(962, 506), kGreen) << "the nose, drawn after the missile rings";
    EXPECT_EQ(h.pixel(rock.x, rock.y), kRed) << "frame tick 70 is even: the flock drew first";
    // The key handler's missile is drawn (auto-fire's comes after the draw): one
    // radius-7 ring of 36 pixels, less where the outline crosses it.
    const int blue = h.count(kBlue);
    EXPECT_GT(blue, 24);
    EXPECT_LE(blue, 36);
    EXPECT_EQ(h.pixel(962 + 6, 506), kBlue);
    rock = firstRockPoint();
    frameLog();
    EXPECT_EQ(h.pixel(rock.x, rock.y), kGreen) << "tick 69 is odd: no flock, rocks in green";
}

TEST_F(FrameTest, SpaceFiresTwiceThenOncePerFrameUntilTheMagazineClicksEmpty) {
    h.pressKey(SDL_SCANCODE_SPACE);
    frameLog();
    EXPECT_EQ(game().weapons().getNumMissiles(), 2);
    EXPECT_TRUE(playing(h.state->sounds.shot));
    frameLog(73);
    EXPECT_EQ(game().weapons().getNumMissiles(), 75);
    EXPECT_FALSE(playing(h.state->sounds.emptyGun));
    Mix_HaltChannel(-1); // the shots hold every channel; a busy mixer drops the click
    frameLog();
    EXPECT_EQ(game().weapons().getNumMissiles(), 75);
    EXPECT_TRUE(playing(h.state->sounds.emptyGun));
    h.releaseKey(SDL_SCANCODE_SPACE);
    Mix_HaltChannel(-1);
    frameLog();
    EXPECT_FALSE(playing(h.state->sounds.emptyGun)) << "releasing SPACE stops the auto-fire";
}

TEST_F(FrameTest, ThrustAndTurnsWhileHeldAndEBringsTheShipBackStopped) {
    h.pressKey(SDL_SCANCODE_UP);
    h.pressKey(SDL_SCANCODE_LEFT);
    frameLog(2);
    EXPECT_EQ(game().spriteAngle(), 80);
    h.pressKey(SDL_SCANCODE_RIGHT);
    frameLog();
    EXPECT_EQ(game().spriteAngle(), 80) << "both held: left then right";
    h.releaseKey(SDL_SCANCODE_LEFT);
    frameLog();
    EXPECT_EQ(game().spriteAngle(), 85);
    h.releaseKey(SDL_SCANCODE_RIGHT);
    frameLog(40);
    EXPECT_TRUE(playing(h.state->sounds.thrust));
    EXPECT_NE(game().hero().getTVelocity().y, 0.0f);
    EXPECT_NE(game().hero().spriteRect.y, 500.0f);
    h.releaseKey(SDL_SCANCODE_UP);
    h.tapKey(SDL_SCANCODE_E);
    frameLog();
    EXPECT_EQ(game().hero().spriteRect.x, 920.0f);
    EXPECT_EQ(game().hero().spriteRect.y, 500.0f);
    EXPECT_EQ(game().hero().getTVelocity().x, 0.0f);
    EXPECT_EQ(game().hero().getTVelocity().y, 0.0f);
}

TEST_F(FrameTest, PauseFreezesRocksMissilesAndShipButNotTheFrame) {
    h.pressKey(SDL_SCANCODE_UP);
    h.tapKey(SDL_SCANCODE_SPACE);
    frameLog(3);
    h.tapKey(SDL_SCANCODE_P);
    frameLog();
    const SDL_FPoint rock = game().rockField()[0].rockCords[0];
    const float missileY = game().weapons().missiles[0].y_c;
    const float shipY = game().hero().spriteRect.y;
    const int tick = h.state->frameTick;
    frameLog(3);
    EXPECT_EQ(game().rockField()[0].rockCords[0].x, rock.x);
    EXPECT_EQ(game().weapons().missiles[0].y_c, missileY);
    EXPECT_EQ(game().hero().spriteRect.y, shipY);
    EXPECT_EQ(h.state->frameTick, tick - 3);
    EXPECT_EQ(h.count(kBlue), 0) << "missiles are not drawn while paused";
    h.tapKey(SDL_SCANCODE_P);
    frameLog();
    EXPECT_NE(game().weapons().missiles[0].y_c, missileY);
}

TEST_F(FrameTest, FrameTickCyclesSeventyTwoFramesAndQStillCompletesItsFrame) {
    frameLog(71);
    EXPECT_EQ(h.state->frameTick, -1);
    h.pressKey(SDL_SCANCODE_Q);
    EXPECT_FALSE(game().quitRequested());
    frameLog();
    EXPECT_TRUE(game().quitRequested());
    EXPECT_EQ(h.state->frameTick, 70);
    EXPECT_EQ(h.sleptMs, 100u * 50u + 72u * 14u) << "every frame sleeps 14 ms";
}

TEST(FrameHitTest, AMissileHitErasesTheRockScoresAndPlaysTheBlast) {
    // A small field crowded with rocks: a stream of missiles soon hits one.
    HeadlessGame h(400, 300);
    testing::internal::CaptureStdout();
    ASSERT_FALSE(h.start().has_value());
    h.pressKey(SDL_SCANCODE_SPACE);
    h.pressKey(SDL_SCANCODE_LEFT);
    int frames = 0;
    std::size_t before = h.game->rockField().size();
    while (h.state->score == 0 && frames < 2000) {
        before = h.game->rockField().size();
        Mix_HaltChannel(-1); // free channels, so a blast is never dropped
        h.frames(1);
        ++frames;
    }
    testing::internal::GetCapturedStdout();
    ASSERT_GE(h.state->score, 1);
    const int score = h.state->score;
    EXPECT_EQ(h.game->rockField().size(), before - static_cast<std::size_t>(score));
    EXPECT_EQ(h.game->hud().scoreText(), "Score:" + std::to_string(score));
    std::vector<Mix_Chunk*> now = h.playing();
    EXPECT_NE(std::find(now.begin(), now.end(), h.state->sounds.blast), now.end());
}
