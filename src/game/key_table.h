// One row per key: what the player presses, what it does, and the line the
// controls list shows for it. Input dispatch, the help and the README read it.
#pragma once

#include <SDL_scancode.h>

class Game;

struct KeyBinding {
    SDL_Scancode key;
    const char* name;
    // Its name in the player's settings (bind_NAME=, pad_NAME=, toggle_NAME=): fixed for good.
    const char* setting;
    const char* help;
    void (Game::*press)();
    // Null where letting go does nothing.
    void (Game::*release)();
};
