#include "weapons/collisions.h"

void collideWithRocks(std::vector<SpaceJunk>& rocks, SpaceShip& hero, ManageWeapon& ssw,
                      const std::function<void()>& onHit) {
    for (auto it = rocks.begin(); it != rocks.end();) {
        hero.collidesWith(*it);
        if (ssw.getNumMissiles() > 0 && ssw.hitRock(*it)) {
            it = rocks.erase(it);
            onHit();
            continue;
        }
        ++it;
    }
}
