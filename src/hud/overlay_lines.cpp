#include "hud/overlay_lines.h"

#include <cmath>

#include "geometry/numeric.h"

namespace {
// A boid may drift anywhere; NaN and values past the long range print as 0 or the limit.
std::string whole(double v) {
    if (std::isnan(v)) {
        return "0";
    }
    constexpr double kLimit = 9.2e18;
    return std::to_string(static_cast<long long>(std::fmax(-kLimit, std::fmin(kLimit, v))));
}

std::string xy(const char* name, double x, double y) {
    return std::string(name) + "(" + whole(x) + "," + whole(y) + ")";
}

std::string zboid(int i, const BoidValues& b, bool withVelocity) {
    std::string text = xy(("ZBOID" + std::to_string(i) + ":xy").c_str(), b.x, b.y);
    return withVelocity ? text + xy(",dxdy", b.vx, b.vy) : text;
}
} // namespace

std::array<std::string, 10> overlayLines(const OverlayValues& v) {
    return {
        xy("Boid1:", v.staticBoid.x, v.staticBoid.y),
        "Visual Range:" + std::to_string(v.visualRange),
        zboid(0, v.boids[0], true),
        zboid(1, v.boids[1], false),
        zboid(2, v.boids[2], false),
        zboid(3, v.boids[3], true),
        zboid(4, v.boids[4], true),
        xy("hero:xy", v.heroX, v.heroY),
        "hero:t~velocity(" + formatFloat2(v.velocityX) + ", " + formatFloat2(v.velocityY) + ")",
        "hero:velocity:" + formatFloat2(v.momentum),
    };
}
