#include "geometry/point.h"

std::int32_t Point::orderKey() const {
    // Wraps like 32-bit arithmetic instead of overflowing.
    auto key = static_cast<std::uint32_t>(x) * 10u + static_cast<std::uint32_t>(y);
    return static_cast<std::int32_t>(key);
}

std::string Point::toString() const {
    return "Point(x=" + std::to_string(x) + ",y=" + std::to_string(y) + ");";
}

std::ostream& operator<<(std::ostream& os, const Point& p) {
    return os << "Point(x=" << p.x << ",y=" << p.y << ");";
}

std::ostream& operator<<(std::ostream& os, const PointF& p) {
    return os << "PointF(x=" << p.x << ",y=" << p.y << ");";
}
