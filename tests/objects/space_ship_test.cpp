#include "objects/space_ship.h"

#include <SDL_image.h>

#include <cstring>
#include <functional>

#include "geometry/null_surface.h"
#include "support/kit.h"

// A ship without pictures: motion alone.
static NullSurface pictureless;

// Where the ship spawns, its nose and its centre, the stored recordings hold.
TEST(SpaceShipTest, SpawnsCentredOnTheField) {
    SpaceShip ship(pictureless, ".\\dat\\shipThrust0.png", Point(1920, 1080));
    const SDL_Rect box = ship.boundingRect();
    EXPECT_EQ(std::tuple(box.x, box.y, box.w, box.h, ship.minMax.min_idx, ship.minMax.max_idx),
              std::tuple(937, 506, 50, 50, Point(2, 0), Point(4, 2)));
}

// One thrust step is log2(10) / 125 * 0.1 = 0.0026575 of momentum, a third of it per frame.
TEST(SpaceShipTest, ThrustBuildsMomentumTrimsFastComponentsAndCapsTheSpeed) {
    // velocity x, y and momentum before; the same after; the flame counter after.
    const float rows[][7] = {{0, 0, 0, 0, -0.000885847f, 0.0026575f, 1},
                             {-4.6f, 4.6f, 0, -4.59f, 4.6f, 0, 0},
                             {4.5f, -4.6f, 0, 4.5f, -4.59f, 0, 0},
                             {0, 4.5f, 0, 0, 4.4991142f, 0.0026575f, 1},
                             {0, 0, 30, 0.5f, -9.5008859f, 29.9973425f, 1},
                             // 8.5009 is past the cap of 8: 0.5 off each component
                             {0, 0, 25.5f, 0.5f, -8.000886f, 25.4973425f, 1}};
    for (const auto& r : rows) {
        SpaceShip decaying(pictureless, ".\\dat\\shipThrust0.png", Point(1920, 1080));
        std::tie(decaying.t_velocity, decaying.momentumMag) = std::tuple(PointF(r[0], r[1]), r[2]);
        decaying.thrust(0.1f);
        EXPECT_NEAR(decaying.t_velocity.x, r[3], 2e-6);
        EXPECT_NEAR(decaying.t_velocity.y, r[4], 2e-6);
        EXPECT_NEAR(decaying.getMomentumMag(), r[5], 2e-6);
        EXPECT_EQ(decaying.thrustCounter, r[6]);
    }
}

TEST(SpaceShipTest, MomentumDecaysByItsLogarithmAboveAFloor) {
    const float decays[][2] = {{0.07f, 0.07f},   {-0.07f, -0.07f}, {0.071f, 2.71608f},
                               {0.5f, 1.19315f}, {2.0f, 1.30685f}, {-0.5f, -1.19315f}};
    SpaceShip decaying(pictureless, ".\\dat\\shipThrust0.png", Point(1920, 1080));
    for (const auto& r : decays) {
        decaying.momentumMag = r[0];
        decaying.decayMomentum();
        EXPECT_NEAR(decaying.momentumMag, r[1], 1e-5) << r[0];
    }
}

// The outline origin sits 17 right of and 6 below the sprite's corner, except after a wrap
// across the top or bottom (the sprite's y takes the origin's) or the left (the sprite's x is
// the width less 17, wherever the origin landed).
TEST(SpaceShipTest, WrapsWholeAtEachEdge) {
    // sprite corner before; sprite corner and nose after
    const float rows[][6] = {{500, -10, 500, 1076, 542, 1076},
                             {500, 1080, 500, 6, 542, 6},
                             {-20, 500, 1903, 500, 1942, 506},
                             {1910, 500, -10, 500, 32, 506}};
    for (const auto& r : rows) {
        SpaceShip ship(pictureless, ".\\dat\\shipThrust0.png", Point(1920, 1080));
        ship.teleport(static_cast<int>(r[0]), static_cast<int>(r[1]));
        SDL_FPoint moved[SpaceShip::kShipPoints];
        std::transform(std::begin(ship.shipCords), std::end(ship.shipCords), moved,
                       [&](SDL_FPoint p) {
                           return SDL_FPoint{p.x + r[4] - ship.shipCords[0].x,
                                             p.y + r[5] - ship.shipCords[0].y};
                       });
        ship.wrapShip();
        EXPECT_EQ(std::memcmp(moved, ship.shipCords, sizeof moved), 0) << "the whole outline moves";
        EXPECT_EQ(std::tuple(ship.spriteRect.x, ship.spriteRect.y, ship.shipCords[0].x,
                             ship.shipCords[0].y),
                  std::tuple(r[2], r[3], r[4], r[5]))
            << r[0] << "," << r[1];
    }
}

