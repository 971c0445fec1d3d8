#include "geometry/picture.h"

#include <SDL_image.h>

#include "geometry/data_path.h"

SDL_Texture* loadPicture(SDL_Renderer* renderer, std::string_view name) {
    const std::string file = dataPath(name);
    SDL_Surface* surface = IMG_Load(file.c_str());
    if (surface == nullptr) {
        reportUnloaded(file, SDL_GetError());
        return nullptr;
    }
    SDL_Texture* texture = SDL_CreateTextureFromSurface(renderer, surface);
    SDL_FreeSurface(surface);
    return texture;
}
