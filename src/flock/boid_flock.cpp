#include "flock/boid_flock.h"

#include <cmath>

#include "geometry/draw_circle.h"
#include "geometry/game_rand.h"
#include "geometry/numeric.h"

namespace {
// The factors are single-precision values; where they meet doubles they widen, and
// the flock's motion depends on that rounding.
constexpr float kAttractionFactor = 0.005f;
constexpr double kProtectedRange = 20.0;
constexpr float kAvoidanceFactor = 0.05f;
constexpr float kAlignmentFactor = 0.05f;
constexpr float kSpeedCap = 9.5f;
constexpr double kMargin = 200.0;
constexpr double kTurnStep = 1.2;
constexpr int kBoidRadius = 7;

double unitDraw() {
    return gameRand() / 32767.0;
}

double velocityDraw() {
    return unitDraw() * 10.0 - 5.0;
}
} // namespace

BoidFlock::BoidFlock() {
    for (int i = 0; i < boidCount; ++i) {
        Boid b;
        // One statement per draw: the order x, y, vx, vy is fixed.
        b.x = unitDraw() * areaWidth;
        b.y = unitDraw() * areaHeight;
        b.vx = velocityDraw();
        b.vy = velocityDraw();
        boids.push_back(b);
    }
}

double BoidFlock::distance(const Boid& a, const Boid& b) {
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y));
}

void BoidFlock::updateBoids() {
    // In place: a boid sees the new state of the boids stepped before it.
    for (Boid& b : boids) {
        attract(b);
        avoid(b);
        align(b);
        capSpeed(b);
        applyBounds(b);
        b.x += b.vx;
        b.y += b.vy;
    }
}

void BoidFlock::drawBoids(DrawSurface& surface) {
    updateBoids();
    for (const Boid& b : boids) {
        circles.add(truncToInt(static_cast<float>(b.x)), truncToInt(static_cast<float>(b.y)),
                    kBoidRadius);
    }
    circles.draw(surface, ColourRGB{255, 0, 0}, 0);
}

void BoidFlock::attract(Boid& b) const {
    double sumX = 0.0;
    double sumY = 0.0;
    double count = 0.0;
    for (const Boid& o : boids) {
        if (distance(b, o) < visualRange) {
            sumX += o.x;
            sumY += o.y;
            count += 1.0;
        }
    }
    if (count == 0.0) {
        return;
    }
    b.vx += (sumX / count - b.x) * kAttractionFactor;
    b.vy += (sumY / count - b.y) * kAttractionFactor;
}

void BoidFlock::avoid(Boid& b) const {
    float moveX = 0.0f;
    float moveY = 0.0f;
    for (const Boid& o : boids) {
        if (&o != &b && distance(b, o) < kProtectedRange) {
            moveX += b.x - o.x;
            moveY += b.y - o.y;
        }
    }
    b.vx += static_cast<float>(moveX * kAvoidanceFactor);
    b.vy += static_cast<float>(moveY * kAvoidanceFactor);
}

void BoidFlock::align(Boid& b) const {
    float sumVx = 0.0f;
    float sumVy = 0.0f;
    float count = 0.0f;
    for (const Boid& o : boids) {
        if (distance(b, o) < visualRange) {
            sumVx += o.vx;
            sumVy += o.vy;
            count += 1.0f;
        }
    }
    if (count == 0.0f) {
        return;
    }
    const float avgVx = sumVx / count;
    const float avgVy = sumVy / count;
    b.vx += (avgVx - b.vx) * kAlignmentFactor;
    b.vy += (avgVy - b.vy) * kAlignmentFactor;
}

void BoidFlock::capSpeed(Boid& b) {
    const auto speed = static_cast<float>(std::sqrt(b.vx * b.vx + b.vy * b.vy));
    if (speed > kSpeedCap) {
        b.vx = b.vx / speed * kSpeedCap;
        b.vy = b.vy / speed * kSpeedCap;
    }
}

void BoidFlock::applyBounds(Boid& b) const {
    const double w = areaWidth;
    const double h = areaHeight;
    if (b.x < kMargin) {
        b.vx += kTurnStep;
    }
    if (b.x > w - kMargin) {
        b.vx -= kTurnStep;
    }
    if (b.y < kMargin) {
        b.vy += kTurnStep;
    }
    if (b.y > h - kMargin) {
        b.vy -= kTurnStep;
    }
    // Fixed rows, not the window's; the y > 500 rule below replaces what they add.
    for (double row : {550.0, 575.0, 600.0, 650.0, 700.0}) {
        if (b.y > row) {
            b.vy -= kTurnStep;
        }
    }
    if (b.y < 0.0) {
        b.y = -1.0;
        b.vy = velocityDraw();
    }
    if (b.x > 1200.0) {
        b.x -= 1200.0;
        b.vx -= 2.4;
    }
    if (b.y > 500.0) {
        b.vy = 2.4;
    }
    if (b.y > 650.0) {
        b.y = 495.0;
        b.vy = 2.4;
    }
    if (b.x < 0.0) {
        b.x = -1.0;
        b.vx += kTurnStep;
    }
}
