// Groups Liff cells into islands of touching cells ("buckets") and scales their
// boxes to pixels for outlining and for placing the portal.
#pragma once

#include <SDL_rect.h>

#include <vector>

#include "geometry/point.h"
#include "life/island.h"

class Islands {
  public:
    Islands();

    // Joins the first island with a cell within one step (diagonals too), else starts
    // a new island; a point some island already holds starts a one-point island.
    void addPoint(int x, int y);
    static bool isNeighbour(int x, int y, int qx, int qy);
    bool containsPoint(int x, int y) const;
    int indexOf(int x, int y) const;
    int count() const { return static_cast<int>(buckets.size()); }
    // Indexes are below count().
    Island& islandAt(int index) { return buckets[static_cast<std::size_t>(index)]; }

    // One pass: merges islands whose boxes overlap or lie within one cell of each other.
    void defrag();
    void printStats() const;
    void printIslands() const;

    void setCellSize(Point size) { cellSize = size; }
    // The island's box in pixels, 30 pixels wider and taller than its cells' span.
    SDL_Rect pixelRectOf(int index);
    // Index of the first island whose pixel box overlaps the rectangle, -1 when none.
    int islandTouching(const SDL_Rect& r);

    std::vector<Island> buckets;
    int maxX = 0;
    int maxY = 0;
    SDL_Rect pixelRect{0, 0, 0, 0};
    Point cellSize;
};
