// What a pad's buttons are called on the pad itself: Xbox, PlayStation and Nintendo pads by their
// own labels, any other pad by where the button sits.
#pragma once

#include <SDL.h>

#include <string>

enum class PadFamily { Generic, Xbox, PlayStation, Nintendo };

PadFamily familyOf(SDL_GameControllerType type);
// A button of SDL's (or a trigger, Gamepads::kLeftTrigger / kRightTrigger) by its family's name.
std::string padButtonName(int button, PadFamily family);
