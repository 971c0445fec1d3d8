// The game's one random generator: the C library's srand/rand contract with the
// portable example generator, so every draw is 0..32767 on every platform.
#pragma once

#include <cstdint>

constexpr int kGameRandMax = 32767;

void gameSrand(std::uint32_t seed);
// Next value, 0..kGameRandMax.
int gameRand();
// The generator's whole state, read-only: the first thing to differ when two runs part.
std::uint32_t gameRandState();
