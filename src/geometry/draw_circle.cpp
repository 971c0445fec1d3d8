#include "geometry/draw_circle.h"

void drawCircle(SDL_Renderer* renderer, int cx, int cy, int radius, ColourRGB colour, Uint8 alpha) {
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, alpha);
    int x = radius - 1;
    int y = 0;
    int dx = 1;
    int dy = 1;
    int err = 1 - 2 * radius;
    while (x >= y) {
        SDL_RenderDrawPoint(renderer, cx + x, cy + y);
        SDL_RenderDrawPoint(renderer, cx + y, cy + x);
        SDL_RenderDrawPoint(renderer, cx - y, cy + x);
        SDL_RenderDrawPoint(renderer, cx - x, cy + y);
        SDL_RenderDrawPoint(renderer, cx - x, cy - y);
        SDL_RenderDrawPoint(renderer, cx - y, cy - x);
        SDL_RenderDrawPoint(renderer, cx + y, cy - x);
        SDL_RenderDrawPoint(renderer, cx + x, cy - y);
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
}
