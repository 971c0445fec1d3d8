#include "geometry/outline_batch.h"

namespace {
SDL_Color drawColour(SDL_Renderer* renderer) {
    SDL_Color c{};
    SDL_GetRenderDrawColor(renderer, &c.r, &c.g, &c.b, &c.a);
    return c;
}

bool operator!=(SDL_Color a, SDL_Color b) {
    return a.r != b.r || a.g != b.g || a.b != b.b || a.a != b.a;
}
} // namespace

OutlineBatch::OutlineBatch(SDL_Renderer* r) : OutlineBatch(r, needsCorners(r)) {}

OutlineBatch::OutlineBatch(SDL_Renderer* r, bool lightCorners)
    : renderer(r), corners(lightCorners) {}

OutlineBatch::~OutlineBatch() {
    lightCorners();
}

bool OutlineBatch::needsCorners(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    return SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) == 0;
}

void OutlineBatch::add(const SDL_Point* points, int count) {
    SDL_RenderDrawLines(renderer, points, count);
    if (corners && count > 0) {
        keepColour();
        held.insert(held.end(), points, points + count);
    }
}

void OutlineBatch::add(const SDL_Rect& rect) {
    SDL_RenderDrawRect(renderer, &rect);
    if (!corners || rect.w <= 0 || rect.h <= 0) {
        return;
    }
    keepColour();
    const int right = rect.x + rect.w - 1;
    const int bottom = rect.y + rect.h - 1;
    held.insert(held.end(), {{rect.x, rect.y}, {right, rect.y}, {right, bottom}, {rect.x, bottom}});
}

void OutlineBatch::keepColour() {
    const SDL_Color now = drawColour(renderer);
    if (!held.empty() && now != colour) {
        lightCorners();
    }
    colour = now;
}

void OutlineBatch::lightCorners() {
    if (held.empty()) {
        return;
    }
    const SDL_Color now = drawColour(renderer);
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
    SDL_RenderDrawPoints(renderer, held.data(), static_cast<int>(held.size()));
    SDL_SetRenderDrawColor(renderer, now.r, now.g, now.b, now.a);
    held.clear();
}
