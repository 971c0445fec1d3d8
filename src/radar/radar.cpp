#include "radar/radar.h"

#include "geometry/angles.h"
#include "geometry/draw_circle.h"
#include "geometry/numeric.h"
#include "geometry/outline_batch.h"

namespace {
constexpr ColourRGB kScopeGreen{168, 198, 78};
constexpr ColourRGB kHeroWhite{255, 255, 255};
} // namespace

Radar::Radar(Point windowSize) : screenSize(windowSize) {
    const int w = screenSize.x;
    sweep = {SDL_Point{w - 80, 140}, SDL_Point{w - 80, 65}};
}

void Radar::drawRadar(DrawSurface& surface) {
    const int w = screenSize.x;
    const int h = screenSize.y;
    // A world 1.5 windows wide and 1.125 high maps onto 140 x 130 pixels at (W - 125, 15).
    const float worldW = static_cast<float>(1.5 * w);
    const float worldH = static_cast<float>(1.125 * h);
    const float scaleX = 140.0f / worldW;
    const float scaleY = 130.0f / worldH;
    const int originX = w - 125;
    const int originY = 15;
    auto plot = [&](Point p) {
        circles.add(truncToInt(scaleX * static_cast<float>(p.x)) + originX,
                    truncToInt(scaleY * static_cast<float>(p.y)) + originY, 2);
    };

    hLine = {SDL_Point{w - 145, 65}, SDL_Point{w - 15, 65}};
    vLine = {SDL_Point{w - 80, 0}, SDL_Point{w - 80, 130}};
    drawCircle(surface, w - 80, 65, 60, kScopeGreen, 0);
    {
        OutlineBatch lines(surface);
        lines.add(sweep.data(), 2);
        lines.add(hLine.data(), 2);
        lines.add(vLine.data(), 2);
    }
    for (const Point& p : blips) {
        plot(p);
    }
    circles.draw(surface, kScopeGreen, 0);
    plot(heroPos);
    circles.draw(surface, kHeroWhite, 0);

    if (drawCount % sweepEvery == 0) {
        sweepAngle += 10.0f;
        // The hand turns about (W - 95, 65), not about the ring's centre.
        sweep[0] = SDL_Point{static_cast<int>((w - 95) - sinScaled(30.0, sweepAngle)),
                             static_cast<int>(65 - cosScaled(30.0, sweepAngle))};
    }
    // Wraps after 2^31 draws instead of overflowing.
    drawCount = static_cast<int>(static_cast<unsigned>(drawCount) + 1u);
    blips.clear();
}
