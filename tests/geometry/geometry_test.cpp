#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>

#include "geometry/angles.h"
#include "geometry/calendar_clock.h"
#include "geometry/data_path.h"
#include "geometry/numeric.h"
#include "geometry/rand.h"
#include "geometry/rect.h"
#include "geometry/vec.h"

namespace {
template <typename T> std::string printed(const T& value) {
    std::ostringstream os;
    os << value;
    return os.str();
}
} // namespace

TEST(GeometryTest, DirectionsFollowTheClockwiseHeadingConvention) {
    PointF from(100, 100);
    EXPECT_FLOAT_EQ(getDirection(from, PointF(100, 50)), 0.0f);
    EXPECT_FLOAT_EQ(getDirection(from, PointF(150, 100)), 90.0f);
    EXPECT_FLOAT_EQ(getDirection(from, PointF(100, 150)), 180.0f);
    EXPECT_FLOAT_EQ(getDirection(from, PointF(50, 100)), 270.0f);
    EXPECT_FLOAT_EQ(getDirection(Point(0, 0), Point(-10, 0)), 270.0f);
}

TEST(GeometryTest, DirectionBetweenEqualPointsLogsAndGivesZero) {
    testing::internal::CaptureStdout();
    float a = getDirection(PointF(3, 4), PointF(3, 4));
    float b = getDirection(Point(1, 2), Point(1, 2));
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(a, 0.0f);
    EXPECT_EQ(b, 0.0f);
    EXPECT_EQ(out, "Error::spaceshipt.getDirection:PointF(x=3,y=4);,PointF(x=3,y=4);\n"
                   "Error::spaceshipt.getDirection:Point(x=1,y=2);,Point(x=1,y=2);\n");
}

TEST(GeometryTest, AngleConversionsRoundTrip) {
    EXPECT_NEAR(degree2rad(static_cast<float>(rad2degree(1.0))), 1.0, 1e-7);
    EXPECT_NEAR(cosecDeg(30.0f), 2.0, 1e-12);
    EXPECT_NEAR(sinScaled(2.0, 90.0f), 2.0, 1e-12);
    EXPECT_NEAR(cosScaled(2.0, 180.0f), -2.0, 1e-12);
}

TEST(GeometryTest, NormalizeKeepsNearZeroVectorsAndScalesOthers) {
    Vec zero;
    zero.Normalize();
    EXPECT_EQ(printed(zero), "Vec(x=0,y=0,z=0);");
    Vec v(3, 0, 4);
    v.Normalize();
    EXPECT_FLOAT_EQ(v.x, 0.6f);
    EXPECT_EQ(v.y, 0.0f);
    EXPECT_FLOAT_EQ(v.z, 0.8f);
    Vec tiny(1e-8f, 0, 0);
    tiny.Normalize();
    EXPECT_EQ(tiny.x, 0.0f) << "components below 1e-6 snap to zero";
}

TEST(GeometryTest, VecArithmetic) {
    Vec a(1, 2, 3);
    Vec b(4, 5, 6);
    EXPECT_EQ(printed(a + b), "Vec(x=5,y=7,z=9);");
    EXPECT_EQ(printed(5.0f * b), "Vec(x=20,y=25,z=30);");
    EXPECT_FLOAT_EQ(a * b, 32.0f);
}

TEST(GeometryTest, PointsOrderByTheirKeySoSomeDistinctPointsCollide) {
    EXPECT_FALSE(Point(0, 10) < Point(1, 0));
    EXPECT_FALSE(Point(1, 0) < Point(0, 10));
    EXPECT_TRUE(Point(0, 9) < Point(1, 0));
    std::set<Point> cells{Point(0, 10), Point(1, 0), Point(2, 3)};
    ASSERT_EQ(cells.size(), 2u);
    EXPECT_EQ(*cells.begin(), Point(0, 10)) << "the first inserted of two equivalent points stays";
    EXPECT_FALSE(Point(0, 10) == Point(1, 0));
}

TEST(GeometryTest, OrderKeyWrapsInsteadOfOverflowing) {
    Point far(300000000, 7);
    EXPECT_EQ(far.orderKey(), static_cast<std::int32_t>(3000000000u + 7u));
}

