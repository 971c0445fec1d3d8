// Angle helpers. Headings are degrees: 0 up the screen, growing clockwise.
#pragma once

#include "geometry/point.h"

double degree2rad(float deg);
double rad2degree(double rad);
double cosScaled(double r, float deg);
double sinScaled(double r, float deg);
double cosecDeg(float deg);

// Heading from origin to target in [0, 360); equal points log an error and give 0.
float getDirection(const PointF& origin, const PointF& target);
// The same heading without the diagnostic.
float headingBetween(const PointF& origin, const PointF& target);
// Integer twin used by the polygon objects.
float getDirection(const Point& origin, const Point& target);
