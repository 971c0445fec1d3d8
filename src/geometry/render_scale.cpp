#include "geometry/render_scale.h"

#include <algorithm>

bool drawsShrunk(SDL_Renderer* renderer) {
    float x = 1.0F;
    float y = 1.0F;
    SDL_RenderGetScale(renderer, &x, &y);
    return std::min(x, y) < 1.0F;
}

void fitScaleMode(SDL_Renderer* renderer, SDL_Texture* texture) {
    const SDL_ScaleMode want = drawsShrunk(renderer) ? SDL_ScaleModeLinear : SDL_ScaleModeNearest;
    SDL_ScaleMode have = want;
    if (SDL_GetTextureScaleMode(texture, &have) == 0 && have != want) {
        SDL_SetTextureScaleMode(texture, want);
    }
}
