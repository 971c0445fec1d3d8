// Lets through only some of the player's inputs: the keys named (as the player's bindings made
// them) and the window's close. What it holds back never reaches the game, so no recorder hears
// it either.
#pragma once

#include <SDL_scancode.h>

#include <functional>
#include <span>
#include <vector>

#include "platform/player_input.h"

class InputFilter {
  public:
    explicit InputFilter(std::span<const SDL_Scancode> keys) : keys(keys.begin(), keys.end()) {}

    bool passes(const PlayerInput& input) const;
    // The poll the game calls, holding back what does not pass.
    std::function<bool(PlayerInput&)> wrap(std::function<bool(PlayerInput&)> poll) const;

  private:
    std::vector<SDL_Scancode> keys;
};
