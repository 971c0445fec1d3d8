// The communications satellite: grows as it drifts onto the moon, crosses it, shrinks
// away near its right edge, waits, and starts over.
#pragma once

#include <SDL_rect.h>
#include <SDL_render.h>

#include "backdrop/moon.h"

class Satellite {
  public:
    // The pass ends relative to the moon's right edge.
    explicit Satellite(const SDL_Rect& moon = kMoonRect) : moonRight(moon.x + moon.w) {}

    // Loads the picture and puts the satellite at the start of its pass.
    void load(SDL_Renderer* renderer);
    void draw(DrawSurface& surface) const;
    // Once per frame, after the draw.
    void advance();

    const SDL_FRect& rect() const { return rect_; }
    int countdown() const { return countdown_; }
    SDL_Texture* texture() const { return texture_; }

  private:
    static constexpr SDL_FRect kStart{140.0f, 45.0f, 5.0f, 5.0f};

    SDL_FRect rect_ = kStart;
    int countdown_ = -1;
    // Released with the renderer.
    SDL_Texture* texture_ = nullptr;
    int moonRight;
};
