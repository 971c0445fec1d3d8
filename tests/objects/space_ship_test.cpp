#include "objects/space_ship.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "objects/space_junk.h"
#include "support/work_dir.h"

namespace {

constexpr double kThrustStep = 3.321928094887362 / 125.0;

SpaceShip shipWithoutRenderer() {
    return SpaceShip(nullptr, ".\\dat\\shipThrust0.png", Point(1920, 1080));
}

} // namespace

TEST(SpaceShipTest, SpawnsCentredWithTheOutlineOnTheSprite) {
    SpaceShip ship = shipWithoutRenderer();
    EXPECT_FLOAT_EQ(ship.spriteRect.x, 920.0f);
    EXPECT_FLOAT_EQ(ship.spriteRect.y, 500.0f);
    EXPECT_FLOAT_EQ(ship.nosePoint().x, 962.0f);
    EXPECT_FLOAT_EQ(ship.nosePoint().y, 506.0f);
    EXPECT_FLOAT_EQ(ship.centerPoint().y, 546.0f);
    EXPECT_EQ(ship.baseTexture, nullptr);
    SDL_Rect box = ship.boundingRect();
    EXPECT_EQ(box.x, 937);
    EXPECT_EQ(box.w, 50);
    EXPECT_EQ(ship.minMax.max_idx, Point(4, 2));
    testing::internal::CaptureStdout();
    ship.printPoly();
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "x=25,y=0\nx=15,y=15\nx=0,y=50\nx=25,y=40\nx=50,y=50\nx=35,y=15\nx=25,y=0\n"
              "g_sprite_frect::x=920,y=500\n");
}

TEST(SpaceShipTest, ThrustFromRestBuildsMomentumAlongTheHeading) {
    SpaceShip ship = shipWithoutRenderer();
    ship.thrust(0.1f);
    EXPECT_NEAR(ship.getMomentumMag(), 0.00266, 1e-5);
    EXPECT_NEAR(ship.t_velocity.x, 0.0, 1e-9);
    EXPECT_NEAR(ship.t_velocity.y, -0.00089, 1e-5);
    EXPECT_EQ(ship.thrustCounter, 1);

    // A nose to the right of the notch pushes right.
    SpaceShip right = shipWithoutRenderer();
    right.shipCords[0] = {1100.0f, 546.0f};
    right.thrust(0.1f);
    EXPECT_FLOAT_EQ(right.direction, 90.0f);
    EXPECT_NEAR(right.t_velocity.x, 0.00089, 1e-5);
}

TEST(SpaceShipTest, ThrustOnlyTrimsAComponentAboveFourAndAHalf) {
    SpaceShip ship = shipWithoutRenderer();
    ship.t_velocity = PointF(-4.6f, 4.6f);
    ship.thrust(0.1f);
    EXPECT_NEAR(ship.t_velocity.x, -4.59f, 1e-6);
    EXPECT_FLOAT_EQ(ship.t_velocity.y, 4.6f);
    EXPECT_FLOAT_EQ(ship.momentumMag, 0.0f);
    EXPECT_EQ(ship.thrustCounter, 0);
}

TEST(SpaceShipTest, ThrustPastTheSpeedCapShrinksBothComponents) {
    SpaceShip ship = shipWithoutRenderer();
    ship.momentumMag = 30.0f;
    ship.thrust(0.1f);
    // A still x counts as negative and ends at +0.5.
    EXPECT_FLOAT_EQ(ship.t_velocity.x, 0.5f);
    EXPECT_NEAR(ship.t_velocity.y, 0.5 - (30.0 + 0.1 * kThrustStep) / 3, 1e-4);
    EXPECT_NEAR(ship.momentumMag, 30.0 - 0.1 * kThrustStep, 1e-5);
}

TEST(SpaceShipTest, DecayMomentumHasItsFixedPoints) {
    const float cases[][2] = {
        {0.05f, 0.05f}, {0.08f, 2.6057f}, {0.5f, 1.1931f}, {2.0f, 1.3069f}, {-0.5f, -1.1931f}};
    SpaceShip ship = shipWithoutRenderer();
    for (const auto& c : cases) {
        ship.momentumMag = c[0];
        ship.decayMomentum();
        EXPECT_NEAR(ship.momentumMag, c[1], 1e-3) << c[0];
    }
    for (int i = 0; i < 20; ++i) {
        ship.decayMomentum();
    }
    EXPECT_NEAR(ship.momentumMag, -1.0f, 1e-4);
}

TEST(SpaceShipTest, WrapsFromTheLeftEdgeToTheRight) {
    SpaceShip ship = shipWithoutRenderer();
    ship.teleport(-20, 500);
    ship.updateShip();
    EXPECT_FLOAT_EQ(ship.spriteRect.x, 1920.0f - 17.0f);
    EXPECT_FLOAT_EQ(ship.shipCords[0].x, -3.0f + 25.0f + 1920.0f);
}

TEST(SpaceShipTest, TurnsMoveBothCountersAndSkipTheNextMove) {
    SpaceShip ship = shipWithoutRenderer();
    ship.t_velocity = PointF(2.0f, 0.0f);
    int poly = 0;
    int sprite = 90;
    ship.turnRight(poly, sprite);
    EXPECT_EQ(poly, 10);
    EXPECT_EQ(sprite, 95);
    EXPECT_FLOAT_EQ(ship.spriteAngle, 95.0f);
    EXPECT_FLOAT_EQ(ship.polyAngle, -20.0f);
    ship.turnLeft(poly, sprite);
    EXPECT_EQ(poly, 20);
    EXPECT_EQ(sprite, 90);

    // Each rotate moved the sprite on by the velocity; the next frame does not.
    EXPECT_FLOAT_EQ(ship.spriteRect.x, 928.0f);
    ship.updateShip();
    EXPECT_FLOAT_EQ(ship.spriteRect.x, 928.0f);
    ship.updateShip();
    EXPECT_FLOAT_EQ(ship.spriteRect.x, 930.0f);
}

