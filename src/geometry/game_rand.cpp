#include "geometry/game_rand.h"

namespace {
// The C library starts as if seeded with 1.
std::uint32_t next = 1;
} // namespace

void gameSrand(std::uint32_t seed) {
    next = seed;
}

std::uint32_t gameRandState() {
    return next;
}

int gameRand() {
    next = next * 1103515245u + 12345u;
    return static_cast<int>((next / 65536u) % 32768u);
}
