#include "geometry/outline_batch.h"

#include <cmath>
#include <cstdlib>

#include "geometry/render_scale.h"

namespace {
SDL_Color drawColour(SDL_Renderer* renderer) {
    SDL_Color c{};
    SDL_GetRenderDrawColor(renderer, &c.r, &c.g, &c.b, &c.a);
    return c;
}

bool operator!=(SDL_Color a, SDL_Color b) {
    return a.r != b.r || a.g != b.g || a.b != b.b || a.a != b.a;
}

// Half the quad's width across the line: a hair over half a pixel, so a line passing exactly
// between two pixel centres still lights one of them whatever the rasteriser rounds.
constexpr float kHalfWidth = 0.51F;
// How far the quad runs past each end's pixel centre: short of the next centre.
constexpr float kEndReach = 0.49F;
} // namespace

OutlineBatch::OutlineBatch(SDL_Renderer* r) : OutlineBatch(r, styleFor(r)) {}

OutlineBatch::OutlineBatch(SDL_Renderer* r, Style s) : renderer(r), style(s) {
    SDL_RenderGetScale(renderer, &scale.x, &scale.y);
    shrunk = style == Style::Geometry && drawsShrunk(renderer);
}

OutlineBatch::~OutlineBatch() {
    flush();
}

OutlineBatch::Style OutlineBatch::styleFor(SDL_Renderer* renderer) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 || (info.flags & SDL_RENDERER_SOFTWARE) != 0) {
        return Style::Lines;
    }
    // On a desktop the driver's lines rasterise cheaper than thin quads (Mesa's llvmpipe
    // measured a heavy frame 1 ms dearer as geometry); WebGL pays per call instead.
    // Below x1 SDL's own lines and points shrink under a pixel and break up.
    const bool geometry = drawsShrunk(renderer) || SDL_strcmp(info.name, "opengles2") == 0;
    return geometry ? Style::Geometry : Style::LinesAndCorners;
}

void OutlineBatch::add(const SDL_Point* points, int count) {
    if (style != Style::Geometry) {
        SDL_RenderDrawLines(renderer, points, count);
        if (style == Style::LinesAndCorners && count > 0) {
            keepColour();
            corners.insert(corners.end(), points, points + count);
        }
        return;
    }
    const SDL_Color now = drawColour(renderer);
    for (int i = 0; i + 1 < count; ++i) {
        addSegment(points[i], points[i + 1], now);
    }
    if (count == 1) {
        addSegment(points[0], points[0], now);
    }
}

void OutlineBatch::add(const SDL_Rect& rect) {
    if (style == Style::Lines) {
        SDL_RenderDrawRect(renderer, &rect);
        return;
    }
    if (rect.w <= 0 || rect.h <= 0) {
        return;
    }
    const int right = rect.x + rect.w - 1;
    const int bottom = rect.y + rect.h - 1;
    const SDL_Point around[] = {
        {rect.x, rect.y}, {right, rect.y}, {right, bottom}, {rect.x, bottom}, {rect.x, rect.y}};
    if (style == Style::Geometry) {
        add(around, 5);
        return;
    }
    SDL_RenderDrawRect(renderer, &rect);
    keepColour();
    corners.insert(corners.end(), around, around + 4);
}

void OutlineBatch::addPoints(const SDL_Point* points, int count) {
    if (!shrunk) {
        SDL_RenderDrawPoints(renderer, points, count);
        return;
    }
    const SDL_Color now = drawColour(renderer);
    for (int i = 0; i < count; ++i) {
        addSegment(points[i], points[i], now);
    }
}

void OutlineBatch::keepColour() {
    const SDL_Color now = drawColour(renderer);
    if (!corners.empty() && now != colour) {
        lightCorners();
    }
    colour = now;
}

void OutlineBatch::lightCorners() {
    if (corners.empty()) {
        return;
    }
    const SDL_Color now = drawColour(renderer);
    SDL_SetRenderDrawColor(renderer, colour.r, colour.g, colour.b, colour.a);
    SDL_RenderDrawPoints(renderer, corners.data(), static_cast<int>(corners.size()));
    SDL_SetRenderDrawColor(renderer, now.r, now.g, now.b, now.a);
    corners.clear();
}

// The segment's pixels are those whose centres lie within half a pixel of the line across its
// shorter axis: a parallelogram with two sides parallel to the longer axis.
std::array<SDL_FPoint, 4> OutlineBatch::quadOf(SDL_Point a, SDL_Point b) {
    const float dx = static_cast<float>(b.x - a.x);
    const float dy = static_cast<float>(b.y - a.y);
    const bool xMajor = std::abs(b.x - a.x) >= std::abs(b.y - a.y);
    const float major = xMajor ? dx : dy;
    // Per unit along the longer axis; a single point reaches out on both axes alike.
    const float step = major == 0.0F ? 0.0F : (xMajor ? dy : dx) / major;
    const float dir = major < 0.0F ? -1.0F : 1.0F;
    const float ax = static_cast<float>(a.x) + 0.5F;
    const float ay = static_cast<float>(a.y) + 0.5F;
    const float bx = static_cast<float>(b.x) + 0.5F;
    const float by = static_cast<float>(b.y) + 0.5F;
    // Each end moved out along the line, then the two sides across it.
    const float ex = xMajor ? kEndReach * dir : kEndReach * dir * step;
    const float ey = xMajor ? kEndReach * dir * step : kEndReach * dir;
    const float wx = xMajor ? 0.0F : kHalfWidth;
    const float wy = xMajor ? kHalfWidth : 0.0F;
    return {SDL_FPoint{ax - ex - wx, ay - ey - wy}, SDL_FPoint{bx + ex - wx, by + ey - wy},
            SDL_FPoint{bx + ex + wx, by + ey + wy}, SDL_FPoint{ax - ex + wx, ay - ey + wy}};
}

std::array<SDL_FPoint, 4> OutlineBatch::quadAt(SDL_Point a, SDL_Point b, SDL_FPoint scale) {
    auto windowPixel = [&](SDL_Point p) {
        return SDL_Point{static_cast<int>(std::floor((static_cast<float>(p.x) + 0.5F) * scale.x)),
                         static_cast<int>(std::floor((static_cast<float>(p.y) + 0.5F) * scale.y))};
    };
    std::array<SDL_FPoint, 4> quad = quadOf(windowPixel(a), windowPixel(b));
    for (SDL_FPoint& corner : quad) {
        corner = {corner.x / scale.x, corner.y / scale.y};
    }
    return quad;
}

void OutlineBatch::addSegment(SDL_Point a, SDL_Point b, SDL_Color colour) {
    const int first = static_cast<int>(vertices.size());
    for (const SDL_FPoint& corner : shrunk ? quadAt(a, b, scale) : quadOf(a, b)) {
        vertices.push_back({corner, colour, {0.0F, 0.0F}});
    }
    indices.insert(indices.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
}

void OutlineBatch::flush() {
    lightCorners();
    if (vertices.empty()) {
        return;
    }
    SDL_RenderGeometry(renderer, nullptr, vertices.data(), static_cast<int>(vertices.size()),
                       indices.data(), static_cast<int>(indices.size()));
    vertices.clear();
    indices.clear();
}
