#include "weapons/manage_weapon.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iostream>

#include "geometry/draw_circle.h"
#include "geometry/exact_math.h"
#include "geometry/numeric.h"
#include "geometry/vec.h"

namespace {
constexpr double kPi = 3.141592653589793;
constexpr int kMissileTTL = 270;
constexpr float kLaunchPush = -300.0f;
constexpr int kMissileRadius = 7;

} // namespace

ManageWeapon::ManageWeapon(int width, int height) : winWidth(width), winHeight(height) {
    std::cout << "ManageWeapon createBasicWeapon(...)?" << std::endl;
}

bool ManageWeapon::fireMissile(PointF velocity, PointF position, float angle) {
    const Vec platform(velocity.x, velocity.y, 0.0f);
    Vec own;
    if (getNumMissiles() >= std::min(maxMissiles, kMaxMissilesInFlight)) {
        return false;
    }
    const double a = angle * kPi / 180;
    own = Vec(static_cast<float>(exact::sin(a)), static_cast<float>(exact::cos(a)), 0.0f);

    ShipWeapon missile(position, position, angle, 0, winWidth, winHeight, missileTTL);
    const Vec sum = own + platform;
    missile.setTVelocity(sum.x, sum.y);
    missile.setAngle(angle);
    missile.setPosition(truncToInt(position.x), truncToInt(position.y));
    missile.setTTL(kMissileTTL);
    missile.increaseMomentum(kLaunchPush);
    missile.setVisible(true);
    missiles.push_back(missile);
    return true;
}

bool ManageWeapon::hitRock(SpaceJunk& rock) {
    // One rock consumes at most one missile; the rest are not tested.
    const auto it = rock.firstHitBy(missiles.begin(), missiles.end());
    if (it == missiles.end()) {
        return false;
    }
    missiles.erase(it);
    return true;
}

void ManageWeapon::updateMissiles() {
    // One pass that keeps the survivors in order: erasing each in place moved the rest every time.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < missiles.size(); ++i) {
        // An expired missile never gets back to a TTL of 0 (expiry resets it),
        // so it is culled here too instead of standing in the field for good.
        if (missiles[i].getTTL() == 0 || missiles[i].expired) {
            // The missile that moves up is advanced without its own test.
            if (++i == missiles.size()) {
                break;
            }
        }
        ShipWeapon& m = missiles[kept++];
        if (&m != &missiles[i]) {
            m = missiles[i];
        }
        m.wrapMissile();
        m.trans();
    }
    missiles.erase(missiles.begin() + static_cast<std::ptrdiff_t>(kept), missiles.end());
}

void ManageWeapon::drawMissiles(DrawSurface& surface, ColourRGB colour) {
    for (ShipWeapon& missile : missiles) {
        const PointF tip = missile.getTip();
        circles.add(truncToInt(tip.x), truncToInt(tip.y), kMissileRadius);
    }
    circles.draw(surface, colour, 0);
}

void ManageWeapon::addMaxMissiles(int n) {
    // Saturates rather than overflowing.
    const long long sum = static_cast<long long>(maxMissiles) + n;
    maxMissiles = static_cast<int>(std::clamp<long long>(sum, INT_MIN, INT_MAX));
}
