// A display without a screen: a hidden window of the field's size and SDL's software renderer
// drawing into a picture in memory, whose pixels can be read back; or, where nothing needs to
// be seen, the renderer only makes the pictures and every frame draws nothing.
#pragma once

#include <SDL.h>

#include "platform/platform.h"

class HeadlessScreen {
  public:
    HeadlessScreen(int width, int height, bool draws = true);
    ~HeadlessScreen();
    HeadlessScreen(const HeadlessScreen&) = delete;
    HeadlessScreen& operator=(const HeadlessScreen&) = delete;

    // Opens the window at the screen's size whatever the game asks for.
    Display display();
    // No sleeps, the screen's display, SDL's input queue.
    Platform platform();
    SDL_Surface* pixels() const { return picture; }
    SDL_Window* window() const { return shown; }

    // SDL's dummy video and sound drivers, whatever the environment names.
    static void chooseDummyDrivers();

  private:
    SDL_Surface* picture;
    SDL_Window* shown = nullptr;
    bool draws;
};
