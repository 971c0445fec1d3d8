// Random source over the standard generator; every construction reseeds it.
#pragma once

class Rand {
  public:
    Rand();
    // A value from 0 to hi; lo is not used (every caller passes 0).
    int randint(int lo, int hi);

  private:
    float unused = 0.0f;
};
