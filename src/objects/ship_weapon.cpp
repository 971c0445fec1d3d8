#include "objects/ship_weapon.h"

#include <cmath>
#include <iostream>

#include "geometry/angles.h"
#include "geometry/exact_math.h"
#include "geometry/numeric.h"

namespace {
// log2(10) / 100: the speed one unit of momentum adds.
const double kMomentumStep = exact::kLog2Of10 / 100.0;

// A bound plus a margin, as an integer turned to float, without int overflow.
float withMargin(int bound, int margin) {
    return static_cast<float>(static_cast<long long>(bound) + margin);
}
} // namespace

ShipWeapon::ShipWeapon(PointF tail, PointF head, float angle, int /*spare*/, int width, int height,
                       float ttl)
    : SpaceItem(width, height, -1) {
    screenWidth = width;
    screenHeight = height;
    fireAngle = angle;
    headAnchor = head;
    headOrigin = head;
    tailAnchor = tail;
    tailOrigin = tail;
    wCords[0] = {head.x, head.y};
    wCords[1] = {tail.x, tail.y};
    momentumBase = 1.75f;
    speed = 1.75f;
    x_c = tail.x;
    y_c = tail.y;
    momentum = PointF(1.0f, 1.0f);
    TTL = ttl == 0.0f ? 120.0f : ttl;
    TTLReset = TTL;
}

ShipWeapon::ShipWeapon(const ShipWeapon& other)
    : SpaceItem(other.screenWidth, other.screenHeight, other.obj_id), headAnchor(0.0f, 0.0f),
      tailAnchor(0.0f, 0.0f), headOrigin(0.0f, 0.0f), tailOrigin(0.0f, 0.0f) {
    wPointCount = other.wPointCount;
    for (int i = 0; i < kWeaponPoints; ++i) {
        wCords[i] = other.wCords[i];
    }
    fireAngle = other.fireAngle;
    speed = other.speed;
    x_c = other.x_c;
    y_c = other.y_c;
    visible = other.visible;
    boundBottom = other.boundBottom;
    wrapHeight = other.wrapHeight;
    boundRight = other.boundRight;
    screenWidth = other.screenWidth;
    screenHeight = other.screenHeight;
    t_velocity = other.t_velocity;
    TTL = other.TTL;
    TTLReset = other.TTLReset;
    momentumBase = 1.0f;
    momentum = PointF(0.0f, 0.0f);
    expired = false;
    dirAngle = 0.0f;
}

void ShipWeapon::setTTL(int t) {
    TTL = static_cast<float>(t);
    TTLReset = TTL;
}

int ShipWeapon::getTTL() const {
    return truncToInt(TTL);
}

void ShipWeapon::moveTo(float x, float y) {
    x_c = x;
    y_c = y;
    for (SDL_FPoint& p : wCords) {
        p.x += x;
        p.y += y;
    }
}

void ShipWeapon::setPosition(int x, int y) {
    const auto fx = static_cast<float>(x);
    const auto fy = static_cast<float>(y);
    wCords[0] = {fx, fy};
    wCords[1] = {fx, static_cast<float>(static_cast<long long>(y) + 1)};
    x_c = fx;
    y_c = fy;
}

PointF ShipWeapon::getTip() {
    headAnchor = PointF(wCords[0].x, wCords[0].y);
    return headAnchor;
}

void ShipWeapon::increaseMomentum(float amount) {
    calcVelocity();
    speed = static_cast<float>(speed + kMomentumStep * amount);
    applyReverseMomentum();
}

void ShipWeapon::applyReverseMomentum() {
    // The missile's own angle: 0 points right, 90 down.
    const float d = fireAngle - 90.0f;
    const auto a = static_cast<float>(cosScaled(speed, d) / 3);
    const auto b = static_cast<float>(sinScaled(speed, d) / 3);
    t_velocity.x -= b;
    t_velocity.y += a;
}

