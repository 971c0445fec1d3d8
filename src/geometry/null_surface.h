// The surface that draws nothing: a frame's state moves on as it would on screen, its pixels
// cost nothing. It keeps the draw colour, blend mode and scale, which drawing code reads back.
#pragma once

#include "geometry/draw_surface.h"

class NullSurface : public DrawSurface {
  public:
    // Pictures are still made for this renderer, which may be null.
    explicit NullSurface(SDL_Renderer* forPictures = nullptr) : pictures(forPictures) {}

    SDL_Renderer* renderer() const override { return pictures; }
    void setColour(SDL_Color c) override { drawColour = c; }
    SDL_Color colour() const override { return drawColour; }
    void setBlend(SDL_BlendMode mode) override { blendMode = mode; }
    SDL_BlendMode blend() const override { return blendMode; }
    void setScale(SDL_FPoint s) override { drawScale = s; }
    SDL_FPoint scale() const override { return drawScale; }
    void setLogicalSize(int, int) override {}
    void setTarget(SDL_Texture*) override {}
    void fitScaleMode(SDL_Texture*) override {}
    void clear() override {}
    void copy(SDL_Texture*, const SDL_Rect*) override {}
    void copyEx(SDL_Texture*, const SDL_Rect&, double) override {}
    void copyEx(SDL_Texture*, const SDL_FRect&, double) override {}
    void points(const SDL_Point*, int) override {}
    void lines(const SDL_Point*, int) override {}
    void rect(const SDL_Rect&) override {}
    void fillRects(const SDL_Rect*, int) override {}
    void geometry(const SDL_Vertex*, int, const int*, int) override {}
    void present() override {}
    // The picture is no longer anyone's: freed, drawn or not.
    void release(SDL_Texture* texture) override { SDL_DestroyTexture(texture); }

  private:
    SDL_Renderer* pictures;
    SDL_Color drawColour{0, 0, 0, 255};
    SDL_BlendMode blendMode = SDL_BLENDMODE_NONE;
    SDL_FPoint drawScale{1.0F, 1.0F};
};
