// A rock of the default outline (full box x 4..50, y 10..57; inset hit box x 17..38, y 23..45)
// moved by (dx, dy), for the rock's and the weapons' tests.
#pragma once

#include "objects/space_junk.h"

inline SpaceJunk shiftedRock(float dx, float dy, int id = -1, int w = 900, int h = 600) {
    SpaceJunk rock(w, h, id, false);
    for (auto& p : rock.rockCords) {
        p = {p.x + dx, p.y + dy};
    }
    return rock;
}
