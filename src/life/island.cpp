#include "life/island.h"

#include <algorithm>
#include <iostream>

Island::Island(Point p) : pts{p}, min(p), max(p), rect{p.x, p.y, 0, 0} {}

void Island::addPoint(int x, int y) {
    const Point p(x, y);
    if (pts.empty()) {
        // w and h keep their values: zero for a default island.
        min = p;
        max = p;
        rect.x = x;
        rect.y = y;
        pts.push_back(p);
        return;
    }
    if (contains(p)) {
        return;
    }
    if (x < min.x) {
        min.x = x;
        rect.x = x;
    }
    if (y < min.y) {
        min.y = y;
        rect.y = y;
    }
    max.x = std::max(max.x, x);
    max.y = std::max(max.y, y);
    rect.h = max.y - min.y;
    rect.w = max.x - min.x;
    pts.push_back(p);
}

bool Island::contains(const Point& p) const {
    return std::find(pts.begin(), pts.end(), p) != pts.end();
}

void Island::print() const {
    std::cout << "-----------------------" << std::endl;
    std::cout << "_rect(x=" << rect.x << ", y=" << rect.y << ", w=" << rect.w << " , h=" << rect.h
              << ")" << std::endl;
    std::cout << "_cells.size()=" << pts.size() << std::endl;
    std::cout << "_minPt=" << min << std::endl;
    std::cout << "_maxPt=" << max << std::endl;
    std::cout << "-----------------------" << std::endl;
}
