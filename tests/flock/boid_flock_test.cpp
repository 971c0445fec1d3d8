#include "flock/boid_flock.h"
#include "support/kit.h"

// Expected values were worked out with a calculator script in IEEE double, rounding to
// single precision where the flock does: 0.005f widens to 0.004999999888241291 and 0.05f
// to 0.05000000074505806. Seeded with 1 the generator yields 16838, 5758, 10113, ...

namespace {
using F = BoidFlock;
// A rule, the visual range, boid 0 before and after it, alone with its neighbour boid 1 at
// (100, 100) with velocity (2, -4).
using RuleRow = std::tuple<void (F::*)(Boid&) const, int, Boid, Boid>;

void expectRules(std::initializer_list<RuleRow> rows) {
    for (const auto& [rule, range, self, want] : rows) {
        BoidFlock flock;
        flock.getBoid(0) = self;
        flock.getBoid(1) = {100, 100, 2, -4};
        flock.getBoid(2) = flock.getBoid(3) = flock.getBoid(4) = {900, 900, 0, 0};
        flock.growVisualRange(range - flock.getVisualRange());
        gameSrand(1);
        (flock.*rule)(flock.getBoid(0));
        for (double Boid::*field : {&Boid::x, &Boid::y, &Boid::vx, &Boid::vy}) {
            EXPECT_NEAR(flock.getBoid(0).*field, want.*field, 1e-12) << want.x << "," << want.y;
        }
    }
}
} // namespace

// How the flock is drawn from the generator, steps in place and rings each boid, the stored
// recordings' states and pictures hold.
TEST(BoidFlockTest, AttractAvoidAndAlignSeeOnlyWithinTheStrictRangeAndNeverThemselves) {
    expectRules({
        {&F::attract, 50, {130, 140, 0, 0}, {130, 140, 0, 0}},
        {&F::attract, 51, {130, 140, 0, 0}, {130, 140, -15.0 * 0.005f, -20.0 * 0.005f}},
        {&F::attract, 0, {100, 100, 0, 0}, {100, 100, 0, 0}},
        {&F::avoid, 50, {112, 116, 0, 0}, {112, 116, 0, 0}},
        {&F::avoid, 50, {100, 119.999, 0, 0}, {100, 119.999, 0, 19.999f * 0.05f}},
        {&F::align, 50, {130, 140, 0, 0}, {130, 140, 0, 0}},
        {&F::align, 50, {124, 132, 0, 0}, {124, 132, 0.05f, -2.0 * 0.05f}},
        {&F::align, 0, {100, 100, 0, 0}, {100, 100, 0, 0}},
    });
}

// The margin is strict, and W - 200 = -100 leaves only the left nudge. The four edges that
// turn a boid back, at each and one past it: the fixed rows take 4.8 from vy before y > 500
// sets it.
TEST(BoidFlockTest, TheBoundsNudgeBoidsInsideTheMarginAndTurnBackThoseOutside) {
    expectRules({
        {&F::applyBounds, 50, {200, 200, 0, 0}, {200, 200, -1.2, -1.2}},
        {&F::applyBounds, 50, {-101, 50, 0, 0}, {-1, 50, 2.4, 0}},
        {&F::applyBounds, 50, {1200, 50, 0, 0}, {1200, 50, -1.2, 0}},
        {&F::applyBounds, 50, {1250, 50, 1, 0}, {50, 50, -2.6, 0}},
        {&F::applyBounds, 50, {50, 500, 0, 0}, {50, 500, 0, -1.2}},
        {&F::applyBounds, 50, {50, 501, 0, 0}, {50, 501, 0, 2.4}},
        {&F::applyBounds, 50, {50, 660, 0, 0}, {50, 495, 0, 2.4}},
        {&F::applyBounds, 50, {50, -3, 0, 0}, {50, -1, 0, 16838 / 32767.0 * 10 - 5}},
        {&F::applyBounds, 50, {50, 650, 0, 0}, {50, 650, 0, 2.4}},
        {&F::applyBounds, 50, {50, 651, 0, 0}, {50, 495, 0, 2.4}},
        {&F::applyBounds, 50, {50, 0, 0, 0}, {50, 0, 0, 0}},
        {&F::applyBounds, 50, {50, -1, 0, 0}, {50, -1, 0, 16838 / 32767.0 * 10 - 5}},
        {&F::applyBounds, 50, {1201, 50, 0, 0}, {1, 50, -3.6, 0}},
        {&F::applyBounds, 50, {0, 50, 0, 0}, {0, 50, 0, 0}},
        {&F::applyBounds, 50, {-1, 50, 0, 0}, {-1, 50, 1.2, 0}},
    });
}
