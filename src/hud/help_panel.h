// The controls, listed on screen while H has it open; a tab in a line starts its
// next column. Its textures are made the first time it is shown; it writes
// nothing to standard output.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>
#include <vector>

#include "hud/text_label.h"

class HelpPanel {
  public:
    void toggle() { shown = !shown; }
    bool isShown() const { return shown; }
    // Where the open panel lies (empty while closed), and which of its lines is at height y
    // (-1: none), so a finger can pick a line.
    SDL_Rect shownBox() const { return shown ? box : SDL_Rect{0, 0, 0, 0}; }
    int lineAt(int y) const;
    // Draws the lines over a dark box, leaving the draw colour and blend mode as they were.
    void draw(DrawSurface& surface, TTF_Font* font, const std::vector<std::string>& lines);

  private:
    void build(DrawSurface& surface, TTF_Font* font, const std::vector<std::string>& lines);

    bool shown = false;
    bool built = false;
    std::vector<TextLabel> labels;
    SDL_Rect box{0, 0, 0, 0};
};
