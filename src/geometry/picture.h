// Loading a picture from the data directory as a texture.
#pragma once

#include <SDL_render.h>

#include <string_view>

// Null when the picture cannot be read or made into a texture; the caller then
// simply draws nothing.
SDL_Texture* loadPicture(SDL_Renderer* renderer, std::string_view name);
