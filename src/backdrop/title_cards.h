// The two title cards, shown at half their size in the middle of the window and faded
// out over the first seconds of play.
#pragma once

#include <SDL_rect.h>
#include <SDL_render.h>

#include "geometry/draw_surface.h"

// Where the fade starts: fully opaque.
constexpr int kTitleFadeStart = 255;

class TitleCards {
  public:
    void load(SDL_Renderer* renderer, int windowWidth, int windowHeight);
    // Lowers the fade alpha by 5; the cards take each value that is still 0 or more,
    // so once it falls below 0 they stay fully transparent.
    void fadeStep(int& fadeAlpha);
    void draw(DrawSurface& surface) const;
    // At shut-down, before the renderer goes.
    void destroy();

    const SDL_Rect& rect1() const { return rTitle1; }
    const SDL_Rect& rect2() const { return rTitle2; }
    SDL_Texture* texture1() const { return title1; }
    SDL_Texture* texture2() const { return title2; }

  private:
    SDL_Texture* title1 = nullptr;
    SDL_Texture* title2 = nullptr;
    // Zero until a picture loads, so a missing one covers nothing.
    SDL_Rect rTitle1{0, 0, 0, 0};
    SDL_Rect rTitle2{0, 0, 0, 0};
};
