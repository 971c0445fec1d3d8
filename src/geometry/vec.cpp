#include "geometry/vec.h"

#include <cmath>

void Vec::Normalize() {
    float len = std::sqrt(x * x + y * y + z * z);
    if (len <= 0.000001f) {
        len = 1.0f;
    }
    x /= len;
    y /= len;
    z /= len;
    for (float* c : {&x, &y, &z}) {
        if (std::fabs(*c) < 0.000001f) {
            *c = 0.0f;
        }
    }
}

Vec operator*(float s, const Vec& v) {
    return {s * v.x, s * v.y, s * v.z};
}

std::ostream& operator<<(std::ostream& os, const Vec& v) {
    return os << "Vec(x=" << v.x << ",y=" << v.y << ",z=" << v.z << ");";
}
