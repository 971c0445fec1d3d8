// The moon picture behind the play field.
#pragma once

#include <SDL_rect.h>
#include <SDL_render.h>

#include "geometry/draw_surface.h"

// Where the game draws the moon; the satellite's path ends at its right edge.
constexpr SDL_Rect kMoonRect{-20, -20, 790, 790};

class Moon {
  public:
    void load(SDL_Renderer* renderer);
    void draw(DrawSurface& surface, const SDL_Rect& where) const;

    SDL_Texture* texture() const { return texture_; }

  private:
    // Released with the renderer.
    SDL_Texture* texture_ = nullptr;
};
