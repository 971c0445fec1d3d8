// The constants behind the maths module (exact_math.h), written out in hexadecimal so that every
// compiler reads the same bits.
#pragma once

#include "geometry/double_double.h"

namespace exact_tables {

// 1/k!, k = 0..31: the sine and cosine series.
extern const DoubleDouble kInverseFactorial[32];
// 1/(2n + 1), n = 0..21: the arctangent and logarithm series.
extern const DoubleDouble kInverseOdd[22];
// atan(j/32), j = 0..32.
extern const DoubleDouble kAtanOf32nds[33];

// pi/2 as a sum of five doubles: the first three carry 30 bits each, so k times them is exact
// for |k| < 2^23; the sum is pi/2 to about 200 bits.
inline constexpr double kHalfPiPieces[5] = {0x1.921fb548p+0, -0x1.de973dc8p-31, -0x1.9d9cceb8p-62,
                                            -0x1.1fc8f8cbb5bf7p-93, 0x1.c1114cf98e804p-148};
inline constexpr DoubleDouble kPi = {0x1.921fb54442d18p+1, 0x1.1a62633145c07p-53};
inline constexpr DoubleDouble kHalfPi = {0x1.921fb54442d18p+0, 0x1.1a62633145c07p-54};
inline constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
// ln 2 as three doubles; the first has 40 bits, so any exponent times it is exact.
inline constexpr double kLn2Pieces[3] = {0x1.62e42fefa4p-1, -0x1.8432a1b0e2634p-43,
                                         0x1.f97b57a079a19p-103};

} // namespace exact_tables
