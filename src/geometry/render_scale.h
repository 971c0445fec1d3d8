// The renderer's scale, as a window smaller than the field sets it: below x1 the field is drawn
// straight into the window, so one-pixel outlines are built in the window's own pixels and
// pictures are filtered; from x1 up everything keeps its whole pixels.
#pragma once

#include <SDL_render.h>

// Whether SDL's scale is below 1 on either axis.
bool drawsShrunk(SDL_Renderer* renderer);
// Linear sampling while shrunk, the nearest pixel otherwise, set only when it changes.
void fitScaleMode(SDL_Renderer* renderer, SDL_Texture* texture);
