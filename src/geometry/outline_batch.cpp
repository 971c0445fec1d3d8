#include "geometry/outline_batch.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {
bool operator!=(SDL_Color a, SDL_Color b) {
    return a.r != b.r || a.g != b.g || a.b != b.b || a.a != b.a;
}

// Half the quad's width across the line: a hair over half a pixel, so a line passing exactly
// between two pixel centres still lights one of them whatever the rasteriser rounds.
constexpr float kHalfWidth = 0.51F;
// How far the quad runs past each end's pixel centre: short of the next centre.
constexpr float kEndReach = 0.49F;

// Keeps the first of each repeated point, in order, and gives how many are left: a bit per
// pixel of their bounding box, small enough to stay in cache across the field (points spread
// wider than that allows stay as they are).
std::size_t dropRepeats(std::vector<SDL_Point>& points) {
    if (points.empty()) {
        return 0;
    }
    SDL_Rect box{points[0].x, points[0].y, 1, 1};
    SDL_EnclosePoints(points.data(), static_cast<int>(points.size()), nullptr, &box);
    const std::size_t area = static_cast<std::size_t>(box.w) * static_cast<std::size_t>(box.h);
    if (area > (std::size_t{1} << 27)) {
        return points.size();
    }
    thread_local std::vector<std::uint64_t> seen;
    seen.resize(std::max(seen.size(), area / 64 + 1));
    auto bit = [&](SDL_Point p) {
        return static_cast<std::size_t>(p.y - box.y) * static_cast<std::size_t>(box.w) +
               static_cast<std::size_t>(p.x - box.x);
    };
    std::size_t kept = 0;
    for (const SDL_Point& p : points) {
        const std::size_t at = bit(p);
        const std::uint64_t mask = std::uint64_t{1} << (at % 64);
        if ((seen[at / 64] & mask) == 0) {
            seen[at / 64] |= mask;
            points[kept++] = p;
        }
    }
    for (std::size_t i = 0; i < kept; ++i) {
        seen[bit(points[i]) / 64] = 0;
    }
    return kept;
}

// Draws in window pixels for as long as it lives (when shrunk), then puts the batch's scale
// back; the field's viewport stays.
class Unscaled {
  public:
    Unscaled(DrawSurface& s, bool shrunk, SDL_FPoint scale)
        : surface(shrunk ? &s : nullptr), scale(scale) {
        if (surface != nullptr) {
            surface->setScale({1.0F, 1.0F});
        }
    }
    ~Unscaled() {
        if (surface != nullptr) {
            surface->setScale(scale);
        }
    }
    Unscaled(const Unscaled&) = delete;
    Unscaled& operator=(const Unscaled&) = delete;

  private:
    DrawSurface* surface;
    SDL_FPoint scale;
};
} // namespace

OutlineBatch::OutlineBatch(DrawSurface& to) : OutlineBatch(to, styleFor(to)) {}

OutlineBatch::OutlineBatch(DrawSurface& to, Style s)
    : surface(to), style(s), scale(to.scale()), shrunk(to.shrunk()) {}

OutlineBatch::~OutlineBatch() {
    flush();
}

OutlineBatch::Style OutlineBatch::styleFor(const DrawSurface& surface) {
    SDL_RendererInfo info{};
    SDL_Renderer* renderer = surface.renderer();
    if (renderer == nullptr || SDL_GetRendererInfo(renderer, &info) != 0 ||
        (info.flags & SDL_RENDERER_SOFTWARE) != 0) {
        return Style::Lines;
    }
    // On a desktop the driver's lines rasterise cheaper than thin quads (Mesa's llvmpipe
    // measured a heavy frame 1 ms dearer as geometry); WebGL pays per call instead.
    return SDL_strcmp(info.name, "opengles2") == 0 ? Style::Geometry : Style::LinesAndCorners;
}

