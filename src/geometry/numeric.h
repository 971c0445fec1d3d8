// Small numeric and text helpers.
#pragma once

#include <cstdint>
#include <string>

float Q_rsqrt(float number);
// Length plus the sum of the characters as signed bytes.
std::int32_t strChecksum(const char* text);
std::string formatFloat2(float value);
// Truncation toward zero that stays defined for values no int can hold (NaN gives 0).
int truncToInt(float v);
// Adds one unless the counter is already the largest int.
void saturatingIncrement(int& counter);