void ShipWeapon::trans() {
    if (TTL > 0.0f && !expired) {
        wrapMissile();
        for (SDL_FPoint& p : wCords) {
            p.x += t_velocity.x;
            p.y += t_velocity.y;
        }
        x_c += t_velocity.x;
        y_c += t_velocity.y;
        TTL -= 0.5f;
        if (isOutOfBounds()) {
            fixLost();
        }
        return;
    }
    // Stops in place; removing it is the manager's business.
    TTL = TTLReset;
    speed = 0.0f;
    t_velocity = PointF(0.0f, 0.0f);
    momentum = PointF(0.0f, 0.0f);
    expired = true;
}

void ShipWeapon::wrapMissile() {
    if (isOffTop()) {
        for (SDL_FPoint& p : wCords) {
            p.y += static_cast<float>(boundBottom);
        }
        y_c += static_cast<float>(boundBottom);
    }
    if (isOffBottom()) {
        for (SDL_FPoint& p : wCords) {
            p.y -= static_cast<float>(wrapHeight);
        }
        y_c -= static_cast<float>(wrapHeight);
    }
    if (isOffLeft()) {
        if (wrapWidth < 901) {
            std::cout << "wrong value for SCREEN_WIDTH" << std::endl;
        }
        for (SDL_FPoint& p : wCords) {
            p.x += static_cast<float>(wrapWidth);
        }
        x_c += static_cast<float>(wrapWidth);
    }
    if (isOffRight()) {
        for (SDL_FPoint& p : wCords) {
            p.x -= static_cast<float>(wrapWidth);
        }
        x_c -= static_cast<float>(wrapWidth);
    }
}

MinMaxCords ShipWeapon::getMinMax() {
    const int x0 = truncToInt(wCords[0].x);
    const int y0 = truncToInt(wCords[0].y);
    const int x1 = truncToInt(wCords[1].x);
    const int y1 = truncToInt(wCords[1].y);
    MinMaxCords m = minMax;
    m.min = Point(x0, y0);
    m.max = Point(x0, y0);
    if (x1 > x0) {
        m.max.x = x1;
        m.max_idx.x = 1;
    }
    if (y1 > y0) {
        m.max.y = y1;
        m.max_idx.y = 1;
    }
    if (x1 < x0) {
        m.min.x = x1;
        m.min_idx.x = 1;
    }
    if (y1 < y0) {
        m.min.y = y1;
        m.min_idx.y = 1;
    }
    minMax = m;
    return minMax;
}

bool ShipWeapon::isOutOfBounds() {
    const MinMaxCords m = getMinMax();
    // Compared in 64 bits so that a zero-sized field cannot underflow.
    const long long right = static_cast<long long>(wrapWidth) - 1;
    const long long bottom = static_cast<long long>(wrapHeight) - 1;
    return m.min.x > right || m.min.x < 1 || m.min.y > bottom || m.min.y < 1;
}

void ShipWeapon::fixLost() {
    const float r = withMargin(boundRight, 50);
    const float b = withMargin(boundBottom, 50);
    const float l = withMargin(boundLeft, 50);
    if (x_c > r || wCords[0].x > r) {
        x_c = wCords[0].x = wCords[1].x = -50.0f;
    }
    if (y_c > b || wCords[0].y > b) {
        y_c = wCords[0].y = wCords[1].y = -50.0f;
    }
    if (x_c < -50.0f || wCords[0].x < -50.0f) {
        x_c = wCords[0].x = wCords[1].x = l;
    }
    if (y_c < -50.0f || wCords[0].y < -50.0f) {
        y_c = wCords[0].y = wCords[1].y = b;
    }
}

float ShipWeapon::getDirection(const PointF& origin, const PointF& target) {
    if (origin.x == target.x && origin.y == target.y) {
        std::cout << "Error::ShipWeapon.getDirection:" << origin << "," << target << std::endl;
    }
    dirAngle = headingBetween(origin, target);
    return dirAngle;
}

void ShipWeapon::printCords() {
    std::cout << "ShipWeapon::printCords()" << std::endl;
    for (const SDL_FPoint& p : wCords) {
        std::cout << "x=" << p.x << ",y=" << p.y << std::endl;
    }
}
