#include "weapons/fire_rule.h"

#include "geometry/angles.h"

float missileAngle(const PointF& rearNotch, const PointF& nose, int spriteAngle) {
    float heading = getDirection(rearNotch, nose);
    const int g = spriteAngle % 360;
    if (g == 0 || g == 180 || g == -180) {
        heading += 20;
    } else if (g == 90 || g == 270 || g == -90 || g == -270) {
        heading -= 20;
    }
    return heading + 90;
}
