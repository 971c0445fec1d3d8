// SDL's events in the game's vocabulary. Keys, mouse buttons, pads (their buttons and the
// left stick as the keys they stand for), fingers on the touch controls and the window's close
// all become `PlayerInput`; the window's own keys (Alt+Enter, F11) it acts on itself, since they
// are no input of the game's. One frame never gets more than a recording holds: at most
// kMaxFrameInputs, and kMaxKeyPressesPerFrame presses of one key.
#pragma once

#include <SDL.h>

#include <array>
#include <cstddef>
#include <deque>
#include <memory>
#include <vector>

#include "platform/gamepad.h"
#include "platform/player_input.h"
#include "platform/touch_controls.h"

class InputTranslator {
  public:
    // The game's window and the field it shows: full-screen toggling and fingers need them.
    void attach(SDL_Window* window, int fieldWidth, int fieldHeight);
    // Fingers on a touch screen press the controls drawn for them (the real platforms).
    void enableTouch();
    // The controls show a pause and an end instead of the game's (a recording being watched).
    void watching();
    void setPanel(TouchPanel panel);
    // Null where fingers were not enabled.
    const TouchControls* touch() const { return fingers.get(); }

    // The frame's next input; false when the frame has no more, and the next call begins the
    // next frame. What a frame could not take waits for the next one.
    bool next(PlayerInput& input);
    // Appends what one event stands for to `out` (nothing for most events).
    void translate(const SDL_Event& event, std::vector<PlayerInput>& out);
    // Before SDL_Quit, which would leave the pads' handles dangling.
    void closePads() { pads.closeAll(); }

  private:
    void toggleFullscreen() const;
    bool pressedOften(const PlayerInput& input) const;

    Gamepads pads;
    std::unique_ptr<TouchControls> fingers;
    std::deque<PlayerInput> pending;
    std::vector<PlayerInput> made;
    std::size_t handed = 0;
    std::array<std::size_t, kMaxKeyCode + 1> presses{};
    SDL_Window* window = nullptr;
    int fieldW = 0;
    int fieldH = 0;
};
