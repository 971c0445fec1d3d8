#include "flock/boid_flock.h"
#include "support/kit.h"

// Expected values were worked out with a calculator script in IEEE double, rounding to
// single precision where the flock does: 0.005f widens to 0.004999999888241291 and 0.05f
// to 0.05000000074505806. Seeded with 1 the generator yields 16838, 5758, 10113, ...

namespace {
void expectBoid(const Boid& b, const Boid& want) {
    for (double Boid::*field : {&Boid::x, &Boid::y, &Boid::vx, &Boid::vy}) {
        EXPECT_NEAR(b.*field, want.*field, 1e-12) << want.x << "," << want.y;
    }
}
} // namespace

TEST(BoidFlockTest, DrawsStepsInOrderRingsEachBoidAndRulesUseStrictRangesAndFixedOrder) {
    gameSrand(1);
    BoidFlock flock;
    // r / 32767 * 100 for x and y, r / 32767 * 10 - 5 for vx and vy.
    expectBoid(flock.getBoid(0),
               {51.387066255684076, 17.572557756279185, -1.9136631366924037, 0.3453169347209082});
    EXPECT_EQ(gameRand(), 26966) << "the 21st value: exactly twenty draws";
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
    for (int i = 0; i < 5; ++i) {
        flock.getBoid(i) = rows[i][0];
    }
    Canvas canvas(420, 510);
    flock.drawBoids(canvas.renderer);
    const SDL_Color red{255, 0, 0, 255};
    for (int i = 0; i < 5; ++i) {
        expectBoid(flock.getBoid(i), rows[i][1]);
        // A ring of radius 7 about the truncated position: its right and top pixels.
        const int x = static_cast<int>(rows[i][1].x), y = static_cast<int>(rows[i][1].y);
        EXPECT_TRUE(canvas.pixel(x + 6, y) == red && canvas.pixel(x, y - 6) == red) << i;
    }
    // Each rule alone on boid 0, its neighbour still at (100, 100) with velocity (2, -4): the
    // visual range, boid 0 before and after. Ranges are strict; at 0 a boid does not see itself.
    // The boundary nudges: the margin is strict, and W - 200 = -100 leaves only the left one.
    using F = BoidFlock;
    const std::tuple<void (F::*)(Boid&) const, int, Boid, Boid> rules[] = {
        {&F::attract, 50, {130, 140, 0, 0}, {130, 140, 0, 0}},
        {&F::attract, 51, {130, 140, 0, 0}, {130, 140, -15.0 * 0.005f, -20.0 * 0.005f}},
        {&F::attract, 0, {100, 100, 0, 0}, {100, 100, 0, 0}},
        {&F::avoid, 50, {112, 116, 0, 0}, {112, 116, 0, 0}},
        {&F::avoid, 50, {100, 119.999, 0, 0}, {100, 119.999, 0, 19.999f * 0.05f}},
        {&F::align, 50, {130, 140, 0, 0}, {130, 140, 0, 0}},
        {&F::align, 50, {124, 132, 0, 0}, {124, 132, 0.05f, -2.0 * 0.05f}},
        {&F::align, 0, {100, 100, 0, 0}, {100, 100, 0, 0}},
        {&F::applyBounds, 50, {200, 200, 0, 0}, {200, 200, -1.2, -1.2}},
        {&F::applyBounds, 50, {-101, 50, 0, 0}, {-1, 50, 2.4, 0}},
        {&F::applyBounds, 50, {1200, 50, 0, 0}, {1200, 50, -1.2, 0}},
        {&F::applyBounds, 50, {1250, 50, 1, 0}, {50, 50, -2.6, 0}},
        {&F::applyBounds, 50, {50, 520, 0, 0}, {50, 520, 0, 2.4}},
        {&F::applyBounds, 50, {50, 660, 0, 0}, {50, 495, 0, 2.4}},
        {&F::applyBounds, 50, {50, -3, 0, 0}, {50, -1, 0, 16838 / 32767.0 * 10 - 5}},
        // The four edges that turn a boid back, at each and one past it: the fixed rows
        // take 4.8 from vy before y > 500 sets it.
        {&F::applyBounds, 50, {50, 650, 0, 0}, {50, 650, 0, 2.4}},
        {&F::applyBounds, 50, {50, 651, 0, 0}, {50, 495, 0, 2.4}},
        {&F::applyBounds, 50, {50, 0, 0, 0}, {50, 0, 0, 0}},
        {&F::applyBounds, 50, {50, -1, 0, 0}, {50, -1, 0, 16838 / 32767.0 * 10 - 5}},
        {&F::applyBounds, 50, {1201, 50, 0, 0}, {1, 50, -3.6, 0}},
        {&F::applyBounds, 50, {0, 50, 0, 0}, {0, 50, 0, 0}},
        {&F::applyBounds, 50, {-1, 50, 0, 0}, {-1, 50, 1.2, 0}},
    };
    for (const auto& [rule, range, self, want] : rules) {
        BoidFlock flock;
        flock.getBoid(0) = self;
        flock.getBoid(1) = {100, 100, 2, -4};
        flock.getBoid(2) = flock.getBoid(3) = flock.getBoid(4) = {900, 900, 0, 0};
        flock.growVisualRange(range - flock.getVisualRange());
        gameSrand(1);
        (flock.*rule)(flock.getBoid(0));
        expectBoid(flock.getBoid(0), want);
    }
}
