#include "hud/text_label.h"

#include <cstdio>
#include <utility>

TextLabel::TextLabel(DrawSurface* surface, SDL_Texture* texture, TTF_Font* font, std::string text,
                     int x, int y, SDL_Color colour)
    : texture_(texture), rect_{x, y, 0, 0}, font_(font), surface_(surface), colour_(colour),
      text_(std::move(text)) {}

void TextLabel::setText(const std::string& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    render();
}

void TextLabel::setColour(SDL_Color colour) {
    const bool same = colour.r == colour_.r && colour.g == colour_.g && colour.b == colour_.b &&
                      colour.a == colour_.a;
    colour_ = colour;
    // A label never given a text has nothing to show yet.
    if (!same && texture_ != nullptr) {
        render();
    }
}

void TextLabel::render() {
    surface_->release(texture_);
    texture_ = nullptr;
    SDL_Surface* surface = TTF_RenderText_Solid(font_, text_.c_str(), colour_);
    if (surface == nullptr) {
        printf("Failed to render text: %s", SDL_GetError());
        fflush(stdout);
        // Nothing to show: an empty label instead of reading a surface that is not there.
        rect_.w = 0;
        rect_.h = 0;
        return;
    }
    rect_.w = surface->w;
    rect_.h = surface->h;
    texture_ = SDL_CreateTextureFromSurface(surface_->renderer(), surface);
    SDL_FreeSurface(surface);
}

void TextLabel::draw() const {
    if (texture_ == nullptr) {
        return;
    }
    surface_->fitScaleMode(texture_);
    const SDL_Rect drawn = rect();
    surface_->copy(texture_, &drawn);
}

void TextLabel::release() {
    surface_->release(texture_);
    texture_ = nullptr;
}
