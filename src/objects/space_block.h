// One live Liff cell on screen: a 20 x 20 square outline, a still sibling of the rock.
#pragma once

#include <SDL_rect.h>

#include "geometry/rect.h"
#include "objects/space_item.h"

class SpaceBlock : public SpaceItem {
  public:
    static constexpr int kBlockPoints = 5;

    SpaceBlock(int width, int height, int id, bool reseed);
    // The base starts afresh from the field size and id, so a copy's centre returns
    // to (50, 75); the outline, bounds and velocity are copied.
    SpaceBlock(const SpaceBlock& other);
    SpaceBlock& operator=(const SpaceBlock&) = default;
    ~SpaceBlock() override = default;

    // Places the centre at (x, y) and moves the outline by the same amount.
    void moveTo(float x, float y);
    int getPointCount() const { return rockPointCount; }
    const SDL_Point* outlinePoints();
    // Over the float outline; hides the base polygon's form.
    MinMaxCords getMinMaxCords();

    int rockPointCount = kBlockPoints;
    SDL_FPoint rockCords[kBlockPoints] = {{5, 5}, {5, 25}, {25, 25}, {25, 5}, {5, 5}};
    SDL_Point intCords[kBlockPoints] = {};
};
