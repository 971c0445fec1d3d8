#include "life/islands.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <utility>

namespace {
// Closed intervals: boxes that only touch overlap. Widened so no sum can overflow.
bool boxesOverlap(const SDL_Rect& a, const SDL_Rect& b) {
    using I = std::int64_t;
    return I{b.x} - a.w <= a.x && a.x <= I{b.x} + b.w && I{b.y} - a.h <= a.y && a.y <= I{b.y} + b.h;
}
} // namespace

Islands::Islands() {
    std::cout << "Islands..." << std::endl;
}

void Islands::addPoint(int x, int y) {
    maxX = std::max(maxX, x);
    maxY = std::max(maxY, y);
    if (!containsPoint(x, y)) {
        for (Island& island : buckets) {
            for (const Point& q : island.pts) {
                if (isNeighbour(x, y, q.x, q.y)) {
                    island.addPoint(x, y);
                    return;
                }
            }
        }
    }
    buckets.emplace_back(Point(x, y));
}

bool Islands::isNeighbour(int x, int y, int qx, int qy) {
    // In 64 bits so that x + 1 cannot overflow.
    const std::int64_t dx = std::int64_t{qx} - x;
    const std::int64_t dy = std::int64_t{qy} - y;
    return dx >= -1 && dx <= 1 && dy >= -1 && dy <= 1;
}

bool Islands::containsPoint(int x, int y) const {
    return indexOf(x, y) >= 0;
}

int Islands::indexOf(int x, int y) const {
    for (std::size_t i = 0; i < buckets.size(); ++i) {
        if (buckets[i].contains(Point(x, y))) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void Islands::defrag() {
    std::cout << "Running defrag..." << std::endl;
    std::cout << "Current Islands Stats..." << std::endl;
    printStats();

    // All pairs are found before any merge, so growing boxes wait for the next pass.
    std::vector<std::pair<Island, Island>> defrags;
    std::vector<bool> removeItems(buckets.size(), false);
    for (std::size_t i = 0; i + 1 < buckets.size(); ++i) {
        for (std::size_t j = i + 1; j < buckets.size(); ++j) {
            // Widened by one so a box covers its last column and row.
            SDL_Rect a = buckets[i].rect;
            SDL_Rect b = buckets[j].rect;
            ++a.w;
            ++a.h;
            ++b.w;
            ++b.h;
            if (boxesOverlap(a, b)) {
                std::cout << "found match between buckets " << i << " and " << j << std::endl;
                defrags.emplace_back(buckets[i], buckets[j]);
                removeItems[j] = true;
            }
        }
    }
    std::vector<Island> kept;
    for (std::size_t i = 0; i < buckets.size(); ++i) {
        if (!removeItems[i]) {
            kept.push_back(std::move(buckets[i]));
        }
    }
    buckets = std::move(kept);

    std::cout << "Found " << defrags.size() << " orphan islands..." << std::endl;
    if (defrags.empty()) {
        return;
    }
    printStats();
    printIslands();
    std::cout << "Re-assembling ophans..." << std::endl;
    // In order of discovery, so a chain of matches ends in the chain's first island.
    for (const auto& [fromV, toV] : defrags) {
        const int target = indexOf(fromV.pts.front().x, fromV.pts.front().y);
        if (target < 0) {
            continue;
        }
        for (const Point& p : toV.pts) {
            islandAt(target).addPoint(p.x, p.y);
        }
    }
    std::cout << "After re-assembly of orphan islands:" << std::endl;
    printStats();
    printIslands();
}

void Islands::printStats() const {
    std::size_t points = 0;
    for (const Island& island : buckets) {
        points += island.pts.size();
    }
    std::cout << "-----------------------" << std::endl;
    std::cout << "bucket count :" << buckets.size() << std::endl;
    std::cout << "point  count :" << points << std::endl;
    std::cout << "max x      :" << maxX << std::endl;
    std::cout << "max y      :" << maxY << std::endl;
    std::cout << "-----------------------" << std::endl;
}

void Islands::printIslands() const {
    for (const Island& island : buckets) {
        std::cout << island.pts.size() << ":";
        for (const Point& p : island.pts) {
            std::cout << p << ",";
        }
        std::cout << std::endl;
    }
}

SDL_Rect Islands::pixelRectOf(int index) {
    const SDL_Rect& r = islandAt(index).rect;
    pixelRect =
        SDL_Rect{r.x * cellSize.x, r.y * cellSize.y, r.w * cellSize.x + 30, r.h * cellSize.y + 30};
    return pixelRect;
}

int Islands::islandTouching(const SDL_Rect& r) {
    for (int i = 0; i < count(); ++i) {
        if (boxesOverlap(pixelRectOf(i), r)) {
            return i;
        }
    }
    return -1;
}
