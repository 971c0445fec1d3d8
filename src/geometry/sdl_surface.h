// The surface that draws: each call straight to the SDL renderer.
#pragma once

#include "geometry/draw_surface.h"

class SdlSurface final : public DrawSurface {
  public:
    explicit SdlSurface(SDL_Renderer* renderer) : to(renderer) {}

    SDL_Renderer* renderer() const override { return to; }
    void setColour(SDL_Color colour) override;
    SDL_Color colour() const override;
    void setBlend(SDL_BlendMode mode) override;
    SDL_BlendMode blend() const override;
    void setScale(SDL_FPoint scale) override;
    SDL_FPoint scale() const override;
    void setLogicalSize(int width, int height) override;
    void setTarget(SDL_Texture* texture) override;
    void fitScaleMode(SDL_Texture* texture) override;
    void clear() override;
    void copy(SDL_Texture* texture, const SDL_Rect* dst) override;
    void copyEx(SDL_Texture* texture, const SDL_Rect& dst, double angle) override;
    void copyEx(SDL_Texture* texture, const SDL_FRect& dst, double angle) override;
    void points(const SDL_Point* points, int count) override;
    void lines(const SDL_Point* points, int count) override;
    void rect(const SDL_Rect& rect) override;
    void fillRects(const SDL_Rect* rects, int count) override;
    void geometry(const SDL_Vertex* vertices, int count, const int* indices,
                  int indexCount) override;
    void present() override;
    void release(SDL_Texture* texture) override;

  private:
    SDL_Renderer* to;
};
