// The desktop's platform: a full-screen window or one for a chosen field, real sleeps.
#include "platform/platform.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "platform/field_size.h"

namespace {
// Without a display SDL falls back to its invisible offscreen driver; a player would
// get a game nobody can see or quit, so that counts as no display unless asked for.
bool onlyOffscreenVideo() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    return driver != nullptr && std::strcmp(driver, "offscreen") == 0 &&
           (asked == nullptr || std::strcmp(asked, "offscreen") != 0);
}

// A window for a field of a chosen size, shrunk to fit the desktop where it is larger;
// the field keeps its size.
SDL_Window* openFieldWindow(const char* title, int width, int height) {
    SDL_Rect usable{};
    SDL_GetDisplayUsableBounds(0, &usable);
    const SDL_Point size = windowedSize(width, height, usable);
    return SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, size.x, size.y,
                            SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
}

// Made full-screen at its windowed size: a window manager that restores the window's old
// size after leaving full-screen restores that, never the 1 x 1 SDL keeps for -1 x -1.
SDL_Window* openFullScreenWindow(const char* title, int& width, int& height) {
    SDL_Rect usable{};
    SDL_GetDisplayUsableBounds(0, &usable);
    SDL_DisplayMode desktop{};
    SDL_GetDesktopDisplayMode(0, &desktop);
    const SDL_Point size = windowedSize(desktop.w, desktop.h, usable);
    SDL_Window* window =
        SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, std::max(1, size.x),
                         std::max(1, size.y), SDL_WINDOW_FULLSCREEN_DESKTOP);
    if (window != nullptr) {
        SDL_GetWindowSize(window, &width, &height);
    }
    return window;
}

SDL_Window* openGameWindow(const char* title, int& width, int& height) {
    if (onlyOffscreenVideo()) {
        SDL_SetError("no display available (set DISPLAY or WAYLAND_DISPLAY)");
        return nullptr;
    }
    if (width > 0 && height > 0) {
        return openFieldWindow(title, width, height);
    }
    return openFullScreenWindow(title, width, height);
}

bool desktopSize(int& width, int& height) {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
        return false;
    }
    width = mode.w;
    height = mode.h;
    return true;
}

} // namespace

SDL_Renderer* openGameRenderer(SDL_Window* window) {
    // The driver's own lines for the few lines drawn one by one: one point per pixel ("1")
    // costs a vertex per lit pixel. Outlines go as geometry of their own (OutlineBatch).
    return openRenderer(window, "2");
}

Platform Platform::real(const std::vector<std::string>&) {
    Platform platform{[](Uint32 ms) { SDL_Delay(ms); },
                      Display{openGameWindow, openGameRenderer, desktopSize, {}}};
    platform.input.events->enableTouch();
    return platform;
}
