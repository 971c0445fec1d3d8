#include "shell/platform.h"

#include <iostream>

namespace {
SDL_Window* openFullScreenWindow(const char* title, int& width, int& height) {
    SDL_Window* window =
        SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, 0);
    if (window == nullptr) {
        return nullptr;
    }
    SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP);
    SDL_GetWindowSize(window, &width, &height);
    return window;
}

SDL_Renderer* openRenderer(SDL_Window* window) {
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    if (renderer == nullptr) {
        // No GPU: software rendering is slower but still plays.
        std::cerr << "no accelerated renderer (" << SDL_GetError() << "), using software"
                  << std::endl;
        renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
    }
    return renderer;
}
} // namespace

Platform Platform::real() {
    return Platform{[](Uint32 ms) { SDL_Delay(ms); }, Display{openFullScreenWindow, openRenderer}};
}
