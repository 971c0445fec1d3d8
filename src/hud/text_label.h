// One text drawn at one place. The font renders it into a texture only when the
// text changes, so an unchanged label costs one copy per frame.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

#include "geometry/draw_surface.h"

class TextLabel {
  public:
    // Stores everything; nothing is rendered until setText gets a different text.
    TextLabel(DrawSurface* surface, SDL_Texture* texture, TTF_Font* font, std::string text, int x,
              int y, SDL_Color colour);

    void setText(const std::string& text);
    // Renders the held text again in the new colour, when it is another.
    void setColour(SDL_Color colour);
    // Drawn at a whole multiple of the font's size, from the given corner.
    void setScale(int scale) { scale_ = scale; }
    void moveTo(int x, int y) { rect_.x = x, rect_.y = y; }
    void draw() const;
    // Gives its texture back now, for a label about to be dropped.
    void release();

    const std::string& text() const { return text_; }
    // Where it is drawn, at its scale.
    SDL_Rect rect() const { return {rect_.x, rect_.y, rect_.w * scale_, rect_.h * scale_}; }
    SDL_Texture* texture() const { return texture_; }

  private:
    // Copies share this pointer, so no destructor frees it: the renderer takes
    // the remaining textures with it at shut-down. Pictures are made for the
    // surface's renderer, drawn or not.
    SDL_Texture* texture_;
    void render();

    // At the font's size.
    SDL_Rect rect_;
    int scale_ = 1;
    TTF_Font* font_;
    DrawSurface* surface_;
    SDL_Color colour_;
    std::string text_;
};
