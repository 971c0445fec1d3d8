// Integer and float points of the play field.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    Point() = default;
    Point(std::int32_t px, std::int32_t py) : x(px), y(py) {}

    bool operator==(const Point& o) const { return x == o.x && y == o.y; }
    // Points order by x * 10 + y, so (0, 10) and (1, 0) are equivalent keys.
    std::int32_t orderKey() const;
    bool operator<(const Point& o) const { return orderKey() < o.orderKey(); }
    std::string toString() const;
};

std::ostream& operator<<(std::ostream& os, const Point& p);

struct PointF {
    std::string label;
    float x = 0.0f;
    float y = 0.0f;

    PointF() = default;
    PointF(float px, float py) : x(px), y(py) {}
};

std::ostream& operator<<(std::ostream& os, const PointF& p);
