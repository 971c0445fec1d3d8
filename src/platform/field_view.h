// Shows the field in whatever size the window has: scaled with its aspect kept,
// black bars beside it, mouse positions mapped back into the field (SDL's logical
// size). In a larger window the frame is drawn into a field-size texture and copied
// with whole pixels. In a smaller one it is drawn straight into the window, its outlines
// one window pixel thin and its pictures filtered: a filtered copy of the whole field cost
// Mesa's CPU rasteriser as much as the whole frame.
#pragma once

#include <SDL.h>

#include "geometry/draw_surface.h"
#include "platform/touch_controls.h"

class FieldView {
  public:
    void open(DrawSurface& surface, int fieldWidth, int fieldHeight);
    // Called after the frame's other render-target request, so the game always
    // draws into the field.
    void beginFrame();
    // The touch controls, when given, go over the field, after it is scaled.
    void present(const TouchControls* over = nullptr);
    void close();

    // Full-screen at the desktop's size, or a centred window of the field's size.
    static void toggleFullscreen(SDL_Window* window, int fieldWidth, int fieldHeight);

  private:
    // Black over what the game's clear left beside the field.
    void coverBars();

    DrawSurface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* target = nullptr;
    int width = 0;
    int height = 0;
    bool drawingToTarget = false;
};
