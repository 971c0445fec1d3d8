// The transcendental functions the simulation uses, in place of the C library's: built only from
// + - * / (IEEE 754 rounds each exactly), so every platform gets the same bits, and correctly
// rounded, so they agree with the C library wherever that one is correctly rounded too.
//
// Each result comes from a double-double evaluation whose error is far below half a unit in the
// last place: a quick one, kept only when every value within its error bound rounds the same way,
// else a longer one to about 2^-100. Correct rounding holds for sin and cos of |x| < 2^22, for
// finite atan2 whose quotient stays inside the normal range, and for every positive log argument.
// Larger angles still give the same bits everywhere, less exact (within 1e-7 at 2^30 radians);
// past 2^30 sin gives 0 and cos 1, as for an angle of 0. atan2 of any finite operands is safe:
// they are scaled by a power of two first when very large or small.
#pragma once

namespace exact {

// log2(10), the double nearest to it.
inline constexpr double kLog2Of10 = 0x1.a934f0979a371p+1;

double sin(double x);
double cos(double x);
float sin(float x);
float cos(float x);
double atan2(double y, double x);
float atan2(float y, float x);
double log(double x);
float log(float x);

} // namespace exact
