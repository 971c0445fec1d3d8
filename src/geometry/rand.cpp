#include "geometry/rand.h"

#include <cstdlib>

#include "geometry/calendar_clock.h"

Rand::Rand() {
    reseedFromClock();
}

int Rand::randint(int /*lo*/, int hi) {
    return std::rand() % (hi + 1);
}
