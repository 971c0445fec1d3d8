// The game's window as the player left it: full-screen, or a window of the size they gave it.
// Both are kept in the player's settings, when there are any.
#pragma once

#include <SDL.h>

class SettingsKeeper;

class PlayerWindow {
  public:
    // The window and the field it shows; a window the player chose replaces the full screen.
    void attach(SDL_Window* window, int fieldWidth, int fieldHeight, SettingsKeeper* settings);
    // Alt+Enter and F11, and the settings panel's display row.
    void toggleFullscreen(SettingsKeeper* settings) const;
    // A window's new size is remembered; a full screen's is not the player's choice.
    void resized(const SDL_WindowEvent& event, SettingsKeeper* settings) const;
    // After the settings changed: the window takes the mode they name.
    void follow(SettingsKeeper& settings) const;

  private:
    bool fullscreen() const;

    SDL_Window* window = nullptr;
    int fieldW = 0;
    int fieldH = 0;
};
