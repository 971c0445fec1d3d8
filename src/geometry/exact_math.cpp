#include "geometry/exact_math.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

#include "geometry/exact_math_tables.h"

using namespace exact_tables;

namespace {

// Below this, sin x rounds to x and cos x to 1.
constexpr double kTiny = 0x1p-27;
// The reduction by pi/2 loses about a digit for each factor of 8 past 2^24 (1e-7 at 2^30) and
// its quadrant near 2^57; an angle past 2^30 (6e10 degrees, which no game turns) counts as 0.
constexpr double kAngleDomain = 0x1p30;
// The quick evaluation's relative error is under 2^-64 (the series' tails in plain doubles);
// the test allows 2^-60. Float results, a 2^-40 margin: far above either error, and above the
// plain-double evaluation's too (under 2^-48), which float results try first.
constexpr double kQuickError = 0x1p-60;
constexpr double kQuickErrorFloat = 0x1p-40;

// A power series in w: sum over n < count of (+-1)^n coef[n * stride] w^n.
struct Series {
    const DoubleDouble* coef;
    int stride;
    int count;
    bool alternate;
};
const Series kSine{kInverseFactorial + 1, 2, 16, true};
const Series kCosine{kInverseFactorial, 2, 16, true};
const Series kAtan{kInverseOdd, 1, 10, true};
const Series kAtanh{kInverseOdd, 1, 22, false};

// How many leading terms the quick evaluation keeps in double-double.
constexpr int kQuickTerms = 3;
constexpr int kAllTerms = 64;

DoubleDouble term(const Series& s, int n) {
    const DoubleDouble c = s.coef[n * s.stride];
    return s.alternate && n % 2 == 1 ? dd::neg(c) : c;
}

// Horner's rule: the first `exactTerms` in double-double, the small rest in plain doubles.
DoubleDouble sum(const Series& s, DoubleDouble w, int exactTerms) {
    const int exact = exactTerms < s.count ? exactTerms : s.count;
    double tail = 0.0;
    for (int n = s.count - 1; n >= exact; --n) {
        tail = term(s, n).hi + w.hi * tail;
    }
    DoubleDouble acc{tail, 0.0};
    for (int n = exact - 1; n >= 0; --n) {
        acc = dd::add(term(s, n), dd::mul(w, acc));
    }
    return acc;
}

// The same sum in plain doubles, n < count.
double sumQuick(const Series& s, double w, int count) {
    double acc = 0.0;
    for (int n = count - 1; n >= 0; --n) {
        acc = term(s, n).hi + w * acc;
    }
    return acc;
}

double nearestInteger(double v) {
    constexpr double kShift = 0x1.8p52;
    return std::fabs(v) < 0x1p51 ? (v + kShift) - kShift : v;
}

// x = k pi/2 + r, |r| <= about pi/4; exact enough for |k| < 2^23.
struct Reduced {
    DoubleDouble r;
    int quadrant;
};

// k mod 4: k/4 - 3/8 rounds to floor(k/4), never a tie.
int quarterOf(double k) {
    return static_cast<int>(k - 4.0 * nearestInteger(k * 0.25 - 0.375));
}

Reduced reduceHalfPi(double x) {
    const double k = nearestInteger(x * kTwoOverPi);
    DoubleDouble r = dd::twoSum(x, -k * kHalfPiPieces[0]);
    r = dd::add(r, {-k * kHalfPiPieces[1], 0.0});
    r = dd::add(r, {-k * kHalfPiPieces[2], 0.0});
    r = dd::sub(r, dd::twoProd(k, kHalfPiPieces[3]));
    r = dd::add(r, {-k * kHalfPiPieces[4], 0.0});
    return {r, quarterOf(k)};
}

DoubleDouble sinOrCos(double x, bool cosine, int exactTerms) {
    const Reduced red = reduceHalfPi(x);
    const int q = red.quadrant + (cosine ? 1 : 0);
    const DoubleDouble w = dd::mul(red.r, red.r);
    const DoubleDouble v =
        q % 2 == 1 ? sum(kCosine, w, exactTerms) : dd::mul(red.r, sum(kSine, w, exactTerms));
    return (q & 2) != 0 ? dd::neg(v) : v;
}

// The plain-double evaluations, for float results.
// NaN (never sure) past the angles whose reduction it keeps exact enough.
double quickSinOrCos(double x, bool cosine) {
    if (std::fabs(x) >= 0x1p22) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    const double k = nearestInteger(x * kTwoOverPi);
    const double r = ((x - k * kHalfPiPieces[0]) - k * kHalfPiPieces[1]) - k * kHalfPiPieces[2];
    const int q = quarterOf(k) + (cosine ? 1 : 0);
    const double w = r * r;
    const double v = q % 2 == 1 ? sumQuick(kCosine, w, 11) : r * sumQuick(kSine, w, 11);
    return (q & 2) != 0 ? -v : v;
}

double quickAtan2(double y, double x) {
    const double a = std::fabs(y);
    const double b = std::fabs(x);
    const bool steep = a > b;
    const double z = steep ? b / a : a / b;
    const int j = static_cast<int>(nearestInteger(z * 32.0));
    const double c = j / 32.0;
    const double u = (z - c) / (1.0 + z * c);
    double t = kAtanOf32nds[j].hi + u * sumQuick(kAtan, u * u, 5);
    t = steep ? kHalfPi.hi - t : t;
    t = x < 0 ? kPi.hi - t : t;
    return y < 0 ? -t : t;
}

double quickLog(double x) {
    int e = 0;
    double m = std::frexp(x, &e);
    if (m < 0.70710678118654752) {
        m *= 2.0;
        --e;
    }
    const double s = (m - 1.0) / (m + 1.0);
    const double k = e;
    return k * kLn2Pieces[0] + (k * kLn2Pieces[1] + 2.0 * s * sumQuick(kAtanh, s * s, 11));
}

// atan z for 0 <= z <= 1: atan(j/32) + atan((z - c) / (1 + z c)), c = j/32.
DoubleDouble atanUnit(DoubleDouble z, int exactTerms) {
    const int j = static_cast<int>(nearestInteger(z.hi * 32.0));
    const double c = j / 32.0;
    const DoubleDouble u = dd::div(dd::add(z, {-c, 0.0}), dd::add({1.0, 0.0}, dd::mul(z, c)));
    const DoubleDouble s = dd::mul(u, sum(kAtan, dd::mul(u, u), exactTerms - 1));
    return dd::add(kAtanOf32nds[j], s);
}

// atan2 for finite y != 0, x != 0.
DoubleDouble atan2Finite(double y, double x, int exactTerms) {
    const double a = std::fabs(y);
    const double b = std::fabs(x);
    const bool steep = a > b;
    const DoubleDouble z = steep ? dd::div({b, 0.0}, {a, 0.0}) : dd::div({a, 0.0}, {b, 0.0});
    DoubleDouble t = atanUnit(z, exactTerms);
    if (steep) {
        t = dd::sub(kHalfPi, t);
    }
    if (x < 0) {
        t = dd::sub(kPi, t);
    }
    return y < 0 ? dd::neg(t) : t;
}

// log x for finite x > 0: e ln 2 + 2 atanh((m - 1) / (m + 1)), x = m 2^e, m in [0.707, 1.414).
DoubleDouble logPositive(double x, int exactTerms) {
    int e = 0;
    double m = std::frexp(x, &e);
    if (m < 0.70710678118654752) {
        m *= 2.0;
        --e;
    }
    const DoubleDouble s = dd::div({m - 1.0, 0.0}, dd::twoSum(m, 1.0));
    DoubleDouble l = dd::mul(s, sum(kAtanh, dd::mul(s, s), exactTerms));
    l = {2.0 * l.hi, 2.0 * l.lo};
    const double k = e;
    DoubleDouble eln2 = dd::add({k * kLn2Pieces[0], 0.0}, dd::twoProd(k, kLn2Pieces[1]));
    eln2 = dd::add(eln2, {k * kLn2Pieces[2], 0.0});
    return dd::add(eln2, l);
}

// Whether every value within the bound of v rounds to one double, and which.
bool roundsSurely(DoubleDouble v, double& out) {
    const double d = std::fabs(v.hi) * kQuickError;
    out = v.hi + (v.lo - d);
    return out == v.hi + (v.lo + d);
}

bool roundsSurely(DoubleDouble v, float& out) {
    const double d = std::fabs(v.hi) * kQuickErrorFloat;
    out = static_cast<float>(v.hi - d);
    return out == static_cast<float>(v.hi + d);
}

// hi is v rounded to a double already (every operation ends normalised).
void nearest(DoubleDouble v, double& out) {
    out = v.hi;
}

// Rounding hi to a float is right unless hi lies exactly halfway: then lo picks the side.
void nearest(DoubleDouble v, float& out) {
    out = static_cast<float>(v.hi);
    if (v.lo == 0.0 || static_cast<double>(out) == v.hi) {
        return;
    }
    const float other = std::nextafter(out, v.hi > out ? HUGE_VALF : -HUGE_VALF);
    if ((static_cast<double>(out) + other) * 0.5 == v.hi && (v.lo > 0) == (other > out)) {
        out = other;
    }
}

// A float result first tries the plain-double value; then, as a double result does, the quick
// double-double one, and last the long one.
template <typename Real, typename Quick, typename Core> Real rounded(Quick quick, Core core) {
    Real out{};
    if constexpr (std::is_same_v<Real, float>) {
        if (roundsSurely(DoubleDouble{quick(), 0.0}, out)) {
            return out;
        }
    }
    if (!roundsSurely(core(kQuickTerms), out)) {
        nearest(core(kAllTerms), out);
    }
    return out;
}

template <typename Real> Real sinOf(Real x) {
    if (!std::isfinite(x)) {
        return x - x;
    }
    if (std::fabs(x) >= kAngleDomain) {
        return Real(0);
    }
    if (std::fabs(x) < kTiny) {
        return x;
    }
    return rounded<Real>([x] { return quickSinOrCos(x, false); },
                         [x](int terms) { return sinOrCos(x, false, terms); });
}

template <typename Real> Real cosOf(Real x) {
    if (!std::isfinite(x)) {
        return x - x;
    }
    if (std::fabs(x) >= kAngleDomain) {
        return Real(1);
    }
    if (std::fabs(x) < kTiny) {
        return Real(1);
    }
    return rounded<Real>([x] { return quickSinOrCos(x, true); },
                         [x](int terms) { return sinOrCos(x, true, terms); });
}

template <typename Real> Real nearestOf(DoubleDouble v) {
    Real out{};
    nearest(v, out);
    return out;
}

// The zeros and infinities, as C's Annex F gives them.
template <typename Real> Real atan2Edge(Real y, Real x) {
    DoubleDouble t{};
    if (std::isinf(y)) {
        t = std::isinf(x) ? dd::mul(kPi, x > 0 ? 0.25 : 0.75) : kHalfPi;
    } else if (std::isinf(x)) {
        t = x < 0 ? kPi : t;
    } else if (y != 0) {
        t = kHalfPi; // x is a zero
    } else if (std::signbit(x)) {
        t = kPi;
    }
    return std::copysign(nearestOf<Real>(t), y);
}

template <typename Real> Real atan2Of(Real y, Real x) {
    if (std::isnan(x) || std::isnan(y)) {
        return x + y;
    }
    if (y == 0 || x == 0 || std::isinf(x) || std::isinf(y)) {
        return atan2Edge(y, x);
    }
    // The same angle with the larger side near 1: exact (a power of two), and far from the
    // overflow of the double-double products (about 1.3e300), whatever the operands.
    int e = 0;
    std::frexp(std::max(std::fabs(y), std::fabs(x)), &e);
    if (e > 256 || e < -256) {
        return atan2Of(std::ldexp(y, -e), std::ldexp(x, -e));
    }
    return rounded<Real>([y, x] { return quickAtan2(y, x); },
                         [y, x](int terms) { return atan2Finite(y, x, terms); });
}

template <typename Real> Real logOf(Real x) {
    if (std::isnan(x) || x < 0) {
        return std::numeric_limits<Real>::quiet_NaN();
    }
    if (x == 0) {
        return -std::numeric_limits<Real>::infinity();
    }
    if (std::isinf(x)) {
        return x;
    }
    return rounded<Real>([x] { return quickLog(x); },
                         [x](int terms) { return logPositive(x, terms); });
}

} // namespace

namespace exact {

double sin(double x) {
    return sinOf(x);
}
double cos(double x) {
    return cosOf(x);
}
float sin(float x) {
    return sinOf(x);
}
float cos(float x) {
    return cosOf(x);
}
double atan2(double y, double x) {
    return atan2Of(y, x);
}
float atan2(float y, float x) {
    return atan2Of(y, x);
}
double log(double x) {
    return logOf(x);
}
float log(float x) {
    return logOf(x);
}

} // namespace exact