TEST(SpaceShipTest, RotateCompoundsOnTheLocalOutlineAndTeleportCarriesIt) {
    SpaceShip ship = shipWithoutRenderer();
    // At angle 0 the shared form mirrors x about twice the pivot: twice is identity.
    ship.rotate(0.0f);
    EXPECT_FLOAT_EQ(ship.baseCords[1].x, 35.0f);
    EXPECT_FLOAT_EQ(ship.shipCords[1].x, 35.0f + 937.0f);
    ship.teleport(100, 200);
    EXPECT_FLOAT_EQ(ship.spriteRect.x, 100.0f);
    EXPECT_FLOAT_EQ(ship.x_c, 117.0f);
    EXPECT_FLOAT_EQ(ship.shipCords[1].x, 35.0f + 117.0f);
    EXPECT_FLOAT_EQ(ship.shipCords[1].y, 15.0f + 206.0f);
    ship.rotate(0.0f);
    EXPECT_FLOAT_EQ(ship.baseCords[1].x, 15.0f);
    EXPECT_FLOAT_EQ(ship.baseCords[2].x, 0.0f);
}

TEST(SpaceShipTest, BounceOffRockReversesBothAndThrustsOnce) {
    SpaceShip ship = shipWithoutRenderer();
    ship.t_velocity = PointF(1.0f, -2.0f);
    SpaceJunk far(1920, 1080, 7, false);
    EXPECT_FALSE(ship.collidesWith(far));
    EXPECT_FLOAT_EQ(ship.t_velocity.x, 1.0f);

    SpaceJunk rock(1920, 1080, 8, false);
    rock.rockCords[0] = {950.0f, 520.0f};
    rock.t_velocity = PointF(2.0f, 3.0f);
    EXPECT_TRUE(ship.collidesWith(rock));
    EXPECT_FLOAT_EQ(rock.t_velocity.x, -2.0f);
    EXPECT_FLOAT_EQ(rock.t_velocity.y, -3.0f);
    EXPECT_NEAR(rock.speed, 1.0 + 0.6 * kThrustStep, 1e-6);
    EXPECT_FLOAT_EQ(ship.t_velocity.x, -1.0f);
    EXPECT_NEAR(ship.t_velocity.y, 2.0 - 0.1 * kThrustStep / 3, 1e-6);
    EXPECT_EQ(ship.thrustCounter, 1);
}

class SpaceShipDrawTest : public testing::Test {
  protected:
    void SetUp() override {
        surface = SDL_CreateRGBSurfaceWithFormat(0, 1920, 1080, 32, SDL_PIXELFORMAT_RGBA8888);
        renderer = SDL_CreateSoftwareRenderer(surface);
        ASSERT_NE(renderer, nullptr) << SDL_GetError();
    }
    void TearDown() override {
        SDL_DestroyRenderer(renderer);
        SDL_FreeSurface(surface);
    }

    // Clears to black, draws once and counts the pixels that are not black.
    int drawnPixels(SpaceShip& ship) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
        ship.drawSprite(90.0f);
        int lit = 0;
        for (int y = 0; y < surface->h; ++y) {
            const auto* row = reinterpret_cast<const Uint32*>(
                static_cast<const Uint8*>(surface->pixels) + y * surface->pitch);
            for (int x = 0; x < surface->w; ++x) {
                lit += (row[x] & 0xFFFFFF00u) != 0;
            }
        }
        return lit;
    }

    WorkDir work;
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
};

TEST_F(SpaceShipDrawTest, OneThrustShowsTenFlameFramesThenThePlainSprite) {
    SpaceShip ship(renderer, ".\\dat\\shipThrust0.png", Point(1920, 1080));
    ship.addThrustImage(".\\dat\\shipThrust1.png");
    ship.addThrustImage(".\\dat\\shipThrust2.png");
    ASSERT_NE(ship.thrustTextures[1], nullptr) << SDL_GetError();
    ship.thrust(0.1f);
    for (int draw = 1; draw <= 10; ++draw) {
        EXPECT_GT(drawnPixels(ship), 0) << draw;
        EXPECT_EQ(ship.thrustCounter, draw == 10 ? 0 : draw + 1) << draw;
    }
    EXPECT_GT(drawnPixels(ship), 0);
    EXPECT_EQ(ship.thrustCounter, 0);
    EXPECT_FLOAT_EQ(ship.spriteAngle, 90.0f);
}

TEST_F(SpaceShipDrawTest, AFrameOutsideItsSetDrawsNothingWhileTheCountersRunOn) {
    SpaceShip ship(renderer, ".\\dat\\shipThrust0.png", Point(1920, 1080));
    ship.thrust(0.1f);
    EXPECT_EQ(drawnPixels(ship), 0);
    EXPECT_EQ(ship.thrustCounter, 2);

    // One flame frame: index 0 is drawn, index 1 is not.
    ship.addThrustImage(".\\dat\\shipThrust1.png");
    EXPECT_GT(drawnPixels(ship), 0);
    EXPECT_EQ(drawnPixels(ship), 0);

    ship.toggleShield();
    EXPECT_EQ(drawnPixels(ship), 0);
    EXPECT_EQ(ship.shieldCounter, 1);
    EXPECT_EQ(ship.thrustCounter, 5);
}
