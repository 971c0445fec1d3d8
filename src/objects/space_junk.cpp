#include "objects/space_junk.h"

#include <cmath>
#include <cstdint>
#include <iostream>

#include "geometry/calendar_clock.h"
#include "geometry/exact_math.h"
#include "geometry/game_rand.h"
#include "geometry/numeric.h"

namespace {
// log2(10) / 125: the momentum one unit of velocity adds.
const double kVelocityStep = exact::kLog2Of10 / 125.0;

} // namespace

SpaceJunk::SpaceJunk(int width, int height, int id, bool randomize) : SpaceItem(width, height, id) {
    boundRight = width;
    wrapWidth = width;
    boundBottom = height;
    wrapHeight = height;
    screenWidth = width;
    screenHeight = height;
    getMinMaxCords();
    // A new rock's outline may still be written directly before it is first asked.
    boxStale = true;
    t_velocity = PointF(1.0f, 1.0f);
    if (randomize) {
        reseedFromClock();
        randomizeShape();
    }
}

SpaceJunk::SpaceJunk(const SpaceJunk& other)
    : SpaceItem(other.screenWidth, other.screenHeight, other.obj_id) {
    // The screen size too, so that a copy of a copy is still built for the same field.
    copyFieldOf(other);
    rockPointCount = other.rockPointCount;
    for (int i = 0; i < kRockPoints; ++i) {
        rockCords[i] = other.rockCords[i];
    }
    driftAngle = other.driftAngle;
    speed = other.speed;
    stepX = other.stepX;
    stepY = other.stepY;
    hit = other.hit;
    alive = other.alive;
    sizeDivisor = other.sizeDivisor;
    t_velocity = other.t_velocity;
}

// From the kept bounds while the outline is unchanged: a frame asks a rock several times.
MinMaxCords SpaceJunk::getMinMaxCords() {
    if (boxStale) {
        refreshBox();
    }
    mergeKeptBounds();
    return minMax;
}

const SDL_Point* SpaceJunk::outlinePoints() {
    for (int i = 0; i < kRockPoints; ++i) {
        intCords[i] = SDL_Point{truncToInt(rockCords[i].x), truncToInt(rockCords[i].y)};
    }
    return intCords;
}

void SpaceJunk::updateRock() {
    gameRand();
    stepX = static_cast<float>((gameRand() % 300) / 100 * 0.00000001 +
                               static_cast<double>(t_velocity.x / 100));
    stepY = static_cast<float>((gameRand() % 500) / 1000 * 0.0000001 +
                               static_cast<double>(t_velocity.y / 100));
    wrapRock();
    moveRock(stepX, stepY);
}

void SpaceJunk::moveRock(float dx, float dy) {
    float r = driftAngle * 0.017453292f;
    const float cosR = exact::cos(r);
    const float sinR = exact::sin(r);
    for (int i = 0; i < rockPointCount; ++i) {
        rockCords[i].x -= dx * cosR;
        rockCords[i].y -= dy * sinR;
    }
    boxStale = true;
    if (isOutOfBounds()) {
        fixLostRock();
    }
}

void SpaceJunk::wrapRock() {
    boxStale = true;
    if (isOffTop()) {
        shiftDown();
        for (int i = 0; i < rockPointCount; ++i) {
            rockCords[i].y += static_cast<float>(boundBottom);
        }
    }
    if (isOffBottom()) {
        shiftUp();
        for (int i = 0; i < rockPointCount; ++i) {
            rockCords[i].y -= static_cast<float>(wrapHeight);
        }
    }
    if (isOffLeft()) {
        shiftRight();
        for (int i = 0; i < rockPointCount; ++i) {
            rockCords[i].x += static_cast<float>(wrapWidth);
        }
    }
    if (isOffRight()) {
        shiftLeft();
        for (int i = 0; i < rockPointCount; ++i) {
            rockCords[i].x -= static_cast<float>(wrapWidth);
        }
    }
}

void SpaceJunk::fixLostRock() {
    MinMaxCords m = getMinMaxCords();
    boxStale = true;
    if (m.min.x > wrapWidth) {
        for (int i = 0; i < rockPointCount; ++i) {
            rockCords[i].x -= static_cast<float>(m.min.x);
        }
    } else if (m.min.x < -5) {
        for (int i = 0; i < rockPointCount; ++i) {
            rockCords[i].x += static_cast<float>(wrapWidth);
        }
    } else if (m.max.x <= boundRight) {
        if (m.max.y > wrapHeight) {
            for (int i = 0; i < rockPointCount; ++i) {
                rockCords[i].y -= static_cast<float>(wrapHeight);
            }
        }
        if (m.min.y < -5) {
            for (int i = 0; i < rockPointCount; ++i) {
                rockCords[i].y += static_cast<float>(wrapHeight);
            }
        }
    } else {
        for (int i = 0; i < rockPointCount; ++i) {
            rockCords[i].x -= static_cast<float>(boundRight);
        }
    }
}

