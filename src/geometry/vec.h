// Three-component float vector used by the weapon code.
#pragma once

#include <ostream>

struct Vec {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;

    Vec() = default;
    Vec(float vx, float vy, float vz) : x(vx), y(vy), z(vz) {}

    Vec operator+(const Vec& o) const { return {x + o.x, y + o.y, z + o.z}; }
    float operator*(const Vec& o) const { return x * o.x + y * o.y + z * o.z; }
    // Scales to unit length; near-zero vectors keep their components.
    void Normalize();
};

Vec operator*(float s, const Vec& v);
std::ostream& operator<<(std::ostream& os, const Vec& v);
