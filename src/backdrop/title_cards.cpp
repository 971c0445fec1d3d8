#include "backdrop/title_cards.h"

#include "geometry/picture.h"

namespace {
void sizeFromTexture(SDL_Texture* texture, SDL_Rect& r) {
    if (texture != nullptr) {
        SDL_QueryTexture(texture, nullptr, nullptr, &r.w, &r.h);
    }
    r.w /= 2;
    r.h /= 2;
}

void drawCard(DrawSurface& surface, SDL_Texture* texture, const SDL_Rect& r) {
    if (texture != nullptr) {
        surface.fitScaleMode(texture);
        surface.copyEx(texture, r, 0.0);
    }
}
} // namespace

void TitleCards::load(SDL_Renderer* renderer, int windowWidth, int windowHeight) {
    title1 = loadPicture(renderer, ".\\dat\\mogu.png");
    title2 = loadPicture(renderer, ".\\dat\\lira.png");
    sizeFromTexture(title1, rTitle1);
    sizeFromTexture(title2, rTitle2);
    // Side by side about the centre, 210 pixels apart.
    rTitle1.x = (windowWidth - rTitle1.w) / 2 - 105;
    rTitle2.x = (windowWidth - rTitle2.w) / 2 + 105;
    rTitle1.y = (windowHeight - rTitle1.h) / 2;
    rTitle2.y = (windowHeight - rTitle2.h) / 2;
}

void TitleCards::fadeStep(int& fadeAlpha) {
    fadeAlpha -= 5;
    if (fadeAlpha < 0) {
        return;
    }
    for (SDL_Texture* t : {title1, title2}) {
        if (t != nullptr) {
            SDL_SetTextureAlphaMod(t, static_cast<Uint8>(fadeAlpha));
        }
    }
}

void TitleCards::draw(DrawSurface& surface) const {
    drawCard(surface, title1, rTitle1);
    drawCard(surface, title2, rTitle2);
}

void TitleCards::destroy() {
    for (SDL_Texture** t : {&title1, &title2}) {
        // A null texture would only leave a stale SDL error behind.
        if (*t != nullptr) {
            SDL_DestroyTexture(*t);
            *t = nullptr;
        }
    }
}
