#include "exact_math_digest.h"

#include <cstring>

#include "geometry/angles.h"
#include "geometry/exact_math.h"

namespace {

// FNV-1a over the bits of each result.
struct Fnv {
    std::uint64_t h = 14695981039346656037ull;
    void add(std::uint64_t bits) {
        for (int i = 0; i < 8; ++i) {
            h = (h ^ ((bits >> (8 * i)) & 0xff)) * 1099511628211ull;
        }
    }
    void add(double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        add(bits);
    }
    void add(float v) {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        add(std::uint64_t{bits});
    }
};

// Arguments from an integer generator, so the table is the same on every platform.
struct Lcg {
    std::uint64_t x = 20261207;
    double next(double lo, double hi) {
        x = x * 6364136223846793005ull + 1442695040888963407ull;
        return lo + static_cast<double>(x >> 11) * 0x1p-53 * (hi - lo);
    }
};

void addHeadings(Fnv& f) {
    for (int deg = -3600; deg <= 3600; deg += 5) {
        const double r = degree2rad(static_cast<float>(deg));
        f.add(exact::sin(r));
        f.add(exact::cos(r));
        f.add(exact::sin(static_cast<float>(r)));
        f.add(exact::cos(static_cast<float>(r)));
    }
    for (int dx = -40; dx <= 40; ++dx) {
        for (int dy = -40; dy <= 40; ++dy) {
            f.add(exact::atan2(static_cast<double>(dx), static_cast<double>(dy)));
            f.add(exact::atan2(static_cast<float>(dx) / 3.0f, static_cast<float>(dy) / 7.0f));
        }
    }
}

void addRandom(Fnv& f) {
    Lcg g;
    for (int i = 0; i < 20000; ++i) {
        f.add(exact::sin(g.next(-100.0, 100.0)));
        f.add(exact::cos(g.next(-100.0, 100.0)));
        f.add(exact::sin(static_cast<float>(g.next(-64.0, 64.0))));
        f.add(exact::cos(static_cast<float>(g.next(-64.0, 64.0))));
        // One draw a statement: the order of a call's arguments is the compiler's choice.
        const double y = g.next(-1e4, 1e4);
        f.add(exact::atan2(y, g.next(-1e4, 1e4)));
        const auto yf = static_cast<float>(g.next(-4e3, 4e3));
        f.add(exact::atan2(yf, static_cast<float>(g.next(-4e3, 4e3))));
        f.add(exact::log(g.next(1e-3, 1e6)));
        f.add(exact::log(static_cast<float>(g.next(0.07, 1e4))));
    }
    f.add(exact::kLog2Of10);
}

} // namespace

std::uint64_t exactMathDigest() {
    Fnv f;
    addHeadings(f);
    addRandom(f);
    return f.h;
}

std::string exactMathDigestText() {
    static const char kHex[] = "0123456789abcdef";
    const std::uint64_t h = exactMathDigest();
    std::string out(16, '0');
    for (int i = 0; i < 16; ++i) {
        out[15 - i] = kHex[(h >> (4 * i)) & 0xf];
    }
    return out;
}
