#include "shell/platform.h"

#ifdef __EMSCRIPTEN__
#include "shell/browser_platform.h"
#endif

#include <cstdlib>
#include <cstring>
#include <iostream>

namespace {
// Without a display SDL falls back to its invisible offscreen driver; a player would
// get a game nobody can see or quit, so that counts as no display unless asked for.
bool onlyOffscreenVideo() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    return driver != nullptr && std::strcmp(driver, "offscreen") == 0 &&
           (asked == nullptr || std::strcmp(asked, "offscreen") != 0);
}

SDL_Window* openFullScreenWindow(const char* title, int& width, int& height) {
    if (onlyOffscreenVideo()) {
        SDL_SetError("no display available (set DISPLAY or WAYLAND_DISPLAY)");
        return nullptr;
    }
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
    // Outlines as the driver's line strips instead of one point per pixel: many times
    // cheaper where GL runs on the CPU. Only the accelerated renderer gets the hint.
    SDL_SetHint(SDL_HINT_RENDER_LINE_METHOD, "2");
    SDL_Renderer* renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED);
    SDL_ResetHint(SDL_HINT_RENDER_LINE_METHOD);
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
#ifdef __EMSCRIPTEN__
    return browserPlatform();
#endif
    return Platform{[](Uint32 ms) { SDL_Delay(ms); }, Display{openFullScreenWindow, openRenderer}};
}
