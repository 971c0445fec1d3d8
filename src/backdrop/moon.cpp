#include "backdrop/moon.h"

#include "geometry/picture.h"

void Moon::load(SDL_Renderer* renderer) {
    texture_ = loadPicture(renderer, ".\\dat\\themoon4.png");
}

void Moon::draw(DrawSurface& surface, const SDL_Rect& where) const {
    if (texture_ != nullptr) {
        surface.fitScaleMode(texture_);
        surface.copyEx(texture_, where, 0.0);
    }
}