// Expected points worked out with a scratch C program of our own: the angle in double, pivot
// (25, 25), each point rounded to float once. All-float arithmetic lands a bit or two away
// (20.6587944 for point 0's x after the first turn, 20.6587982 after the second).
TEST(SpaceShipTest, RotateComputesInDoubleOnTheStoredFloats) {
    SpaceShip ship(pictureless, ".\\dat\\shipThrust0.png", Point(1920, 1080));
    ship.teleport(100, 200);
    ship.t_velocity = PointF(2.0f, 0.5f);
    const float angles[] = {10, 20};
    // x, y of points 0, 2 and 4 after each turn
    const float points[2][6] = {
        {20.6587963f, 0.379806161f, 53.9613991f, 45.2789879f, 4.72101068f, 53.9613991f},
        {20.6587944f, 0.379806757f, 4.72100925f, 53.9613953f, 53.9613991f, 45.2789917f}};
    for (int t = 0; t < 2; ++t) {
        ship.rotate(angles[t]);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(std::tuple(ship.baseCords[2 * i].x, ship.baseCords[2 * i].y),
                      std::tuple(points[t][2 * i], points[t][2 * i + 1]))
                << angles[t] << " point " << 2 * i;
        }
    }
    // The outline is placed at the origin before the origin moves on by the velocity.
    EXPECT_EQ(
        std::tuple(ship.shipCords[0].x, ship.shipCords[0].y, ship.x_c, ship.y_c, ship.spriteRect.x,
                   ship.polyAngle),
        std::tuple(20.6587944f + 119.0f, 0.379806757f + 206.5f, 121.0f, 207.0f, 104.0f, 20.0f));
    // The outline's counter goes past 2^31 (an int overflowed there); 2^31 + 3 and + 8 are
    // 2^31 as floats, so the outline turns to -2^31 and polyAngle takes 2^31 off that.
    std::int64_t counter = INT_MAX - 7;
    int sprite = 90;
    ship.turnRight(counter, sprite);
    EXPECT_EQ(std::tuple(counter, sprite, ship.polyAngle),
              std::tuple(std::int64_t{INT_MAX} + 3, 95, -0x1p32f));
}

class SpaceShipDrawTest : public testing::Test {
  protected:
    // The canvas after `draw` on a cleared canvas.
    std::vector<Uint32> shown(const std::function<void()>& draw) {
        SDL_SetRenderDrawColor(canvas.renderer, 0, 0, 0, 255);
        SDL_RenderClear(canvas.renderer);
        draw();
        SDL_RenderFlush(canvas.renderer);
        const auto* px = static_cast<const Uint32*>(canvas.surface->pixels);
        return {px, px + canvas.surface->pitch / 4 * canvas.surface->h};
    }
    // The picture itself, drawn where and as the ship draws its sprite.
    std::vector<Uint32> picture(const std::string& name) {
        SDL_Texture* t = IMG_LoadTexture(canvas.renderer, ("dat/" + name + ".png").c_str());
        const SDL_FRect spawn{60, 60, 80, 80};
        auto px = shown([&] {
            SDL_RenderCopyExF(canvas.renderer, t, nullptr, &spawn, 30.0, nullptr, SDL_FLIP_NONE);
        });
        SDL_DestroyTexture(t);
        return px;
    }
    WorkDir work;
    Canvas canvas{200, 200};
};

TEST_F(SpaceShipDrawTest, DrawsTheFrameSetOfItsShieldAndFlameState) {
    SpaceShip ship(canvas.paint, ".\\dat\\shipThrust0.png", Point(200, 200));
    ship.addThrustImage(".\\dat\\shipThrust1.png");
    ship.addThrustImage(".\\dat\\shipThrust2.png");
    ship.loadShieldImages({".\\dat\\shipShield0.png", ".\\dat\\shipShield1.png",
                           ".\\dat\\shipShield2.png", ".\\dat\\shipShield3.png",
                           ".\\dat\\shipShield4.png", ".\\dat\\shipShield5.png",
                           ".\\dat\\shipShield6.png"});
    ship.loadThrustShieldImages({".\\dat\\shipThrustShield0.png", ".\\dat\\shipThrustShield1.png",
                                 ".\\dat\\shipThrustShield2.png"});
    // shield, flame counter, shield counter; the picture drawn; the two counters after
    const std::tuple<bool, int, int, const char*, int, int> rows[] = {
        {false, 0, 0, "shipThrust0", 0, 0},       {false, 1, 0, "shipThrust2", 2, 0},
        {false, 10, 0, "shipThrust1", 0, 0},      {true, 0, 3, "shipShield3", 0, 4},
        {true, 0, 9, "shipShield2", 0, 10},       {true, 1, 4, "shipThrustShield1", 2, 5},
        {true, 10, 2, "shipThrustShield2", 0, 3}, {false, 9, 0, "shipThrust2", 10, 0}};
    for (const auto& [shield, flame, shieldCount, frame, flameAfter, shieldAfter] : rows) {
        std::tie(ship.shieldOn, ship.thrustCounter, ship.shieldCounter) =
            std::tuple(shield, flame, shieldCount);
        EXPECT_TRUE(shown([&] { ship.drawSprite(30.0f); }) == picture(frame)) << frame;
        EXPECT_EQ(std::tuple(ship.thrustCounter, ship.shieldCounter),
                  std::tuple(flameAfter, shieldAfter))
            << frame;
    }
    // Frame sets that were never loaded draw nothing.
    SpaceShip bare(canvas.paint, ".\\dat\\shipThrust0.png", Point(200, 200));
    bare.thrustCounter = 1;
    EXPECT_TRUE(shown([&] { bare.drawSprite(30.0f); }) == shown([] {}));
    bare.toggleShield();
    EXPECT_TRUE(shown([&] { bare.drawSprite(30.0f); }) == shown([] {}));
}
