#include "geometry/numeric.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstring>

float Q_rsqrt(float number) {
    std::int32_t i = 0;
    std::memcpy(&i, &number, sizeof i);
    // Done in unsigned arithmetic so a negative input wraps instead of overflowing.
    i = static_cast<std::int32_t>(0x5F3759DFu - static_cast<std::uint32_t>(i >> 1));
    float y = 0.0f;
    std::memcpy(&y, &i, sizeof y);
    y = y * (1.5f - (number * 0.5f * y * y));
    return y;
}

std::int32_t strChecksum(const char* text) {
    auto len = static_cast<std::int32_t>(std::strlen(text));
    std::int32_t sum = len;
    for (const char* c = text; *c != '\0'; ++c) {
        sum += static_cast<signed char>(*c);
    }
    return sum;
}

std::string formatFloat2(float value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.2f", static_cast<double>(value));
    return buf;
}

void saturatingIncrement(int& counter) {
    if (counter < INT_MAX) {
        ++counter;
    }
}
