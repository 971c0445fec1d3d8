// The collision step: the ship against every rock, then the missiles.
#pragma once

#include <functional>
#include <vector>

#include "objects/space_junk.h"
#include "objects/space_ship.h"
#include "weapons/manage_weapon.h"

// Walks the rocks in order: the ship bounces off any rock it touches (at no cost);
// a rock hit by a missile is erased, onHit runs, and the rock after it is still
// tested in the same pass.
void collideWithRocks(std::vector<SpaceJunk>& rocks, SpaceShip& hero, ManageWeapon& ssw,
                      const std::function<void()>& onHit);
