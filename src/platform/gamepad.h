// Game controllers, read as keys of the key table, so each control does exactly
// what its key does. SDL drops pad presses while another window is in front (we
// leave its background-events hint alone), so the pad plays only while the game does.
#pragma once

#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

class Gamepads {
  public:
    using KeyHandler = std::function<void(SDL_Scancode key, bool down)>;

    // What the controls list shows in the pad's column for a key; empty when no control does it.
    static std::string nameFor(SDL_Scancode key);
    // SDL_INIT_EVERYTHING brings the controllers up; should it have failed, they get a
    // second chance on their own, and without them the game plays on from the keyboard.
    static void startSubsystem();

    // Opens a controller as it is plugged in and closes it as it is pulled out; the
    // buttons and the left stick become key presses and releases for `key`.
    void handle(const SDL_Event& event, const KeyHandler& key);
    // Before SDL_Quit, which would leave the handles dangling.
    void closeAll();

  private:
    struct Pad {
        SDL_GameController* controller;
        SDL_JoystickID id;
        int stick; // -1 tilted left, 0 centred, 1 tilted right
    };
    void added(int deviceIndex);
    void removed(SDL_JoystickID id);
    void stickMoved(Pad& pad, Sint16 value, const KeyHandler& key);

    std::vector<Pad> pads;
};
