// The checks that run at every start; their lines are part of the start-up log.
#pragma once

#include <memory>

#include "geometry/point.h"
#include "objects/space_junk.h"

// The rock check's object: a rock with one extra point. The shell keeps it until shut-down.
struct RockCheck : SpaceJunk {
    // A randomized rock for a 900 x 600 field with id -1.
    RockCheck();
    Point extra{0, 0};
};

// Builds tSJ and logs the rock check.
std::unique_ptr<RockCheck> rockCheck();
// Logs the rock's box without and with the inset.
void rectScaleCheck(SpaceJunk& rock);
void vectorCheck();
// Five draws of randint(0, 2) from a fresh Rand, then a block's bounding points.
void randintBlockCheck();
// One raw draw of the game's generator, then twenty rolls of a six-sided die.
void diceCheck();