SDL_Point OutlineBatch::windowPixel(SDL_Point p, SDL_FPoint scale) {
    return {static_cast<int>(std::floor((static_cast<float>(p.x) + 0.5F) * scale.x)),
            static_cast<int>(std::floor((static_cast<float>(p.y) + 0.5F) * scale.y))};
}

const SDL_Point* OutlineBatch::placed(const SDL_Point* points, int count) {
    if (!shrunk) {
        return points;
    }
    inWindow.clear();
    for (int i = 0; i < count; ++i) {
        inWindow.push_back(windowPixel(points[i], scale));
    }
    return inWindow.data();
}

void OutlineBatch::add(const SDL_Point* points, int count) {
    if (count <= 0) {
        return;
    }
    const SDL_Point* at = placed(points, count);
    if (style != Style::Geometry) {
        {
            const Unscaled unscaled(surface, shrunk, scale);
            surface.lines(at, count);
        }
        if (style == Style::LinesAndCorners) {
            keepColour();
            corners.insert(corners.end(), at, at + count);
        }
        return;
    }
    const SDL_Color now = surface.colour();
    for (int i = 0; i + 1 < count; ++i) {
        addSegment(at[i], at[i + 1], now);
    }
    if (count == 1) {
        addSegment(at[0], at[0], now);
    }
}

void OutlineBatch::add(const SDL_Rect& rect) {
    if (style == Style::Lines && !shrunk) {
        surface.rect(rect);
        return;
    }
    if (rect.w <= 0 || rect.h <= 0) {
        return;
    }
    const int right = rect.x + rect.w - 1;
    const int bottom = rect.y + rect.h - 1;
    const SDL_Point around[] = {
        {rect.x, rect.y}, {right, rect.y}, {right, bottom}, {rect.x, bottom}, {rect.x, rect.y}};
    if (style != Style::LinesAndCorners || shrunk) {
        add(around, 5);
        return;
    }
    surface.rect(rect);
    keepColour();
    corners.insert(corners.end(), around, around + 4);
}

void OutlineBatch::addPoints(const SDL_Point* points, int count) {
    if (style == Style::Lines && !shrunk) {
        surface.points(points, count);
        return;
    }
    // A GPU pays per point, and small circles repeat pixels (more so below x1): each goes once.
    if (!shrunk) {
        inWindow.assign(points, points + count);
    } else {
        placed(points, count);
    }
    const std::size_t kept = dropRepeats(inWindow);
    const Unscaled unscaled(surface, shrunk, scale);
    surface.points(inWindow.data(), static_cast<int>(kept));
}

void OutlineBatch::keepColour() {
    const SDL_Color now = surface.colour();
    if (!corners.empty() && now != colour) {
        lightCorners();
    }
    colour = now;
}

void OutlineBatch::lightCorners() {
    if (corners.empty()) {
        return;
    }
    const SDL_Color now = surface.colour();
    surface.setColour(colour);
    {
        const Unscaled unscaled(surface, shrunk, scale);
        // A closed outline ends where it began, and below x1 near corners share a pixel.
        surface.points(corners.data(), static_cast<int>(dropRepeats(corners)));
    }
    surface.setColour(now);
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

void OutlineBatch::addSegment(SDL_Point a, SDL_Point b, SDL_Color colour) {
    const int first = static_cast<int>(vertices.size());
    for (const SDL_FPoint& corner : quadOf(a, b)) {
        vertices.push_back({corner, colour, {0.0F, 0.0F}});
    }
    indices.insert(indices.end(), {first, first + 1, first + 2, first, first + 2, first + 3});
}

void OutlineBatch::flush() {
    lightCorners();
    if (vertices.empty()) {
        return;
    }
    {
        const Unscaled unscaled(surface, shrunk, scale);
        surface.geometry(vertices.data(), static_cast<int>(vertices.size()), indices.data(),
                         static_cast<int>(indices.size()));
    }
    vertices.clear();
    indices.clear();
}
