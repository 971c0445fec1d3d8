#include "geometry/rect.h"

#include <iostream>

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
