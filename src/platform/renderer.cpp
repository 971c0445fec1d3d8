// The renderer both the desktop and the page open.
#include "platform/platform.h"

#include <iostream>

SDL_Renderer* openRenderer(SDL_Window* window, const char* lineMethod) {
    SDL_SetHint(SDL_HINT_RENDER_LINE_METHOD, lineMethod);
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    SDL_ResetHint(SDL_HINT_RENDER_LINE_METHOD);
    if (renderer == nullptr) {
        // No GPU (or no WebGL): software rendering is slower but still plays.
        std::cerr << "no accelerated renderer (" << SDL_GetError() << "), using software"
                  << std::endl;
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    return renderer;
}
