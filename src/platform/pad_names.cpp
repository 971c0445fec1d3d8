#include "platform/pad_names.h"

#include <array>

#include "platform/gamepad.h"

namespace {
using Names = std::array<const char*, Gamepads::kButtons>;

// In SDL's order: a, b, x, y, back, guide, start, the sticks, the shoulders, the d-pad, misc1,
// the four paddles, the touchpad; then the two triggers.
constexpr Names kGeneric = {
    "bottom button", "right button", "left button", "top button",    "select",         "home",
    "start",         "left stick",   "right stick", "left shoulder", "right shoulder", "d-pad up",
    "d-pad down",    "d-pad left",   "d-pad right", "misc",          "paddle 1",       "paddle 2",
    "paddle 3",      "paddle 4",     "touchpad",    "left trigger",  "right trigger"};
constexpr Names kXbox = {"A",          "B",          "X",           "Y",     "View", "Xbox",
                         "Menu",       "LS",         "RS",          "LB",    "RB",   "D-pad up",
                         "D-pad down", "D-pad left", "D-pad right", "Share", "P1",   "P2",
                         "P3",         "P4",         "touchpad",    "LT",    "RT"};
constexpr Names kPlayStation = {"Cross",    "Circle",   "Square",     "Triangle",   "Create",
                                "PS",       "Options",  "L3",         "R3",         "L1",
                                "R1",       "D-pad up", "D-pad down", "D-pad left", "D-pad right",
                                "Mute",     "paddle 1", "paddle 2",   "paddle 3",   "paddle 4",
                                "touchpad", "L2",       "R2"};
// SDL reports a Nintendo pad's buttons by their labels, so A is the one marked A.
constexpr Names kNintendo = {"A",        "B",        "X",          "Y",           "-",
                             "Home",     "+",        "left stick", "right stick", "L",
                             "R",        "D-pad up", "D-pad down", "D-pad left",  "D-pad right",
                             "Capture",  "paddle 1", "paddle 2",   "paddle 3",    "paddle 4",
                             "touchpad", "ZL",       "ZR"};
} // namespace

PadFamily familyOf(SDL_GameControllerType type) {
    switch (type) {
    case SDL_CONTROLLER_TYPE_XBOX360:
    case SDL_CONTROLLER_TYPE_XBOXONE:
        return PadFamily::Xbox;
    case SDL_CONTROLLER_TYPE_PS3:
    case SDL_CONTROLLER_TYPE_PS4:
    case SDL_CONTROLLER_TYPE_PS5:
        return PadFamily::PlayStation;
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_PRO:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_LEFT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_RIGHT:
    case SDL_CONTROLLER_TYPE_NINTENDO_SWITCH_JOYCON_PAIR:
        return PadFamily::Nintendo;
    default:
        return PadFamily::Generic;
    }
}

std::string padButtonName(int button, PadFamily family) {
    if (button < 0 || button >= Gamepads::kButtons) {
        return "";
    }
    const Names& names = family == PadFamily::Xbox          ? kXbox
                         : family == PadFamily::PlayStation ? kPlayStation
                         : family == PadFamily::Nintendo    ? kNintendo
                                                            : kGeneric;
    return names[static_cast<std::size_t>(button)];
}
