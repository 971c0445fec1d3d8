// Small numeric and text helpers.
#pragma once

#include <climits>
#include <cmath>
#include <cstdint>
#include <string>

float Q_rsqrt(float number);
// Length plus the sum of the characters as signed bytes.
std::int32_t strChecksum(const char* text);
std::string formatFloat2(float value);
// Truncation toward zero that stays defined for values no int can hold (NaN gives 0).
// Inline: every outline point of every frame goes through it.
inline int truncToInt(float v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 2147483648.0f) {
        return INT_MAX;
    }
    if (v < -2147483648.0f) {
        return INT_MIN;
    }
    return static_cast<int>(v);
}
// Adds one unless the counter is already the largest int.
void saturatingIncrement(int& counter);
