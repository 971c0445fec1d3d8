// The scope in the top right corner: ring, cross-hair, a sweeping hand, a dot per
// rock and one for the hero.
#pragma once

#include <SDL_rect.h>
#include <SDL_render.h>

#include <array>
#include <vector>

#include "geometry/draw_circle.h"
#include "geometry/point.h"

class Radar {
  public:
    explicit Radar(Point windowSize);

    void setHeroPos(Point p) { heroPos = p; }
    // Plotted at the next draw only.
    void addBlip(Point p) { blips.push_back(p); }
    // Draws the scope and forgets the blips. The hero dot is drawn last, so its white
    // stays set on the renderer.
    void drawRadar(DrawSurface& surface);

    // Moving end, then fixed end.
    const std::array<SDL_Point, 2>& getSweep() const { return sweep; }

  private:
    // Each pair is one outline segment, drawn as it is.
    std::array<SDL_Point, 2> sweep;
    std::array<SDL_Point, 2> hLine{};
    std::array<SDL_Point, 2> vLine{};
    std::vector<Point> blips;
    CircleBatch circles;
    Point heroPos;
    float sweepAngle = 0.0f;
    Point screenSize;
    int sweepEvery = 20;
    int drawCount = 1;
};
