#include "objects/space_block.h"

#include "geometry/calendar_clock.h"
#include "geometry/numeric.h"

SpaceBlock::SpaceBlock(int width, int height, int id, bool reseed) : SpaceItem(width, height, id) {
    // The copy constructor rebuilds the base from these, so they must hold the field size.
    screenWidth = width;
    screenHeight = height;
    getMinMaxCords();
    if (reseed) {
        reseedFromClock();
    }
}

SpaceBlock::SpaceBlock(const SpaceBlock& other)
    : SpaceItem(other.screenWidth, other.screenHeight, other.obj_id) {
    // The screen size too, so that a copy of a copy is still built for the same field.
    copyFieldOf(other);
    rockPointCount = other.rockPointCount;
    for (int i = 0; i < kBlockPoints; ++i) {
        rockCords[i] = other.rockCords[i];
    }
    t_velocity = other.t_velocity;
}

void SpaceBlock::moveTo(float x, float y) {
    x_c = x;
    y_c = y;
    for (int i = 0; i < rockPointCount; ++i) {
        rockCords[i].x += x;
        rockCords[i].y += y;
    }
}

const SDL_Point* SpaceBlock::outlinePoints() {
    for (int i = 0; i < kBlockPoints; ++i) {
        intCords[i] = SDL_Point{truncToInt(rockCords[i].x), truncToInt(rockCords[i].y)};
    }
    return intCords;
}

MinMaxCords SpaceBlock::getMinMaxCords() {
    minMax = minMaxOf(rockCords, rockPointCount, minMax);
    return minMax;
}
