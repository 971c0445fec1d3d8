// Single-pixel midpoint circle outlines.
#pragma once

#include <SDL_render.h>

#include <vector>

#include "geometry/draw_surface.h"

struct ColourRGB {
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
};

// Leaves the draw colour set to (colour, alpha): later outlines rely on it.
void drawCircle(DrawSurface& surface, int cx, int cy, int radius, ColourRGB colour, Uint8 alpha);

// Circles of one colour gathered and drawn in one call: the same pixels and the same draw colour
// after it as drawCircle on each in turn, but an accelerated renderer pays per call, so a frame
// of missiles or blips costs one. With nothing added, draw leaves the surface alone.
class CircleBatch {
  public:
    void add(int cx, int cy, int radius);
    void draw(DrawSurface& surface, ColourRGB colour, Uint8 alpha);

  private:
    std::vector<SDL_Point> points;
    bool any = false;
};
