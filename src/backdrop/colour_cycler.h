// The background colour: swings slowly through a ramp from dark purple to dark blue
// and back.
#pragma once

#include <SDL_pixels.h>

#include <array>

class ColourCycler {
  public:
    SDL_Color currentColour() const { return colours[static_cast<unsigned>(index % count)]; }
    // Once per frame, after the colour is taken.
    void step();
    // Every colour it swings through.
    const std::array<SDL_Color, 20>& palette() const { return colours; }

  private:
    int index = 0;
    // Even: the index rises; odd: it falls.
    int directionCounter = 0;
    int period = 1000;
    int countdown = 1000;
    std::array<SDL_Color, 20> colours{
        {{82, 3, 46, 0},  {79, 4, 46, 0},  {77, 5, 46, 0},  {75, 7, 47, 0},  {73, 8, 47, 0},
         {71, 9, 48, 0},  {69, 11, 48, 0}, {67, 12, 48, 0}, {65, 13, 49, 0}, {63, 15, 49, 0},
         {61, 16, 50, 0}, {59, 18, 50, 0}, {57, 19, 51, 0}, {55, 20, 51, 0}, {53, 22, 51, 0},
         {51, 23, 52, 0}, {49, 24, 52, 0}, {47, 26, 53, 0}, {45, 27, 53, 0}, {43, 29, 54, 0}}};
    int count = 20;
};
