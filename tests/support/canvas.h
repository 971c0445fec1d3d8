// A software renderer drawing into a memory surface whose pixels tests read back.
#pragma once

#include <SDL.h>

inline bool operator==(const SDL_Color& a, const SDL_Color& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

class Canvas {
  public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    SDL_Color pixel(int x, int y) const;
    int countNonBlack() const;
    int count(SDL_Color colour) const;

    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
};
