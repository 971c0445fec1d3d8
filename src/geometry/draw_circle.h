// Single-pixel midpoint circle outline.
#pragma once

#include <SDL_render.h>

struct ColourRGB {
    Uint8 r = 0;
    Uint8 g = 0;
    Uint8 b = 0;
};

// Leaves the draw colour set to (colour, alpha): later outlines rely on it.
void drawCircle(SDL_Renderer* renderer, int cx, int cy, int radius, ColourRGB colour, Uint8 alpha);
