// Rectangles and bounding-point records shared by the polygon objects.
#pragma once

#include <SDL_rect.h>

#include "geometry/point.h"

struct MinMaxCords {
    Point min;
    Point max;
    Point min_idx;
    Point max_idx;
};

// Bounding points of a polygon's first `count` points, each coordinate truncated
// toward zero. Ties keep the earlier point; index entries that no point sets keep
// their values from `previous`.
MinMaxCords minMaxOf(const SDL_FPoint* points, int count, MinMaxCords previous);

// Touching boxes count as overlapping.
bool rectsOverlap(const SDL_FRect& a, const SDL_FRect& b);
void printRect(const SDL_Rect& r);
void printMinMax(const MinMaxCords& m);
