// The landing platform: a three-cornered outline that jitters up and down.
#pragma once

#include <SDL_rect.h>
#include <SDL_render.h>

#include <array>

#include "geometry/draw_surface.h"

class LandingPlatform {
  public:
    // Draws two numbers from the game's generator every time, moved or not.
    void wobble();
    // In the renderer's current draw colour.
    void draw(DrawSurface& surface) const;

    const std::array<SDL_Point, 4>& points() const { return platformPts; }

  private:
    // Closed strip: the last point repeats the first.
    std::array<SDL_Point, 4> platformPts{{{100, 450}, {150, 500}, {200, 450}, {100, 450}}};
};
