#include "objects/space_ship.h"

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iostream>

#include "geometry/angles.h"
#include "geometry/exact_math.h"
#include "geometry/numeric.h"
#include "geometry/picture.h"
#include "geometry/rect.h"
#include "objects/space_junk.h"

namespace {
// log2(10) / 125: the momentum one unit of thrust adds.
const double kThrustStep = exact::kLog2Of10 / 125.0;
constexpr float kTrimAbove = 4.5f;
constexpr float kSpeedCap = 8.0f;

float trimmed(float c, float by) {
    return c < 0 ? -(std::fabs(c) - by) : std::fabs(c) - by;
}

// A frame index outside its set draws nothing (an empty set, or a single flame frame).
SDL_Texture* frameAt(const std::vector<SDL_Texture*>& frames, std::size_t index) {
    return index < frames.size() ? frames[index] : nullptr;
}

std::size_t cycled(int counter, std::size_t size) {
    return size == 0 ? 0 : static_cast<std::size_t>(counter) % size;
}
} // namespace

SpaceShip::SpaceShip(DrawSurface& s, const std::string& imagePath, Point windowSize)
    : SpaceItem(windowSize.x, windowSize.y, -1), surface(&s) {
    screenWidth = windowSize.x;
    screenHeight = windowSize.y;
    placeCentred(false);
    baseTexture = loadTexture(imagePath);
}

SDL_Texture* SpaceShip::loadTexture(const std::string& path) const {
    return loadPicture(surface->renderer(), path);
}

void SpaceShip::loadShieldImages(const std::vector<std::string>& paths) {
    for (const auto& path : paths) {
        shieldTextures.push_back(loadTexture(path));
    }
}

void SpaceShip::loadThrustShieldImages(const std::vector<std::string>& paths) {
    for (const auto& path : paths) {
        thrustShieldTextures.push_back(loadTexture(path));
    }
}

void SpaceShip::addThrustImage(const std::string& path) {
    thrustTextures.push_back(loadTexture(path));
}

void SpaceShip::movePolygonTo(float x, float y) {
    x_c = x;
    y_c = y;
    for (auto& p : shipCords) {
        p.x += x;
        p.y += y;
    }
}

void SpaceShip::updateShip() {
    wrapShip();
    translate();
    decayMomentum();
}

void SpaceShip::thrust(float amount) {
    if (std::fabs(t_velocity.x) > kTrimAbove) {
        t_velocity.x = trimmed(t_velocity.x, 0.01f);
        return;
    }
    if (std::fabs(t_velocity.y) > kTrimAbove) {
        t_velocity.y = trimmed(t_velocity.y, 0.01f);
        return;
    }
    float before = momentumMag;
    thrustCounter = 1;
    momentumMag = static_cast<float>(momentumMag + kThrustStep * amount);
    applyMomentum();
    calcVelocity();
    if (velocity > kSpeedCap) {
        momentumMag = before;
        // Zero counts as negative here, so a still component is pushed to 0.5.
        t_velocity.x = (std::fabs(t_velocity.x) - 0.5f) * (t_velocity.x > 0 ? 1.0f : -1.0f);
        t_velocity.y = (std::fabs(t_velocity.y) - 0.5f) * (t_velocity.y > 0 ? 1.0f : -1.0f);
        momentumMag = static_cast<float>(momentumMag - kThrustStep * amount);
        calcVelocity();
    }
}

void SpaceShip::applyMomentum() {
    direction = getDirection(PointF(shipCords[3].x, shipCords[3].y),
                             PointF(shipCords[0].x, shipCords[0].y));
    t_velocity.x = static_cast<float>(t_velocity.x + sinScaled(momentumMag, direction) / 3);
    t_velocity.y = static_cast<float>(t_velocity.y - cosScaled(momentumMag, direction) / 3);
}

void SpaceShip::decayMomentum() {
    float m = momentumMag;
    if (m > 0.07f || m < -0.07f) {
        float sign = m > 0 ? 1.0f : -1.0f;
        momentumMag = sign * (std::fabs(m) - exact::log(std::fabs(m)));
    }
}

