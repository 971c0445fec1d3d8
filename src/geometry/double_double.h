// Double-double arithmetic: a value held as an unevaluated sum hi + lo of two doubles, about
// 106 bits. Built from + - * / only (the product splits its factors instead of fusing), so it
// gives the same bits wherever IEEE 754 doubles are, as long as nothing contracts a * b + c.
#pragma once

struct DoubleDouble {
    double hi = 0.0;
    double lo = 0.0;
};

namespace dd {

// a + b exactly, for any a and b.
inline DoubleDouble twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

// a + b exactly, when |a| >= |b| (or a is 0).
inline DoubleDouble fastTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

// a's high 26 bits and the rest, both exact (Veltkamp).
inline DoubleDouble split(double a) {
    const double t = 134217729.0 * a; // 2^27 + 1
    const double hi = t - (t - a);
    return {hi, a - hi};
}

// a * b exactly (Dekker), away from overflow and underflow.
inline DoubleDouble twoProd(double a, double b) {
    const double p = a * b;
    const DoubleDouble x = split(a);
    const DoubleDouble y = split(b);
    return {p, ((x.hi * y.hi - p) + x.hi * y.lo + x.lo * y.hi) + x.lo * y.lo};
}

inline DoubleDouble add(DoubleDouble a, DoubleDouble b) {
    DoubleDouble s = twoSum(a.hi, b.hi);
    const DoubleDouble t = twoSum(a.lo, b.lo);
    s = fastTwoSum(s.hi, s.lo + t.hi);
    return fastTwoSum(s.hi, s.lo + t.lo);
}

inline DoubleDouble neg(DoubleDouble a) {
    return {-a.hi, -a.lo};
}

inline DoubleDouble sub(DoubleDouble a, DoubleDouble b) {
    return add(a, neg(b));
}

inline DoubleDouble mul(DoubleDouble a, DoubleDouble b) {
    const DoubleDouble p = twoProd(a.hi, b.hi);
    return fastTwoSum(p.hi, p.lo + (a.hi * b.lo + a.lo * b.hi));
}

inline DoubleDouble mul(DoubleDouble a, double b) {
    const DoubleDouble p = twoProd(a.hi, b);
    return fastTwoSum(p.hi, p.lo + a.lo * b);
}

// Three quotient digits: the remainder after two is exact to well under the last one.
inline DoubleDouble div(DoubleDouble a, DoubleDouble b) {
    const double q1 = a.hi / b.hi;
    DoubleDouble r = sub(a, mul(b, q1));
    const double q2 = r.hi / b.hi;
    r = sub(r, mul(b, q2));
    const double q3 = r.hi / b.hi;
    const DoubleDouble q = fastTwoSum(q1, q2);
    return add(q, {q3, 0.0});
}

} // namespace dd
