// Game controllers, read as keys of the key table, so each control does exactly
// what its key does. SDL drops pad presses while another window is in front (we
// leave its background-events hint alone), so the pad plays only while the game does.
#pragma once

#include <SDL.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

class Gamepads {
  public:
    // SDL's buttons, then the two triggers as buttons pressed past half way.
    static constexpr int kLeftTrigger = SDL_CONTROLLER_BUTTON_MAX;
    static constexpr int kRightTrigger = SDL_CONTROLLER_BUTTON_MAX + 1;
    static constexpr int kButtons = SDL_CONTROLLER_BUTTON_MAX + 2;
    using ButtonHandler = std::function<void(int button, bool down)>;

    // What the controls list shows in the pad's column for a key; empty when no control does it.
    static std::string nameFor(SDL_Scancode key);
    // The key a button presses when the player has bound none; SDL_SCANCODE_UNKNOWN for none.
    static SDL_Scancode defaultKey(int button);
    // SDL's names ("a", "dpleft", "lefttrigger"); -1 for a name of no button.
    static int buttonFromName(std::string_view name);
    static std::string buttonName(int button);
    // SDL_INIT_EVERYTHING brings the controllers up; should it have failed, they get a
    // second chance on their own, and without them the game plays on from the keyboard.
    static void startSubsystem();

    // Opens a controller as it is plugged in and closes it as it is pulled out; the buttons,
    // the triggers and the left stick (as the d-pad's left and right) go to `button`.
    void handle(const SDL_Event& event, const ButtonHandler& button);
    // Before SDL_Quit, which would leave the handles dangling.
    void closeAll();
    // The kind of pad whose button or stick moved last.
    SDL_GameControllerType lastType() const { return last; }

  private:
    struct Pad {
        SDL_GameController* controller;
        SDL_JoystickID id;
        int stick; // -1 tilted left, 0 centred, 1 tilted right
        bool triggers[2];
    };
    void added(int deviceIndex);
    void removed(SDL_JoystickID id);
    void stickMoved(Pad& pad, Sint16 value, const ButtonHandler& button);
    void triggerMoved(Pad& pad, int trigger, Sint16 value, const ButtonHandler& button);

    void heardFrom(SDL_JoystickID id);

    std::vector<Pad> pads;
    SDL_GameControllerType last = SDL_CONTROLLER_TYPE_UNKNOWN;
};
