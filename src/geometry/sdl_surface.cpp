#include "geometry/sdl_surface.h"

void SdlSurface::setColour(SDL_Color c) {
    SDL_SetRenderDrawColor(to, c.r, c.g, c.b, c.a);
}

SDL_Color SdlSurface::colour() const {
    SDL_Color c{};
    SDL_GetRenderDrawColor(to, &c.r, &c.g, &c.b, &c.a);
    return c;
}

void SdlSurface::setBlend(SDL_BlendMode mode) {
    SDL_SetRenderDrawBlendMode(to, mode);
}

SDL_BlendMode SdlSurface::blend() const {
    SDL_BlendMode mode = SDL_BLENDMODE_NONE;
    SDL_GetRenderDrawBlendMode(to, &mode);
    return mode;
}

void SdlSurface::setScale(SDL_FPoint s) {
    SDL_RenderSetScale(to, s.x, s.y);
}

SDL_FPoint SdlSurface::scale() const {
    SDL_FPoint s{1.0F, 1.0F};
    SDL_RenderGetScale(to, &s.x, &s.y);
    return s;
}

void SdlSurface::setLogicalSize(int width, int height) {
    SDL_RenderSetLogicalSize(to, width, height);
}

void SdlSurface::setTarget(SDL_Texture* texture) {
    SDL_SetRenderTarget(to, texture);
}

void SdlSurface::fitScaleMode(SDL_Texture* texture) {
    const SDL_ScaleMode want = shrunk() ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
    SDL_ScaleMode have = want;
    if (SDL_GetTextureScaleMode(texture, &have) == 0 && have != want) {
        SDL_SetTextureScaleMode(texture, want);
    }
}

void SdlSurface::clear() {
    SDL_RenderClear(to);
}

void SdlSurface::copy(SDL_Texture* texture, const SDL_Rect* dst) {
    SDL_RenderCopy(to, texture, nullptr, dst);
}

void SdlSurface::copyEx(SDL_Texture* texture, const SDL_Rect& dst, double angle) {
    SDL_RenderCopyEx(to, texture, nullptr, &dst, angle, nullptr, SDL_FLIP_NONE);
}

void SdlSurface::copyEx(SDL_Texture* texture, const SDL_FRect& dst, double angle) {
    SDL_RenderCopyExF(to, texture, nullptr, &dst, angle, nullptr, SDL_FLIP_NONE);
}

void SdlSurface::points(const SDL_Point* p, int count) {
    SDL_RenderDrawPoints(to, p, count);
}

void SdlSurface::lines(const SDL_Point* p, int count) {
    SDL_RenderDrawLines(to, p, count);
}

void SdlSurface::rect(const SDL_Rect& r) {
    SDL_RenderDrawRect(to, &r);
}

void SdlSurface::fillRects(const SDL_Rect* rects, int count) {
    SDL_RenderFillRects(to, rects, count);
}

void SdlSurface::geometry(const SDL_Vertex* vertices, int count, const int* indices,
                          int indexCount) {
    SDL_RenderGeometry(to, nullptr, vertices, count, indices, indexCount);
}

void SdlSurface::present() {
    SDL_RenderPresent(to);
}

void SdlSurface::release(SDL_Texture* texture) {
    SDL_DestroyTexture(texture);
}
