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
    HelpPanel() = default;
    // A panel of lines that may change (rebuilt when they do) at its own place.
    HelpPanel(int x, int y) : left(x), top(y), shown(true) {}

    void toggle() { shown = !shown; }
    bool isShown() const { return shown; }
    // Where the open panel lies (empty while closed), and which of its lines is at height y
    // (-1: none), so a finger can pick a line.
    SDL_Rect shownBox() const { return shown ? box : SDL_Rect{0, 0, 0, 0}; }
    int lineAt(int y) const;
    // Draws the lines over a dark box, leaving the draw colour and blend mode as they were; the
    // highlighted line (if any) on a lighter band.
    void draw(DrawSurface& surface, TTF_Font* font, const std::vector<std::string>& lines,
              int highlight = -1);

  private:
    void build(DrawSurface& surface, TTF_Font* font, const std::vector<std::string>& lines);

    int left = 60;
    int top = 150;
    bool shown = false;
    bool built = false;
    std::vector<std::string> builtLines;
    std::vector<TextLabel> labels;
    SDL_Rect box{0, 0, 0, 0};
};
