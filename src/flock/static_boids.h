// A fixed set of boid items that is never stepped or drawn; the debug overlay shows its first.
#pragma once

#include <array>
#include <cstddef>

#include "flock/boid_flock.h"

class StaticBoids {
  public:
    const Boid& getBoid(int i) const { return items[static_cast<std::size_t>(i)]; }

  private:
    std::array<Boid, 5> items{Boid{200.0, 300.0, 0.0, 0.0}};
};
