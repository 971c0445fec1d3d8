// The debug overlay: a column of labels at x 640, one every 24 pixels from y 48.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>
#include <vector>

#include "hud/text_label.h"

class DebugMessageList {
  public:
    DebugMessageList(DrawSurface* surface, SDL_Texture* texture, TTF_Font* font);

    // Appends lines until line i exists, then gives it the text.
    void setMessage(int i, const std::string& text);
    void drawAll() const;
    // Lines made later take it too.
    void setColour(SDL_Color colour);

    const std::vector<TextLabel>& lines() const { return lines_; }

  private:
    void appendLine(const char* firstText);

    std::vector<TextLabel> lines_;
    TTF_Font* font_;
    SDL_Texture* texture_;
    DrawSurface* surface_;
    int line_height_ = 24;
    int last_y_ = 24;
    int new_x_ = 640;
    SDL_Color colour_{255, 44, 44, 255};
};
