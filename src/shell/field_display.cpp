#include "shell/field_display.h"

Display fieldDisplay(int width, int height) {
    Display display = Platform::real().display;
    display.openWindow = [width, height](const char* title, int& w, int& h) -> SDL_Window* {
        SDL_Window* window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                              width, height, 0);
        // The game works in the recorded field, whatever the window manager makes of it.
        w = width;
        h = height;
        return window;
    };
    return display;
}
