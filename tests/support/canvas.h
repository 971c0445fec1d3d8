// A software renderer drawing into a memory surface whose pixels tests read back.
#pragma once

#include <SDL.h>

#include "geometry/sdl_surface.h"

inline bool operator==(const SDL_Color& a, const SDL_Color& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// Reads a pixel of an RGB888 surface (flush the renderer that draws into it first).
SDL_Color surfacePixel(SDL_Surface* surface, int x, int y);
// Counts the pixels in the area (all of them when it is empty) whose red, green and blue match.
int countColour(SDL_Surface* surface, SDL_Color colour, SDL_Rect area = {});

class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    SDL_Color pixel(int x, int y) const;
    int countNonBlack() const;
    int count(SDL_Color colour) const;
    // The colour the renderer draws with now.
    SDL_Color drawColour() const;

    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    // The game's drawing calls onto the renderer.
    SdlSurface paint{renderer};
};
