#include "backdrop/colour_cycler.h"

void ColourCycler::step() {
    if (countdown < 1) {
        countdown = period;
        index += (directionCounter % 2 != 0) ? -1 : 1;
    } else {
        --countdown;
    }
    // The counter ticks every frame spent on a multiple of count; an odd 1001-frame
    // stay turns the direction at both ends of the swing.
    if (index % count == 0) {
        ++directionCounter;
    }
}