bool SpaceJunk::isOutOfBounds() {
    MinMaxCords m = getMinMaxCords();
    // Compared in 64 bits: the field size minus one must not wrap.
    std::int64_t right = std::int64_t{wrapWidth} - 1;
    std::int64_t bottom = std::int64_t{wrapHeight} - 1;
    return m.min.x > right || m.min.x < 1 || m.min.y > bottom || m.min.y < 1;
}

SDL_FRect SpaceJunk::getFRect(bool inset) {
    MinMaxCords m = getMinMaxCords();
    frect.x = static_cast<float>(m.min.x);
    frect.y = static_cast<float>(m.min.y);
    frect.w = static_cast<float>(std::int64_t{m.max.x} - m.min.x);
    frect.h = static_cast<float>(std::int64_t{m.max.y} - m.min.y);
    if (inset) {
        frect.x += 13;
        frect.y += 13;
        frect.w -= 25;
        frect.h -= 25;
    }
    return frect;
}

void SpaceJunk::refreshBox() {
    MinMaxCords unset;
    unset.min_idx = Point(-1, -1);
    unset.max_idx = Point(-1, -1);
    keptBounds = minMaxOf(rockCords, rockPointCount, unset);
    const MinMaxCords& m = keptBounds;
    keptBox.x = static_cast<float>(m.min.x) + 13;
    keptBox.y = static_cast<float>(m.min.y) + 13;
    keptBox.w = static_cast<float>(std::int64_t{m.max.x} - m.min.x) - 25;
    keptBox.h = static_cast<float>(std::int64_t{m.max.y} - m.min.y) - 25;
    boxStale = false;
}

const SDL_FRect& SpaceJunk::insetBox() {
    if (boxStale) {
        refreshBox();
    }
    mergeKeptBounds();
    frect = keptBox;
    return keptBox;
}

// minMaxOf(rockCords, rockPointCount, minMax), from the kept bounds.
void SpaceJunk::mergeKeptBounds() {
    minMax.min = keptBounds.min;
    minMax.max = keptBounds.max;
    minMax.min_idx.x = keptBounds.min_idx.x >= 0 ? keptBounds.min_idx.x : minMax.min_idx.x;
    minMax.min_idx.y = keptBounds.min_idx.y >= 0 ? keptBounds.min_idx.y : minMax.min_idx.y;
    minMax.max_idx.x = keptBounds.max_idx.x >= 0 ? keptBounds.max_idx.x : minMax.max_idx.x;
    minMax.max_idx.y = keptBounds.max_idx.y >= 0 ? keptBounds.max_idx.y : minMax.max_idx.y;
}

bool SpaceJunk::hitBy(const SDL_FRect& box) {
    if (overlaps(box, insetBox())) {
        markHit();
        return true;
    }
    return false;
}

void SpaceJunk::addVelocity(float v) {
    calcVelocity();
    speed = static_cast<float>(speed + kVelocityStep * v);
    pushAlongHeading();
}

void SpaceJunk::randomizeShape() {
    auto a = static_cast<float>((gameRand() % 130 + 7) / 2);
    int k = (gameRand() % 6) / 4;
    if (k == 0) {
        scaleBy(1.75f);
    } else {
        scaleBy(1.5f * static_cast<float>(k));
    }
    int n = 0;
    if (gameRand() % 2 == 0) {
        speed = -a;
        n = (-gameRand()) % 19 + 1;
    } else {
        speed = a;
        n = gameRand() % 19 + 1;
    }
    addVelocity(static_cast<float>(n) / sizeDivisor);
    driftAngle = static_cast<float>(4.71238898038469 * a);
    jitterShape();
    fitSize();
    t_velocity = PointF(speed, speed);
}

void SpaceJunk::scaleBy(float f) {
    if (f < 0.125f || f == 0.0f) {
        f = 0.25f;
    }
    boxStale = true;
    for (int i = 0; i < rockPointCount; ++i) {
        rockCords[i].x *= f;
        rockCords[i].y *= f;
    }
}

void SpaceJunk::fitSize() {
    MinMaxCords m = getMinMaxCords();
    if (m.max.x > 150 || m.max.y >= 151) {
        scaleBy(0.85f);
    }
    if (m.max.x < 120 || m.max.y < 120) {
        scaleBy(2.125f);
    }
}

void SpaceJunk::jitterShape() {
    reseedFromClock();
    boxStale = true;
    for (int i = 0; i < rockPointCount; ++i) {
        gameRand();
        rockCords[i].x -= static_cast<float>((gameRand() % 3) / 2);
        gameRand();
        rockCords[i].y += static_cast<float>((gameRand() % 3) / 2);
    }
}

void SpaceJunk::closeShape() {
    rockCords[rockPointCount - 1] = rockCords[0];
    boxStale = true;
}

void SpaceJunk::addStepY(int n) {
    stepY += static_cast<float>(n);
}

void SpaceJunk::printCords() const {
    std::cout << "SpaceJunk::printCords()" << std::endl;
    for (int i = 0; i < rockPointCount; ++i) {
        std::cout << "x=" << rockCords[i].x << ",y=" << rockCords[i].y << std::endl;
    }
}
