// Where a frame draws. The game draws every picture, outline and fill through this, so the
// same frame can be drawn by SDL, by nothing (a recording checked without a screen), or
// recorded; whatever a frame changes besides its pixels happens whichever surface it has.
// Pictures are still made for a real renderer (`renderer()`), drawn or not.
#pragma once

#include <SDL_render.h>

class DrawSurface {
  public:
    virtual ~DrawSurface() = default;
    DrawSurface() = default;
    DrawSurface(const DrawSurface&) = delete;
    DrawSurface& operator=(const DrawSurface&) = delete;

    // The renderer pictures are made for.
    virtual SDL_Renderer* renderer() const = 0;

    virtual void setColour(SDL_Color colour) = 0;
    virtual SDL_Color colour() const = 0;
    virtual void setBlend(SDL_BlendMode mode) = 0;
    virtual SDL_BlendMode blend() const = 0;
    virtual void setScale(SDL_FPoint scale) = 0;
    virtual SDL_FPoint scale() const = 0;
    // 0 x 0 draws in window pixels.
    virtual void setLogicalSize(int width, int height) = 0;
    virtual void setTarget(SDL_Texture* texture) = 0;
    // Linear sampling while shrunk, the nearest pixel otherwise.
    virtual void fitScaleMode(SDL_Texture* texture) = 0;

    virtual void clear() = 0;
    virtual void copy(SDL_Texture* texture, const SDL_Rect* dst) = 0;
    virtual void copyEx(SDL_Texture* texture, const SDL_Rect& dst, double angle) = 0;
    virtual void copyEx(SDL_Texture* texture, const SDL_FRect& dst, double angle) = 0;
    virtual void points(const SDL_Point* points, int count) = 0;
    virtual void lines(const SDL_Point* points, int count) = 0;
    virtual void rect(const SDL_Rect& rect) = 0;
    virtual void fillRects(const SDL_Rect* rects, int count) = 0;
    virtual void geometry(const SDL_Vertex* vertices, int count, const int* indices,
                          int indexCount) = 0;
    virtual void present() = 0;
    // A picture no longer drawn after this frame (a label's old text).
    virtual void release(SDL_Texture* texture) = 0;

    void setColour(Uint8 r, Uint8 g, Uint8 b, Uint8 a) { setColour(SDL_Color{r, g, b, a}); }
    void fillRect(const SDL_Rect& r) { fillRects(&r, 1); }
    // Whether the scale is below 1 on either axis.
    bool shrunk() const {
        const SDL_FPoint s = scale();
        return s.x < 1.0F || s.y < 1.0F;
    }
};
