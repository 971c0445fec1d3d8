#include "objects/space_item.h"

#include <cmath>
#include <cstdlib>
#include <iostream>

#include "geometry/angles.h"
#include "geometry/exact_math.h"
#include "geometry/numeric.h"

SpaceItem::SpaceItem(int width, int height, int id)
    : boundBottom(height), boundRight(width), wrapHeight(height), wrapWidth(width), boundTop(0),
      obj_id(id) {
    initDefaults();
}

void SpaceItem::initDefaults() {
    angle = 90.0f;
    momentumMag = 0.0f;
    visible = true;
    momentum = PointF(0.0f, 0.0f);
}

void SpaceItem::printCords() {
    std::cout << "SpaceItem::printCords()" << std::endl;
    for (int i = 0; i < pointCount; ++i) {
        std::cout << "x=" << cords[i].x << ",y=" << cords[i].y << std::endl;
    }
}

void SpaceItem::move2Point(int dx, int dy) {
    for (int i = 0; i < pointCount; ++i) {
        cords[i].x += dx;
        cords[i].y += dy;
    }
    x_c += static_cast<float>(dx);
    y_c += static_cast<float>(dy);
}

void SpaceItem::rotate(float a) {
    if (areNegativeCords()) {
        return;
    }
    angle = a;
    auto r = static_cast<float>(degree2rad(a));
    float cx = x_c;
    float cy = y_c;
    const float cosR = exact::cos(r);
    const float sinR = exact::sin(r);
    for (int i = 0; i < pointCount; ++i) {
        float dx = static_cast<float>(cords[i].x) - cx;
        float dy = static_cast<float>(cords[i].y) - cy;
        float nx = dx * cosR - (dy * sinR + cx);
        float ny = dx * sinR + (dy * cosR + cy);
        cords[i].x = truncToInt(std::fabs(nx));
        cords[i].y = truncToInt(std::fabs(ny));
    }
}

MinMaxCords SpaceItem::getMinMaxCords() {
    MinMaxCords m = minMax;
    m.min = cords[0];
    m.max = cords[0];
    for (int i = 1; i < pointCount; ++i) {
        const Point& p = cords[i];
        if (p.x > m.max.x) {
            m.max.x = p.x;
            m.max_idx.x = i;
        }
        if (p.y > m.max.y) {
            m.max.y = p.y;
            m.max_idx.y = i;
        }
        if (p.x < m.min.x) {
            m.min.x = p.x;
            m.min_idx.x = i;
        }
        if (p.y < m.min.y) {
            m.min.y = p.y;
            m.min_idx.y = i;
        }
    }
    minMax = m;
    return minMax;
}

bool SpaceItem::areNegativeCords() const {
    for (int i = 0; i < pointCount; ++i) {
        if (cords[i].x < 0 || cords[i].y < 0) {
            return true;
        }
    }
    return false;
}

Point SpaceItem::getCenter() const {
    return {static_cast<int>(x_c), static_cast<int>(y_c)};
}

float SpaceItem::calcVelocity() {
    float sx = t_velocity.x * t_velocity.x;
    float sy = t_velocity.y * t_velocity.y;
    velocity = static_cast<float>(std::sqrt(static_cast<double>(sx) + static_cast<double>(sy)));
    return velocity;
}

void SpaceItem::printObjId() const {
    std::cout << "obj_id:" << obj_id << std::endl;
}

bool SpaceItem::withinX() const {
    return static_cast<float>(boundLeft) < x_c && x_c < static_cast<float>(boundRight);
}
bool SpaceItem::withinY() const {
    return static_cast<float>(boundTop) < y_c && y_c < static_cast<float>(boundBottom);
}
bool SpaceItem::isOffTop() const {
    return y_c < static_cast<float>(boundTop) && withinX();
}
bool SpaceItem::isOffBottom() const {
    return y_c > static_cast<float>(boundBottom) && withinX();
}
bool SpaceItem::isOffLeft() const {
    return x_c < static_cast<float>(boundLeft) && withinY();
}
bool SpaceItem::isOffRight() const {
    return x_c > static_cast<float>(boundRight) && withinY();
}

void SpaceItem::shiftDown() {
    for (int i = 0; i < pointCount; ++i) {
        cords[i].y += boundBottom;
    }
    y_c += static_cast<float>(boundBottom);
}

void SpaceItem::shiftUp() {
    for (int i = 0; i < pointCount; ++i) {
        cords[i].y -= wrapHeight;
    }
    y_c -= static_cast<float>(wrapHeight);
}

void SpaceItem::shiftRight() {
    for (int i = 0; i < pointCount; ++i) {
        cords[i].x += wrapWidth;
    }
    x_c += static_cast<float>(wrapWidth);
}

void SpaceItem::shiftLeft() {
    for (int i = 0; i < pointCount; ++i) {
        cords[i].x -= wrapWidth;
    }
    x_c -= static_cast<float>(wrapWidth);
}

void SpaceItem::wrapAround() {
    if (isOffTop()) {
        shiftDown();
    }
    if (isOffBottom()) {
        shiftUp();
    }
    if (isOffLeft()) {
        shiftRight();
    }
    if (isOffRight()) {
        shiftLeft();
    }
}

float SpaceItem::headingOf() const {
    return getDirection(Point(static_cast<int>(x_c), static_cast<int>(y_c)), cords[0]);
}

void SpaceItem::pushAlongHeading() {
    heading = headingOf();
    t_velocity.x += static_cast<float>(std::trunc(sinScaled(momentumMag, heading) / 3));
    t_velocity.y -= static_cast<float>(std::trunc(cosScaled(momentumMag, heading) / 3));
}

void SpaceItem::copyFieldOf(const SpaceItem& other) {
    boundBottom = other.boundBottom;
    boundRight = other.boundRight;
    wrapHeight = other.wrapHeight;
    wrapWidth = other.wrapWidth;
    boundTop = other.boundTop;
    boundLeft = other.boundLeft;
    screenWidth = other.screenWidth;
    screenHeight = other.screenHeight;
}
