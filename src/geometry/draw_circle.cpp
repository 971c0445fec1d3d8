#include "geometry/draw_circle.h"

#include <cstddef>
#include <vector>

// The whole outline goes to SDL in one call: an accelerated renderer pays per
// call, not per point. The buffer is kept so a frame of circles allocates nothing.
void drawCircle(SDL_Renderer* renderer, int cx, int cy, int radius, ColourRGB colour, Uint8 alpha) {
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, alpha);
    thread_local std::vector<SDL_Point> outline;
    outline.clear();
    int x = radius - 1;
    int y = 0;
    int dx = 1;
    int dy = 1;
    int err = 1 - 2 * radius;
    while (x >= y) {
        const std::size_t n = outline.size();
        outline.resize(n + 8);
        SDL_Point* p = outline.data() + n;
        p[0] = {cx + x, cy + y};
        p[1] = {cx + y, cy + x};
        p[2] = {cx - y, cy + x};
        p[3] = {cx - x, cy + y};
        p[4] = {cx - x, cy - y};
        p[5] = {cx - y, cy - x};
        p[6] = {cx + y, cy - x};
        p[7] = {cx + x, cy - y};
        if (err <= 0) {
            ++y;
            err += dy;
            dy += 2;
        }
        if (err > 0) {
            --x;
            dx += 2;
            err += dx - 2 * radius;
        }
    }
    if (!outline.empty()) {
        SDL_RenderDrawPoints(renderer, outline.data(), static_cast<int>(outline.size()));
    }
}
