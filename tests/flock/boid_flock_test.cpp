#include "flock/boid_flock.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <tuple>

#include "flock/static_boids.h"
#include "geometry/game_rand.h"
#include "support/canvas.h"

// Expected values were worked out with a calculator script in IEEE double, rounding to
// single precision where the flock does: 0.005f widens to 0.004999999888241291 and 0.05f
// to 0.05000000074505806. Seeded with 1 the generator yields 16838, 5758, 10113, ...

namespace {

// Places the given boids first; the rest swim far from them and from each other.
BoidFlock flockOf(std::initializer_list<Boid> placed) {
    BoidFlock flock;
    for (int i = 0; i < 5; ++i) {
        const bool given = i < static_cast<int>(placed.size());
        flock.getBoid(i) = given ? placed.begin()[i] : Boid{600.0 + 100.0 * i, 900.0, 0, 0};
    }
    return flock;
}

void expectBoid(const Boid& b, const Boid& want, double tolerance) {
    for (double Boid::*field : {&Boid::x, &Boid::y, &Boid::vx, &Boid::vy}) {
        EXPECT_NEAR(b.*field, want.*field, tolerance) << want.x << "," << want.y;
    }
}

} // namespace

TEST(BoidFlockTest, CreationDrawsFourValuesPerBoidWhileStaticBoidsDrawNone) {
    gameSrand(1);
    const StaticBoids mboids;
    BoidFlock flock;
    expectBoid(mboids.getBoid(0), {200, 300, 0, 0}, 0);
    // r / 32767 * 100 for x and y, r / 32767 * 10 - 5 for vx and vy.
    const Boid first{51.387066255684076, 17.572557756279185, -1.9136631366924037,
                     0.3453169347209082};
    expectBoid(flock.getBoid(0), first, 1e-12);
    EXPECT_EQ(gameRand(), 26966) << "the 21st value: exactly twenty draws";
}

TEST(BoidFlockTest, NeighbourRulesUseStrictRanges) {
    // Rule, change of the visual range, the other boid, and the velocity the rule leaves on
    // a still boid at (100, 100).
    using Rule = void (BoidFlock::*)(Boid&) const;
    const std::tuple<Rule, int, Boid, double, double> rows[] = {
        {&BoidFlock::attract, 0, {130, 140, 0, 0}, 0, 0}, // distance 50: out of range
        {&BoidFlock::attract, 1, {130, 140, 0, 0}, 0.07499999832361937, 0.09999999776482582},
        {&BoidFlock::attract, 0, {124, 132, 0, 0}, 0.05999999865889549, 0.07999999821186066},
        {&BoidFlock::attract, -50, {124, 132, 0, 0}, 0, 0},
        {&BoidFlock::avoid, 0, {112, 116, 0, 0}, 0, 0}, // distance 20
        {&BoidFlock::avoid, 0, {100, 119.999, 0, 0}, 0, -0.9999500513076782},
        {&BoidFlock::align, 0, {130, 140, 2, -4}, 0, 0},
        {&BoidFlock::align, 0, {124, 132, 2, -4}, 0.05000000074505806, -0.10000000149011612},
        {&BoidFlock::align, -50, {124, 132, 2, -4}, 0, 0},
    };
    for (const auto& [rule, rangeShift, other, vx, vy] : rows) {
        BoidFlock flock = flockOf({{100, 100, 0, 0}, other});
        flock.growVisualRange(rangeShift + 2);
        flock.shrinkVisualRange(2);
        (flock.*rule)(flock.getBoid(0));
        expectBoid(flock.getBoid(0), {100, 100, vx, vy}, 1e-15);
    }
}

TEST(BoidFlockTest, BoundaryNudgesRunInTheirFixedOrder) {
    const Boid rows[][2] = {
        {{50, 50, 0, 0}, {50, 50, 0, 0}},           // inside the margin both nudges cancel
        {{200, 200, 0, 0}, {200, 200, -1.2, -1.2}}, // the margin is strict
        {{-101, 50, 0, 0}, {-1, 50, 2.4, 0}},       // W - 200 = -100: only the left nudges
        {{-99, 50, 0, 0}, {-1, 50, 1.2, 0}},
        {{1250, 50, 1, 0}, {50, 50, -2.6, 0}},
        {{50, 520, 0, 0}, {50, 520, 0, 2.4}},
        {{50, 660, 0, 0}, {50, 495, 0, 2.4}},
        {{50, -3, 0, 0}, {50, -1, 0, 0.13870662556840774}}, // 16838 / 32767 * 10 - 5
    };
    for (const auto& row : rows) {
        BoidFlock flock = flockOf({row[0]});
        gameSrand(1);
        flock.applyBounds(flock.getBoid(0));
        expectBoid(flock.getBoid(0), row[1], 1e-9);
    }
}

TEST(BoidFlockTest, StepAppliesTheRulesInOrderAndLaterBoidsSeeEarlierOnes) {
    // Boid 1 sees boid 0 already moved. 2 is capped to 9.5 before y > 650 puts it at 495
    // with vy = 2.4. 3 is under the cap and pushed back toward the top left. 4 is alone:
    // alignment moves its vx only by 0.05 * (9.5f - 9.5000001) and, its speed held in single
    // precision, it is not above the cap.
    const Boid rows[][2] = {
        {{50, 50, 0, 0}, {49.53687499979511, 50, -0.463125000204891, 0}},
        {{60, 50, 0, 0}, {60.472995386432395, 50, 0.4729953864323966, 0}},
        {{50, 660, 9, 4}, {58.681209643278635, 497.4, 8.681209643278635, 2.4}},
        {{300, 300, 9, 3}, {307.8, 301.8, 7.8, 1.8}},
        {{400, 300, 9.5000001, 0}, {408.300000095, 298.8, 8.300000095, -1.2}},
    };
    BoidFlock flock;
    for (int i = 0; i < 5; ++i) {
        flock.getBoid(i) = rows[i][0];
    }
    flock.updateBoids();
    for (int i = 0; i < 5; ++i) {
        expectBoid(flock.getBoid(i), rows[i][1], 1e-12);
    }
}

TEST(BoidFlockTest, DrawStepsThenRingsEachBoidInRedAndLeavesRedSet) {
    Canvas canvas(200, 150);
    // 89.9999999 held in single precision is 90.
    BoidFlock flock = flockOf({{20.7, 100.5, 0, 0}, {89.9999999, 30.2, 0, 0}, {160.4, 30, 2, 0}});
    flock.drawBoids(canvas.renderer);
    const SDL_Color red{255, 0, 0, 255};
    for (const auto& c : {SDL_Point{20, 100}, {90, 30}, {162, 30}}) {
        EXPECT_EQ(canvas.pixel(c.x + 6, c.y), red) << c.x << "," << c.y;
        EXPECT_EQ(canvas.pixel(c.x, c.y - 6), red) << c.x << "," << c.y;
    }
    EXPECT_EQ(canvas.count(red), 3 * 36); // 36 pixels in a ring of radius 7; the rest are off
    Uint8 r = 0, g = 9, b = 9, a = 9;
    SDL_GetRenderDrawColor(canvas.renderer, &r, &g, &b, &a);
    EXPECT_EQ((SDL_Color{r, g, b, a}), (SDL_Color{255, 0, 0, 0}));
}
