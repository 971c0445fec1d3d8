// A cluster of Liff cells (column, row) and its bounding box.
#pragma once

#include <SDL_rect.h>

#include <vector>

#include "geometry/point.h"

class Island {
  public:
    Island() = default;
    explicit Island(Point p);

    // A point already held is ignored.
    void addPoint(int x, int y);
    bool contains(const Point& p) const;
    void print() const;

    std::vector<Point> pts;
    Point min;
    Point max;
    // w and h are max - min: a one-point island has w = h = 0.
    SDL_Rect rect{0, 0, 0, 0};
};
