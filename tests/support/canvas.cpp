#include "support/canvas.h"

Canvas::Canvas(int width, int height)
    : surface(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888)),
      renderer(SDL_CreateSoftwareRenderer(surface)) {
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
}

Canvas::~Canvas() {
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
}

SDL_Color surfacePixel(SDL_Surface* surface, int x, int y) {
    SDL_Color c{0, 0, 0, 0};
    if (x < 0 || y < 0 || x >= surface->w || y >= surface->h) {
        return c;
    }
    const auto* row = static_cast<Uint8*>(surface->pixels) + y * surface->pitch;
    SDL_GetRGBA(reinterpret_cast<const Uint32*>(row)[x], surface->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

int countColour(SDL_Surface* surface, SDL_Color colour, SDL_Rect area) {
    if (SDL_RectEmpty(&area)) {
        area = {0, 0, surface->w, surface->h};
    }
    int n = 0;
    for (int i = 0; i < area.w * area.h; ++i) {
        const SDL_Color c = surfacePixel(surface, area.x + i % area.w, area.y + i / area.w);
        n += c.r == colour.r && c.g == colour.g && c.b == colour.b;
    }
    return n;
}

SDL_Color Canvas::pixel(int x, int y) const {
    SDL_RenderFlush(renderer);
    return surfacePixel(surface, x, y);
}

int Canvas::count(SDL_Color colour) const {
    SDL_RenderFlush(renderer);
    return countColour(surface, colour);
}

int Canvas::countNonBlack() const {
    return surface->w * surface->h - count(SDL_Color{0, 0, 0, 255});
}

SDL_Color Canvas::drawColour() const {
    SDL_Color c{7, 7, 7, 7}; // a colour no test draws with, left if SDL cannot say
    SDL_GetRenderDrawColor(renderer, &c.r, &c.g, &c.b, &c.a);
    return c;
}