void SpaceShip::translate() {
    if (skipMove) {
        skipMove = false;
        return;
    }
    for (auto& p : shipCords) {
        p.x += t_velocity.x;
        p.y += t_velocity.y;
    }
    x_c += t_velocity.x;
    y_c += t_velocity.y;
    spriteRect.x += t_velocity.x;
    spriteRect.y += t_velocity.y;
}

void SpaceShip::wrapShip() {
    if (isOffTop()) {
        shiftDown();
        for (auto& p : shipCords) {
            p.y += static_cast<float>(boundBottom);
        }
        spriteRect.y = y_c;
    }
    if (isOffBottom()) {
        shiftUp();
        for (auto& p : shipCords) {
            p.y -= static_cast<float>(boundBottom);
        }
        spriteRect.y = y_c;
    }
    if (isOffLeft()) {
        shiftRight();
        for (auto& p : shipCords) {
            p.x += static_cast<float>(wrapWidth);
        }
        spriteRect.x = static_cast<float>(wrapWidth - spriteOffset.x);
    }
    if (isOffRight()) {
        shiftLeft();
        for (auto& p : shipCords) {
            p.x -= static_cast<float>(wrapWidth);
        }
        spriteRect.x = x_c - static_cast<float>(spriteOffset.x);
    }
}

void SpaceShip::turnRight(std::int64_t& polyCounter, int& spriteCounter) {
    for (int step = 0; step < 2; ++step) {
        polyCounter += 5;
        rotate(static_cast<float>(-polyCounter));
    }
    polyAngle -= static_cast<float>(polyCounter);
    spriteCounter += 5;
    spriteAngle = static_cast<float>(spriteCounter);
    skipMove = true;
}

void SpaceShip::turnLeft(std::int64_t& polyCounter, int& spriteCounter) {
    for (int step = 0; step < 2; ++step) {
        polyCounter += 5;
        rotate(static_cast<float>(polyCounter));
    }
    polyAngle -= static_cast<float>(polyCounter);
    spriteCounter -= 5;
    spriteAngle = static_cast<float>(spriteCounter);
    skipMove = true;
}

void SpaceShip::rotate(float a) {
    polyAngle = a;
    // The angle stays double; only the pivot and the stored points are floats.
    const double r = degree2rad(a);
    const auto cx = static_cast<float>(pivotLocal.x);
    const auto cy = static_cast<float>(pivotLocal.y);
    const double cosR = exact::cos(r);
    const double sinR = exact::sin(r);
    for (auto& p : baseCords) {
        const float dx = p.x - cx;
        const float dy = p.y - cy;
        const double nx = dx * cosR - (dy * sinR + cx);
        const double ny = dx * sinR + (dy * cosR + cy);
        p.x = static_cast<float>(std::fabs(nx));
        p.y = static_cast<float>(std::fabs(ny));
    }
    for (int i = 0; i < kShipPoints; ++i) {
        shipCords[i].x = baseCords[i].x + x_c;
        shipCords[i].y = baseCords[i].y + y_c;
    }
    x_c += t_velocity.x;
    y_c += t_velocity.y;
    spriteRect.x += t_velocity.x;
    spriteRect.y += t_velocity.y;
}

void SpaceShip::drawFrame(SDL_Texture* texture, float a) const {
    if (texture == nullptr) {
        return;
    }
    surface->fitScaleMode(texture);
    surface->copyEx(texture, spriteRect, a);
}

void SpaceShip::drawSprite(float a) {
    if (shieldOn) {
        if (thrustCounter != 0) {
            drawFrame(
                frameAt(thrustShieldTextures, cycled(shieldCounter, thrustShieldTextures.size())),
                a);
            ++thrustCounter;
        } else {
            drawFrame(frameAt(shieldTextures, cycled(shieldCounter, shieldTextures.size())), a);
        }
        ++shieldCounter;
    } else if (thrustCounter != 0) {
        drawFrame(frameAt(thrustTextures, static_cast<std::size_t>(thrustCounter % 2)), a);
        ++thrustCounter;
    } else {
        drawFrame(baseTexture, a);
    }
    if (thrustCounter > thrustFrames) {
        thrustCounter = 0;
    }
    spriteAngle = a;
}

bool SpaceShip::collidesWith(SpaceJunk& rock) {
    if (rectsOverlap(spriteRect, rock.getFRect(false))) {
        bounceOffRock(rock);
        return true;
    }
    return false;
}

