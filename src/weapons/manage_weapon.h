// The missiles in flight: firing within the magazine, the per-frame advance,
// drawing, and the hit test of the missiles against one rock.
#pragma once

#include <SDL_render.h>

#include <vector>

#include "geometry/draw_circle.h"
#include "geometry/point.h"
#include "objects/ship_weapon.h"
#include "objects/space_junk.h"

// Missiles in flight, whatever the magazine: a missile lives 270 frames and a player fires at
// most about one a frame (a held key repeats about 30 times a second), so play keeps a few
// hundred at most. A score of 2^31 - 1 (an edited "game.txt") gives a magazine of 42.9 million,
// which took gigabytes; this keeps them under 1 MiB.
inline constexpr int kMaxMissilesInFlight = 1024;

class ManageWeapon {
  public:
    ManageWeapon(int width, int height);

    // False, changing nothing, when the magazine is full (or kMaxMissilesInFlight are up).
    bool fireMissile(PointF velocity, PointF position, float angle);
    // True when a missile hit the rock; that missile is gone on return.
    bool hitRock(SpaceJunk& rock);
    void updateMissiles();
    void drawMissiles(DrawSurface& surface, ColourRGB colour);

    int getNumMissiles() const { return static_cast<int>(missiles.size()); }
    int getMaxMissiles() const { return maxMissiles; }
    void addMaxMissiles(int n);

    std::vector<ShipWeapon> missiles;
    CircleBatch circles;
    int winWidth = 0;
    int winHeight = 0;
    int maxMissiles = 75;
    float missileTTL = 140.0f;
};
