#include "geometry/rand.h"

#include "geometry/calendar_clock.h"
#include "geometry/game_rand.h"

Rand::Rand() {
    reseedFromClock();
}

int Rand::randint(int /*lo*/, int hi) {
    return gameRand() % (hi + 1);
}