void SpaceShip::bounceOffRock(SpaceJunk& rock) {
    rock.t_velocity.x = -rock.t_velocity.x;
    rock.t_velocity.y = -rock.t_velocity.y;
    rock.addVelocity(0.6f);
    decayMomentum();
    t_velocity.x = -t_velocity.x;
    t_velocity.y = -t_velocity.y;
    thrust(0.1f);
    decayMomentum();
}

SDL_Rect SpaceShip::boundingRect() {
    const MinMaxCords m = minMaxOf(shipCords, kShipPoints, minMax);
    minMax = m;
    // Widths in 64 bits: a far-flung outline must not overflow the subtraction.
    auto w = std::int64_t{m.max.x} - m.min.x;
    auto h = std::int64_t{m.max.y} - m.min.y;
    boundsRect = SDL_Rect{m.min.x, m.min.y, static_cast<int>(w > INT_MAX ? INT_MAX : w),
                          static_cast<int>(h > INT_MAX ? INT_MAX : h)};
    return boundsRect;
}

const SDL_Point* SpaceShip::outlinePoints() {
    for (int i = 0; i < kShipPoints; ++i) {
        drawPoints[i] = SDL_Point{truncToInt(shipCords[i].x), truncToInt(shipCords[i].y)};
    }
    return drawPoints;
}

PointF SpaceShip::nosePoint() {
    noseAnchor = PointF(shipCords[0].x, shipCords[0].y);
    return noseAnchor;
}

PointF SpaceShip::centerPoint() {
    centerAnchor = PointF(shipCords[3].x, shipCords[3].y);
    return centerAnchor;
}

PointF SpaceShip::getXY() {
    posAnchor = PointF(x_c, y_c);
    return posAnchor;
}

void SpaceShip::recentre() {
    placeCentred(true);
}

void SpaceShip::placeCentred(bool centringOffset) {
    const float cx = (static_cast<float>(screenWidth) - spriteRect.w) / 2;
    const float cy = (static_cast<float>(screenHeight) - spriteRect.h) / 2;
    spriteRect.x = cx;
    spriteRect.y = cy;
    t_velocity = PointF(0.0f, 0.0f);
    x_c = 0.0f;
    y_c = 0.0f;
    if (centringOffset) {
        centerPolygon();
    }
    movePolygonTo(cx + static_cast<float>(spriteOffset.x), cy + static_cast<float>(spriteOffset.y));
}

void SpaceShip::centerPolygon() {
    x_c = static_cast<float>(wrapWidth / 2);
    y_c = static_cast<float>(wrapHeight / 2);
    for (auto& p : shipCords) {
        p.x += x_c;
        p.y += y_c;
    }
}

void SpaceShip::teleport(int x, int y) {
    spriteRect.x = static_cast<float>(x);
    spriteRect.y = static_cast<float>(y);
    x_c = 0.0f;
    y_c = 0.0f;
    for (int i = 0; i < kShipPoints; ++i) {
        shipCords[i] = baseCords[i];
    }
    movePolygonTo(static_cast<float>(x) + static_cast<float>(spriteOffset.x),
                  static_cast<float>(y) + static_cast<float>(spriteOffset.y));
}

void SpaceShip::syncToSprite() {
    float ox = spriteRect.x + static_cast<float>(spriteOffset.x);
    float oy = spriteRect.y + static_cast<float>(spriteOffset.y);
    for (int i = 0; i < kShipPoints; ++i) {
        shipCords[i].x = baseCords[i].x + ox;
        shipCords[i].y = baseCords[i].y + oy;
    }
    x_c = ox;
    y_c = oy;
}

void SpaceShip::printCords() {
    for (const auto& p : shipCords) {
        std::cout << "x=" << p.x << ",y=" << p.y << std::endl;
    }
}

void SpaceShip::printPoly() const {
    for (const auto& p : baseCords) {
        std::cout << "x=" << p.x << ",y=" << p.y << std::endl;
    }
    std::cout << "g_sprite_frect::x=" << spriteRect.x << ",y=" << spriteRect.y << std::endl;
}

void SpaceShip::setRenderTarget(DrawSurface& target) {
    target.setTarget(baseTexture);
}
