// Where a shot goes: the heading from the ship's rear notch to its nose,
// adjusted by the sprite angle, turned into the missile's own angle.
#pragma once

#include "geometry/point.h"

// Plus 20 when the sprite angle mod 360 is 0 or +-180, minus 20 when it is
// +-90 or +-270, then plus 90 (the missile measures from the right).
float missileAngle(const PointF& rearNotch, const PointF& nose, int spriteAngle);
