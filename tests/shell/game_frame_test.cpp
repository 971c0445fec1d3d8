#include <gtest/gtest.h>

#include "support/log_lines.h"
#include "support/started_game_test.h"

namespace {
constexpr SDL_Color kOutline{168, 198, 78, 255};
constexpr SDL_Color kMissileBlue{0, 0, 255, 255};

// Turns a rock's outline into a square of the given size centred on (x, y).
void placeRock(SpaceJunk& rock, float x, float y, float size) {
    const float h = size / 2;
    const SDL_FPoint corners[4] = {{x - h, y - h}, {x + h, y - h}, {x + h, y + h}, {x - h, y + h}};
    for (int i = 0; i < rock.rockPointCount; ++i) {
        rock.rockCords[i] = corners[i % 4];
    }
    rock.rockCords[rock.rockPointCount - 1] = corners[0];
    rock.t_velocity = PointF(0, 0);
}

class GameFrameTest : public StartedGameTest {
  protected:
    ManageWeapon& ssw() { return *h.game->ssw; }
    SpaceShip& hero() { return *h.game->aHero; }
    std::vector<SpaceJunk>& rocks() { return h.game->rocks; }

    // Fires one missile (a tap: no auto-fire) and lets it fly clear of the ship.
    void fireOneAndWait(int flightFrames) {
        h.tapKey(SDL_SCANCODE_SPACE);
        frameLog(1 + flightFrames);
    }
};
} // namespace

TEST_F(GameFrameTest, SpaceFiresTwiceInItsFirstFrameThenOncePerFrameUntilReleased) {
    h.pressKey(SDL_SCANCODE_SPACE);
    frameLog(1);
    EXPECT_EQ(ssw().getNumMissiles(), 2);
    frameLog(3);
    EXPECT_EQ(ssw().getNumMissiles(), 5);
    h.releaseKey(SDL_SCANCODE_SPACE);
    frameLog(2);
    EXPECT_EQ(ssw().getNumMissiles(), 5);
}

TEST_F(GameFrameTest, MissilesLeaveTheNoseAlongTheHeading) {
    PointF nose = hero().nosePoint();
    h.tapKey(SDL_SCANCODE_SPACE);
    frameLog(1);
    ASSERT_EQ(ssw().getNumMissiles(), 1);
    const ShipWeapon& m = ssw().missiles[0];
    EXPECT_FLOAT_EQ(m.fireAngle, 70.0f)
        << "heading 0 (nose up), sprite angle 90 takes 20 off, plus 90";
    frameLog(10);
    EXPECT_LT(ssw().missiles[0].y_c, nose.y - 10) << "it flies up the screen";
}

TEST_F(GameFrameTest, AFullMagazineRefusesAndChangesNothing) {
    h.pressKey(SDL_SCANCODE_SPACE);
    frameLog(80);
    EXPECT_EQ(ssw().getNumMissiles(), 75);
    frameLog(1);
    EXPECT_EQ(ssw().getNumMissiles(), 75);
    EXPECT_EQ(ssw().getMaxMissiles(), 75);
}

TEST_F(GameFrameTest, PausedMissileStillDestroysARockThatOverlapsIt) {
    fireOneAndWait(20);
    h.tapKey(SDL_SCANCODE_P);
    frameLog(1);
    const ShipWeapon& m = ssw().missiles[0];
    placeRock(rocks()[4], m.x_c, m.y_c, 60);
    std::size_t before = rocks().size();
    frameLog(1);
    EXPECT_EQ(rocks().size(), before - 1);
    EXPECT_EQ(h.state->score, 1);
    EXPECT_EQ(h.game->str, "Score:1");
    EXPECT_EQ(ssw().getNumMissiles(), 0) << "the missile is spent on the rock";
}

TEST_F(GameFrameTest, TheRockAfterADestroyedOneIsTestedInTheSameFrame) {
    fireOneAndWait(1);
    fireOneAndWait(30);
    ASSERT_EQ(ssw().getNumMissiles(), 2);
    h.tapKey(SDL_SCANCODE_P);
    frameLog(1);
    // Far apart so that each rock covers one missile only.
    ssw().missiles[0].setPosition(300, 300);
    ssw().missiles[1].setPosition(1500, 800);
    placeRock(rocks()[2], 300, 300, 60);
    placeRock(rocks()[3], 1500, 800, 60);
    frameLog(1);
    EXPECT_EQ(rocks().size(), 8u);
    EXPECT_EQ(h.state->score, 2);
}

