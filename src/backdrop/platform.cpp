#include "backdrop/platform.h"

#include "geometry/game_rand.h"
#include "geometry/outline_batch.h"

namespace {
void shift(std::array<SDL_Point, 4>& pts, int dy) {
    for (SDL_Point& p : pts) {
        p.y += dy;
    }
}
} // namespace

void LandingPlatform::wobble() {
    // Point 1, the lower corner, keeps the outline between y = 490 and 550.
    if (gameRand() % 45 == 0 && platformPts[1].y > 485 && platformPts[1].y < 550) {
        shift(platformPts, 5);
    }
    if (gameRand() % 50 == 0 && platformPts[1].y > 491 && platformPts[1].y < 555) {
        shift(platformPts, -5);
    }
}

void LandingPlatform::draw(DrawSurface& surface) const {
    OutlineBatch(surface).add(platformPts.data(), 4);
}