TEST(GeometryTest, RectanglesOverlapWhenTheyTouch) {
    SDL_FRect a{0, 0, 10, 10};
    EXPECT_TRUE(rectsOverlap(a, SDL_FRect{10, 10, 5, 5}));
    EXPECT_FALSE(rectsOverlap(a, SDL_FRect{10.5f, 0, 5, 5}));
    EXPECT_TRUE(rectsOverlap(a, SDL_FRect{2, 2, 3, 3})) << "inside";
    EXPECT_TRUE(rectsOverlap(SDL_FRect{2, 2, 3, 3}, a)) << "containing";
    EXPECT_TRUE(rectsOverlap(a, SDL_FRect{-5, -5, 5, 5})) << "touching at the top-left corner";
    EXPECT_FALSE(rectsOverlap(a, SDL_FRect{0, 10.5f, 10, 10})) << "below";
    EXPECT_FALSE(rectsOverlap(a, SDL_FRect{-5.5f, 0, 5, 5})) << "left";
}

TEST(GeometryTest, ChecksumIsLengthPlusSignedBytes) {
    EXPECT_EQ(strChecksum("abc"), 297);
    EXPECT_EQ(strChecksum(""), 0);
    EXPECT_EQ(strChecksum("Fresh Farts For Super Service!"), 2750);
    EXPECT_EQ(strChecksum("\xff"), 1 - 1) << "bytes count as signed";
}

TEST(GeometryTest, FastInverseSquareRootIsClose) {
    EXPECT_NEAR(Q_rsqrt(4.0f), 0.5f, 0.5f * 0.002f);
    EXPECT_NEAR(Q_rsqrt(3.0f), 1.0f / std::sqrt(3.0f), 0.002f);
    std::ostringstream os;
    os << Q_rsqrt(3.0f);
    EXPECT_EQ(os.str(), "0.576847");
    // A negative input has no meaningful answer but must not overflow.
    (void)Q_rsqrt(-1.0f);
}

TEST(GeometryTest, PrintedForms) {
    EXPECT_EQ(printed(Point(-3, 7)), "Point(x=-3,y=7);");
    EXPECT_EQ(Point(-3, 7).toString(), "Point(x=-3,y=7);");
    EXPECT_EQ(printed(PointF(0.5f, 2)), "PointF(x=0.5,y=2);");
    EXPECT_EQ(printed(PointF(1.0f / 3, 0)), "PointF(x=0.333333,y=0);");
    EXPECT_EQ(formatFloat2(3.14159f), "3.14");
    EXPECT_EQ(formatFloat2(-2.5f), "-2.50");

    testing::internal::CaptureStdout();
    printRect(SDL_Rect{1, 2, 3, 4});
    MinMaxCords m;
    m.min = Point(1, 2);
    m.max = Point(3, 4);
    m.min_idx = Point(5, 6);
    m.max_idx = Point(7, 8);
    printMinMax(m);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "SDL_Rect(x=1, y=2, w=3, h=4)\n"
              "min(x,y):1, 2\nmax(x,y):3, 4\nmin_idx(x, y):5, 6\nmax_idx(x, y):7, 8\n");
}

TEST(GeometryTest, RandintStaysInRangeAndReseedsFromTheClock) {
    setCalendarClock([] { return std::time_t{1700000000}; });
    Rand first;
    int a = first.randint(0, 2);
    Rand second;
    int b = second.randint(0, 2);
    EXPECT_EQ(a, b) << "each Rand reseeds from the same pinned second";
    for (int i = 0; i < 200; ++i) {
        int v = first.randint(0, 2);
        EXPECT_GE(v, 0);
        EXPECT_LE(v, 2);
    }
    setCalendarClock({});
}

TEST(GeometryTest, DataPathsUseForwardSlashes) {
    EXPECT_EQ(dataPath(".\\dat\\shipThrust0.png"), "dat/shipThrust0.png");
    EXPECT_EQ(dataPath(".\\dat\\portal_layers\\RGB\\7.png"), "dat/portal_layers/RGB/7.png");
    EXPECT_EQ(dataPath("dat/shot.wav"), "dat/shot.wav");
}