TEST_F(GameFrameTest, DestroyingTheLastRockBringsTheNextWaveInTheSameFrame) {
    fireOneAndWait(20);
    h.tapKey(SDL_SCANCODE_P);
    frameLog(1);
    rocks().erase(rocks().begin() + 1, rocks().end());
    const ShipWeapon& m = ssw().missiles[0];
    placeRock(rocks()[0], m.x_c, m.y_c, 60);
    frameLog(1);
    EXPECT_EQ(h.state->score, 1);
    EXPECT_EQ(h.state->level, 2);
    EXPECT_EQ(rocks().size(), 20u);
}

TEST_F(GameFrameTest, AShipThatRunsIntoARockBouncesAndScoresNothing) {
    SDL_FRect sprite = hero().spriteRect;
    placeRock(rocks()[0], sprite.x + 40, sprite.y + 40, 100);
    frameLog(1);
    EXPECT_EQ(h.state->score, 0);
    EXPECT_EQ(rocks().size(), 10u);
    EXPECT_NE(hero().getTVelocity().y, 0.0f) << "the bounce's thrust moves the ship";
}

TEST_F(GameFrameTest, ThrustAndTurningApplyWhileTheKeysAreHeld) {
    h.pressKey(SDL_SCANCODE_UP);
    h.pressKey(SDL_SCANCODE_RIGHT);
    frameLog(3);
    EXPECT_GT(hero().getMomentumMag(), 0.0f);
    EXPECT_EQ(h.game->heroSpriteAngle, 90 + 3 * 5);
    EXPECT_EQ(h.game->heroPolyAngle, 3 * 10);
    h.releaseKey(SDL_SCANCODE_RIGHT);
    h.pressKey(SDL_SCANCODE_LEFT);
    frameLog(1);
    EXPECT_EQ(h.game->heroSpriteAngle, 90 + 3 * 5 - 5);
    EXPECT_EQ(h.game->heroPolyAngle, 4 * 10);
}

TEST_F(GameFrameTest, ShipKeysRecentreShieldAndTurnTheOutline) {
    h.tapKey(SDL_SCANCODE_S);
    h.tapKey(SDL_SCANCODE_2);
    h.tapKey(SDL_SCANCODE_E);
    frameLog(1);
    h.tapKey(SDL_SCANCODE_1);
    std::string log = frameLog();
    EXPECT_TRUE(hero().shieldOn);
    EXPECT_TRUE(h.state->input.shieldShown);
    EXPECT_EQ(h.game->heroPolyAngle, 20);
    EXPECT_EQ(hero().spriteRect.x, 920.0f);
    EXPECT_EQ(hero().spriteRect.y, 500.0f);
    EXPECT_EQ(countLines(log, "printPoly():"), 2);
    EXPECT_EQ(countLines(log, "g_sprite_frect::x=920,y=500"), 2);
}

TEST_F(GameFrameTest, TheShipOutlineIsDrawnOverItsSprite) {
    frameLog(1);
    const SDL_FRect s = hero().spriteRect;
    int outline = 0;
    int sprite = 0;
    for (int y = static_cast<int>(s.y); y < static_cast<int>(s.y + s.h); ++y) {
        for (int x = static_cast<int>(s.x); x < static_cast<int>(s.x + s.w); ++x) {
            SDL_Color c = h.pixel(x, y);
            if (c.r == kOutline.r && c.g == kOutline.g && c.b == kOutline.b) {
                ++outline;
            } else if (c.r + c.g + c.b > 0) {
                ++sprite;
            }
        }
    }
    EXPECT_GT(outline, 100) << "the seven-point outline";
    EXPECT_GT(sprite, 300) << "the sprite beneath it";
    const SDL_Point* pts = hero().outlinePoints();
    SDL_Color nose = h.pixel(pts[0].x, pts[0].y);
    EXPECT_EQ(nose.g, kOutline.g);
    EXPECT_EQ(nose.r, kOutline.r);
}

TEST_F(GameFrameTest, AMissileInFlightIsABlueRingAroundItsHead) {
    fireOneAndWait(20);
    // Drawn where the head is before the frame moves it.
    const PointF head = ssw().missiles[0].getTip();
    frameLog(1);
    const int x = static_cast<int>(head.x);
    const int y = static_cast<int>(head.y);
    SDL_Color right = h.pixel(x + 6, y);
    SDL_Color left = h.pixel(x - 6, y);
    EXPECT_EQ(right.b, 255);
    EXPECT_EQ(right.r, 0);
    EXPECT_EQ(left.b, 255);
    EXPECT_GE(h.count(kMissileBlue), 20);
}
