#include <cfloat>
#include <mpfr.h>

#include <random>
#include <type_traits>

#include "geometry/angles.h"
#include "geometry/exact_math.h"
#include "geometry/exact_math_tables.h"
#include "support/kit.h"

namespace {

// The correctly rounded value of f(x) or f(x, y), from MPFR at the result's own precision (a
// float's arguments and result are exact as doubles).
template <typename Real> Real mpfrOf(auto f, Real x, Real y = 0) {
    constexpr int kBits = sizeof(Real) == 4 ? 24 : 53;
    mpfr_t a, b, r;
    mpfr_inits2(kBits, a, b, r, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_d(a, x, MPFR_RNDN);
    mpfr_set_d(b, y, MPFR_RNDN);
    if constexpr (std::is_invocable_v<decltype(f), mpfr_ptr, mpfr_srcptr, mpfr_rnd_t>) {
        mpfr_subnormalize(r, f(r, a, MPFR_RNDN), MPFR_RNDN);
    } else {
        f(r, a, b, MPFR_RNDN);
    }
    const Real out = static_cast<Real>(mpfr_get_d(r, MPFR_RNDN));
    mpfr_clears(a, b, r, static_cast<mpfr_ptr>(nullptr));
    return out;
}

// Counts the arguments whose results differ from the reference, naming the first few.
struct Misses {
    std::string what;
    int count = 0;
    template <typename Real> void check(Real got, Real want, double a, double b = 0.0) {
        if (got == want || (std::isnan(got) && std::isnan(want))) {
            return;
        }
        if (++count <= 5) {
            ADD_FAILURE() << what << " of " << std::hexfloat << a << ", " << b << ": " << got
                          << " against " << want << std::defaultfloat;
        }
    }
};

// sin and cos of x against MPFR.
template <typename Real> void sinCos(Misses& mpfr, Real x, double a, int tag) {
    mpfr.check(exact::sin(x), mpfrOf<Real>(mpfr_sin, x), a, tag);
    mpfr.check(exact::cos(x), mpfrOf<Real>(mpfr_cos, x), a, tag + 1);
}

template <typename Real> Real uniform(Real lo, Real hi) {
    static std::mt19937_64 rng(20261207);
    return std::uniform_real_distribution<Real>(lo, hi)(rng);
}

constexpr int kRandomCount = 300000;

} // namespace

// Each table entry is the nearest double-double of its value, worked out by MPFR at 300 bits.
class ExactTablesTest : public testing::Test {
  protected:
    void SetUp() override { mpfr_inits2(300, v, rest, static_cast<mpfr_ptr>(nullptr)); }
    void TearDown() override { mpfr_clears(v, rest, static_cast<mpfr_ptr>(nullptr)); }
    void expectEntry(const DoubleDouble& got, const std::string& what) {
        const double hi = mpfr_get_d(v, MPFR_RNDN);
        mpfr_sub_d(rest, v, hi, MPFR_RNDN);
        EXPECT_EQ(std::pair(got.hi, got.lo), std::pair(hi, mpfr_get_d(rest, MPFR_RNDN))) << what;
    }
    void expectPieces(const auto& pieces, long below, const char* what) {
        for (double piece : pieces) {
            mpfr_sub_d(v, v, piece, MPFR_RNDN);
        }
        EXPECT_LT(mpfr_get_exp(v), below) << "the pieces of " << what << " sum to it";
    }
    mpfr_t v, rest;
};

TEST_F(ExactTablesTest, TheSeriesCoefficientsAreTheNearestDoubleDoubles) {
    mpfr_set_ui(v, 1, MPFR_RNDN);
    for (int k = 0; k < 32; ++k) {
        mpfr_div_ui(v, v, k == 0 ? 1 : k, MPFR_RNDN);
        expectEntry(exact_tables::kInverseFactorial[k], "1/" + std::to_string(k) + "!");
    }
    for (int n = 0; n < 22; ++n) {
        mpfr_set_ui(v, 1, MPFR_RNDN);
        mpfr_div_ui(v, v, 2 * n + 1, MPFR_RNDN);
        expectEntry(exact_tables::kInverseOdd[n], "1/" + std::to_string(2 * n + 1));
    }
}

TEST_F(ExactTablesTest, TheArctangentsOf32ndsAreTheNearestDoubleDoubles) {
    for (int j = 0; j <= 32; ++j) {
        mpfr_set_d(v, j / 32.0, MPFR_RNDN);
        mpfr_atan(v, v, MPFR_RNDN);
        expectEntry(exact_tables::kAtanOf32nds[j], "atan(" + std::to_string(j) + "/32)");
    }
}

// Pi, pi/2 and log2(10) are the nearest; the pieces of pi/2 and of ln 2 sum to them within
// 2^-190 and 2^-150.
TEST_F(ExactTablesTest, PiHalfPiLn2AndTheirPiecesAreExact) {
    mpfr_const_pi(v, MPFR_RNDN);
    expectEntry(exact_tables::kPi, "pi");
    mpfr_div_ui(v, v, 2, MPFR_RNDN);
    expectEntry(exact_tables::kHalfPi, "pi/2");
    expectPieces(exact_tables::kHalfPiPieces, -190, "pi/2");
    mpfr_const_log2(v, MPFR_RNDN);
    expectPieces(exact_tables::kLn2Pieces, -150, "ln 2");
    mpfr_set_ui(v, 10, MPFR_RNDN);
    mpfr_log2(v, v, MPFR_RNDN);
    EXPECT_EQ(exact::kLog2Of10, mpfr_get_d(v, MPFR_RNDN));
}

// Every 5-degree heading the ship turns through, far past any game's length of turning; a
// rock's drift, 3 pi/2 times a whole number from 3 to 68 in degrees; a polygon's heading, from
// its whole-pixel centre to its first corner within 128 pixels. glibc 2.36 misrounds some of
// these (cos at drift 16, sin at drift 42, 64 of the polygon headings): the module's reason.
TEST(ExactMathTest, EveryHeadingDriftAndPolygonHeadingTheGameReachesIsCorrectlyRounded) {
    Misses mpfr{"against MPFR"};
    for (int d = -360 * 200; d <= 360 * 200; d += 5) {
        const double r = degree2rad(static_cast<float>(d));
        sinCos(mpfr, r, d, 1);
        sinCos(mpfr, float(r), d, 3);
    }
    for (int a = 3; a <= 68; ++a) {
        const auto drift = static_cast<float>(4.71238898038469 * static_cast<float>(a));
        sinCos(mpfr, drift * 0.017453292f, a, 5);
    }
    for (int dx = -128; dx <= 128; ++dx) {
        for (int dy = -128; dy <= 128; ++dy) {
            mpfr.check(exact::atan2(double(dx), double(dy)),
                       mpfrOf(mpfr_atan2, double(dx), double(dy)), dx, dy);
        }
    }
    EXPECT_EQ(mpfr.count, 0);
}

TEST(ExactMathTest, RandomArgumentsOverTheGamesRangesAreCorrectlyRounded) {
    Misses miss{"random"};
    for (int i = 0; i < kRandomCount; ++i) {
        // Headings and momenta in degrees; sprite and drift angles in float radians.
        const double r = degree2rad(uniform(-3600.0f, 3600.0f));
        sinCos(miss, r, r, 1);
        const float rf = uniform(-64.0f, 64.0f);
        sinCos(miss, rf, rf, 3);
        // Differences of positions on any field, and of whole pixels far off it.
        const float yf = uniform(-4096.0f, 4096.0f);
        const float xf = uniform(-4096.0f, 4096.0f);
        miss.check(exact::atan2(yf, xf), mpfrOf(mpfr_atan2, yf, xf), yf, xf);
        const double y = std::trunc(uniform(-1e6, 1e6));
        const double x = uniform(-1e6, 1e6);
        miss.check(exact::atan2(y, x), mpfrOf(mpfr_atan2, y, x), y, x);
        // Momentum magnitudes above the decay's threshold, over every scale a float reaches.
        const auto m = static_cast<float>(0.07 * std::exp2(uniform(0.0, 130.0)));
        miss.check(exact::log(m), mpfrOf(mpfr_log, m), m, 7);
        const double md = std::exp2(uniform(-1000.0, 1000.0));
        miss.check(exact::log(md), mpfrOf(mpfr_log, md), md, 8);
    }
    EXPECT_EQ(miss.count, 0);
}

TEST(ExactMathTest, ZerosInfinitiesAndNaNsFollowTheCLibrarysRules) {
    const double inf = HUGE_VAL, nan = NAN;
    const std::tuple<double, double> pairs[] = {
        {0.0, 1.0}, {-0.0, 1.0},  {0.0, -1.0}, {-0.0, -1.0}, {0.0, 0.0}, {-0.0, -0.0},
        {1.0, 0.0}, {-1.0, -0.0}, {inf, 1.0},  {-inf, 1.0},  {1.0, inf}, {1.0, -inf},
        {inf, inf}, {-inf, -inf}, {inf, -inf}, {nan, 1.0},   {1.0, nan}, {-1.0, -inf}};
    Misses miss{"edge"};
    for (const auto& [y, x] : pairs) {
        miss.check(exact::atan2(y, x), std::atan2(y, x), y, x);
        miss.check(exact::atan2(float(y), float(x)), std::atan2(float(y), float(x)), y, x);
        EXPECT_EQ(std::signbit(exact::atan2(y, x)), std::signbit(std::atan2(y, x))) << y << x;
    }
    const double args[] = {0.0, -0.0, 1.0, -1.0, inf, -inf, nan, 0x1p-30, -0x1p-1074, 0x1p-1074};
    for (double a : args) {
        miss.check(exact::sin(a), std::sin(a), a, 1);
        miss.check(exact::cos(a), std::cos(a), a, 2);
        miss.check(exact::log(a), std::log(a), a, 3);
        miss.check(exact::sin(float(a)), std::sin(float(a)), a, 4);
        miss.check(exact::log(float(a)), std::log(float(a)), a, 5);
        EXPECT_EQ(std::signbit(exact::sin(a)), std::signbit(std::sin(a))) << a;
    }
    EXPECT_EQ(miss.count, 0);
}

// Far outside the game's ranges: atan2 stays correctly rounded (it once indexed a table with a
// NaN past 1.3e300); sin and cos stay close to the truth up to 2^30 and are 0 and 1 past it.
TEST(ExactMathTest, ExtremeArgumentsAreSafeAndStayInRange) {
    const double big = DBL_MAX;
    const std::tuple<double, double> pairs[] = {
        {1e308, 3e307},          {-big, big},      {1.3e300, -1.0}, {2e300, 2e300},
        {0x1p-1070, -0x1p-1060}, {1e-300, 3e-300}, {-1.0, 1e-310}};
    Misses miss{"extreme"};
    for (const auto& [y, x] : pairs) {
        miss.check(exact::atan2(y, x), mpfrOf(mpfr_atan2, y, x), y, x);
    }
    EXPECT_EQ(miss.count, 0);
    for (double x : {0x1p25 + 0.37, -1e9, 0x1p30 - 0.5}) {
        EXPECT_NEAR(exact::sin(x), mpfrOf(mpfr_sin, x), 3e-7) << x;
        EXPECT_NEAR(exact::cos(x), mpfrOf(mpfr_cos, x), 3e-7) << x;
    }
    for (double x : {0x1p30, -1.4e17, 1e308, big}) {
        EXPECT_EQ(std::pair(exact::sin(x), exact::cos(x)), std::pair(0.0, 1.0)) << x;
    }
    for (float x : {0x1p30f, -1.4e17f, FLT_MAX}) {
        EXPECT_EQ(std::pair(exact::sin(x), exact::cos(x)), std::pair(0.0f, 1.0f)) << x;
    }
}
