#include "geometry/angles.h"

#include <iostream>

#include "geometry/exact_math.h"

namespace {
constexpr double kTwoPi = 6.283185307179586;
constexpr double kRad2Deg = 57.29577951308232;
} // namespace

double degree2rad(float deg) {
    return static_cast<double>(deg) * 0.017453292519943295;
}
double rad2degree(double rad) {
    return rad * kRad2Deg;
}
double cosScaled(double r, float deg) {
    return r * exact::cos(degree2rad(deg));
}
double sinScaled(double r, float deg) {
    return r * exact::sin(degree2rad(deg));
}
double cosecDeg(float deg) {
    return 1.0 / exact::sin(degree2rad(deg));
}

float getDirection(const PointF& origin, const PointF& target) {
    if (origin.x == target.x && origin.y == target.y) {
        std::cout << "Error::spaceshipt.getDirection:" << origin << "," << target << std::endl;
    }
    return headingBetween(origin, target);
}

float headingBetween(const PointF& origin, const PointF& target) {
    // Single precision throughout: the arctangent and the sum with 2 pi are kept as floats.
    float a = exact::atan2(target.x - origin.x, origin.y - target.y);
    if (a < 0) {
        a = static_cast<float>(a + kTwoPi);
    }
    return static_cast<float>(a * kRad2Deg);
}

float getDirection(const Point& origin, const Point& target) {
    if (origin == target) {
        std::cout << "Error::spaceshipt.getDirection:" << origin << "," << target << std::endl;
    }
    double dx = static_cast<double>(target.x) - origin.x;
    double dy = static_cast<double>(origin.y) - target.y;
    double a = exact::atan2(dx, dy);
    if (a < 0) {
        a += kTwoPi;
    }
    return static_cast<float>(a * kRad2Deg);
}
