#include "geometry/draw_circle.h"

#include <cstddef>

#include "geometry/outline_batch.h"

void drawCircle(DrawSurface& surface, int cx, int cy, int radius, ColourRGB colour, Uint8 alpha) {
    // Kept, so a frame of circles allocates nothing.
    thread_local CircleBatch one;
    one.add(cx, cy, radius);
    one.draw(surface, colour, alpha);
}

void CircleBatch::add(int cx, int cy, int radius) {
    any = true;
    int x = radius - 1;
    int y = 0;
    int dx = 1;
    int dy = 1;
    int err = 1 - 2 * radius;
    while (x >= y) {
        const std::size_t n = points.size();
        points.resize(n + 8);
        SDL_Point* p = points.data() + n;
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
}

void CircleBatch::draw(DrawSurface& surface, ColourRGB colour, Uint8 alpha) {
    if (!any) {
        return;
    }
    surface.setColour(colour.r, colour.g, colour.b, alpha);
    if (!points.empty()) {
        OutlineBatch(surface).addPoints(points.data(), static_cast<int>(points.size()));
    }
    points.clear();
    any = false;
}
