// The seams between the game and the machine: the sleeps, the display and the storage.
// The game always uses the real ones; tests pass their own.
#pragma once

#include <SDL.h>
#include <functional>

struct Display {
    // Creates the window and reports its pixel size.
    std::function<SDL_Window*(const char* title, int& width, int& height)> openWindow;
    std::function<SDL_Renderer*(SDL_Window* window)> openRenderer;
};

// Where a written file needs more than the write to last (the browser's storage).
// Either may be empty: then files last as written.
struct Storage {
    // Told after a save file was written while the game runs (a checkpoint).
    std::function<void()> filesWritten;
    // Given the shut-down save, to run if the host goes away before a quit (a closed page).
    std::function<void(std::function<void()> save)> saveOnLeave;
};

struct Platform {
    std::function<void(Uint32 ms)> sleep;
    Display display;
    Storage storage{};

    // Full-screen desktop window, accelerated renderer (software when there is none),
    // real sleeps. In a browser: the page's canvas and its storage.
    static Platform real();
};
