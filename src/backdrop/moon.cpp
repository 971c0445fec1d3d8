#include "backdrop/moon.h"

#include "geometry/picture.h"
#include "geometry/render_scale.h"

void Moon::load(SDL_Renderer* renderer) {
    texture_ = loadPicture(renderer, ".\\dat\\themoon4.png");
}

void Moon::draw(SDL_Renderer* renderer, const SDL_Rect& where) const {
    if (texture_ != nullptr) {
        fitScaleMode(renderer, texture_);
        SDL_RenderCopyEx(renderer, texture_, nullptr, &where, 0.0, nullptr, SDL_FLIP_NONE);
    }
}
