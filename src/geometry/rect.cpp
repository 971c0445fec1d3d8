#include "geometry/rect.h"

#include <iostream>

#include "geometry/numeric.h"

MinMaxCords minMaxOf(const SDL_FPoint* points, int count, MinMaxCords m) {
    m.min = Point(truncToInt(points[0].x), truncToInt(points[0].y));
    m.max = m.min;
    for (int i = 1; i < count; ++i) {
        const int x = truncToInt(points[i].x);
        const int y = truncToInt(points[i].y);
        if (x > m.max.x) {
            m.max.x = x;
            m.max_idx.x = i;
        }
        if (y > m.max.y) {
            m.max.y = y;
            m.max_idx.y = i;
        }
        if (x < m.min.x) {
            m.min.x = x;
            m.min_idx.x = i;
        }
        if (y < m.min.y) {
            m.min.y = y;
            m.min_idx.y = i;
        }
    }
    return m;
}

bool rectsOverlap(const SDL_FRect& a, const SDL_FRect& b) {
    return a.x >= b.x - a.w && b.x + b.w >= a.x && a.y >= b.y - a.h && b.y + b.h >= a.y;
}

void printRect(const SDL_Rect& r) {
    std::cout << "SDL_Rect(x=" << r.x << ", y=" << r.y << ", w=" << r.w << ", h=" << r.h << ")"
              << std::endl;
}

void printMinMax(const MinMaxCords& m) {
    std::cout << "min(x,y):" << m.min.x << ", " << m.min.y << std::endl;
    std::cout << "max(x,y):" << m.max.x << ", " << m.max.y << std::endl;
    std::cout << "min_idx(x, y):" << m.min_idx.x << ", " << m.min_idx.y << std::endl;
    std::cout << "max_idx(x, y):" << m.max_idx.x << ", " << m.max_idx.y << std::endl;
}
