// The colours text and missiles are drawn in: the game's own, or clear ones that stand out
// from every colour of the backdrop and from the moon, for players who cannot read the red on
// purple or find the blue missiles.
#pragma once

#include <SDL_pixels.h>

#include "geometry/draw_circle.h"

struct Palette {
    SDL_Color text;
    ColourRGB missile;
};

inline constexpr Palette kUsualPalette{{255, 44, 44, 255}, {0, 0, 255}};
// Text at 4.5:1 or more and missiles at 3:1 or more on the lightest moon pixel.
inline constexpr Palette kClearPalette{{255, 200, 200, 255}, {120, 220, 255}};
