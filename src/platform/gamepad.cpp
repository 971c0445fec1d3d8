#include "platform/gamepad.h"

#include <algorithm>
#include <iostream>

namespace {
struct PadBinding {
    SDL_GameControllerButton button;
    SDL_Scancode key;
    const char* name;
};

const PadBinding kPad[] = {
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_SCANCODE_LEFT, "D-pad / stick left"},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_SCANCODE_RIGHT, "D-pad / stick right"},
    {SDL_CONTROLLER_BUTTON_B, SDL_SCANCODE_UP, "B"},
    {SDL_CONTROLLER_BUTTON_A, SDL_SCANCODE_SPACE, "A"},
    {SDL_CONTROLLER_BUTTON_START, SDL_SCANCODE_P, "Start"},
    {SDL_CONTROLLER_BUTTON_BACK, SDL_SCANCODE_Q, "Back"},
};

// Half-way over: a worn stick resting off-centre does not turn the ship.
constexpr Sint16 kTilt = 16384;
} // namespace

std::string Gamepads::nameFor(SDL_Scancode key) {
    for (const PadBinding& binding : kPad) {
        if (binding.key == key) {
            return binding.name;
        }
    }
    return "";
}

void Gamepads::startSubsystem() {
    if (SDL_WasInit(SDL_INIT_GAMECONTROLLER) == 0 &&
        SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) < 0) {
        std::cerr << "no gamepads: " << SDL_GetError() << std::endl;
    }
}

void Gamepads::handle(const SDL_Event& event, const KeyHandler& key) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        added(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        removed(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        for (const PadBinding& binding : kPad) {
            if (binding.button == event.cbutton.button) {
                key(binding.key, event.type == SDL_CONTROLLERBUTTONDOWN);
            }
        }
        break;
    case SDL_CONTROLLERAXISMOTION:
        for (Pad& pad : pads) {
            if (pad.id == event.caxis.which && event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                stickMoved(pad, event.caxis.value, key);
            }
        }
        break;
    default:
        break;
    }
}

void Gamepads::added(int deviceIndex) {
    // SDL announces the pads already plugged in when it starts; one may come twice.
    const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
    // find_if: the browser build's C++ library has no std::ranges::find.
    const auto same = [id](const Pad& p) { return p.id == id; };
    if (std::find_if(pads.begin(), pads.end(), same) != pads.end()) {
        return;
    }
    SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
    if (controller == nullptr) {
        std::cerr << "gamepad not opened: " << SDL_GetError() << std::endl;
        return;
    }
    pads.push_back({controller, id, 0});
    std::cerr << "gamepad: " << SDL_GameControllerName(controller) << std::endl;
}

// SDL has let go of its buttons and centred its stick by now.
void Gamepads::removed(SDL_JoystickID id) {
    const auto pad =
        std::find_if(pads.begin(), pads.end(), [id](const Pad& p) { return p.id == id; });
    if (pad == pads.end()) {
        return;
    }
    SDL_GameControllerClose(pad->controller);
    pads.erase(pad);
    std::cerr << "gamepad removed" << std::endl;
}

void Gamepads::stickMoved(Pad& pad, Sint16 value, const KeyHandler& key) {
    const int stick = value <= -kTilt ? -1 : value >= kTilt ? 1 : 0;
    if (stick == pad.stick) {
        return;
    }
    if (pad.stick != 0) {
        key(pad.stick < 0 ? SDL_SCANCODE_LEFT : SDL_SCANCODE_RIGHT, false);
    }
    if (stick != 0) {
        key(stick < 0 ? SDL_SCANCODE_LEFT : SDL_SCANCODE_RIGHT, true);
    }
    pad.stick = stick;
}

void Gamepads::closeAll() {
    for (const Pad& pad : pads) {
        SDL_GameControllerClose(pad.controller);
    }
    pads.clear();
}
