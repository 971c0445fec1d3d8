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
    // The help, whose rows the d-pad and A then press: every key within a pad's reach. Named
    // in the help only once a pad plays, so the keyboard's help stays as it was.
    {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, SDL_SCANCODE_H, ""},
};

// Half-way over: a worn stick resting off-centre does not turn the ship.
constexpr Sint16 kTilt = 16384;
} // namespace

SDL_Scancode Gamepads::defaultKey(int button) {
    for (const PadBinding& binding : kPad) {
        if (binding.button == button) {
            return binding.key;
        }
    }
    return SDL_SCANCODE_UNKNOWN;
}

int Gamepads::buttonFromName(std::string_view name) {
    for (int button = 0; button < kButtons && !name.empty(); ++button) {
        if (buttonName(button) == name) {
            return button;
        }
    }
    return -1;
}

std::string Gamepads::buttonName(int button) {
    if (button == kLeftTrigger || button == kRightTrigger) {
        return button == kLeftTrigger ? "lefttrigger" : "righttrigger";
    }
    const char* name =
        SDL_GameControllerGetStringForButton(static_cast<SDL_GameControllerButton>(button));
    return name != nullptr ? name : "";
}

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

void Gamepads::handle(const SDL_Event& event, const ButtonHandler& button) {
    switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
        added(event.cdevice.which);
        break;
    case SDL_CONTROLLERDEVICEREMOVED:
        removed(event.cdevice.which);
        break;
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
        heardFrom(event.cbutton.which);
        button(event.cbutton.button, event.type == SDL_CONTROLLERBUTTONDOWN);
        break;
    case SDL_CONTROLLERAXISMOTION:
        for (Pad& pad : pads) {
            if (pad.id != event.caxis.which) {
                continue;
            }
            heardFrom(pad.id);
            if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX) {
                stickMoved(pad, event.caxis.value, button);
            } else if (event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT ||
                       event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT) {
                triggerMoved(pad, event.caxis.axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT ? 0 : 1,
                             event.caxis.value, button);
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
    pads.push_back({controller, id, 0, {false, false}});
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

void Gamepads::stickMoved(Pad& pad, Sint16 value, const ButtonHandler& button) {
    const int stick = value <= -kTilt ? -1 : value >= kTilt ? 1 : 0;
    if (stick == pad.stick) {
        return;
    }
    const auto side = [](int tilt) {
        return tilt < 0 ? SDL_CONTROLLER_BUTTON_DPAD_LEFT : SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
    };
    if (pad.stick != 0) {
        button(side(pad.stick), false);
    }
    if (stick != 0) {
        button(side(stick), true);
    }
    pad.stick = stick;
}

// A trigger rests at 0 and goes to 32767; past half way it is pressed.
void Gamepads::triggerMoved(Pad& pad, int trigger, Sint16 value, const ButtonHandler& button) {
    const bool pressed = value >= kTilt;
    if (pressed != pad.triggers[trigger]) {
        pad.triggers[trigger] = pressed;
        button(trigger == 0 ? kLeftTrigger : kRightTrigger, pressed);
    }
}

void Gamepads::heardFrom(SDL_JoystickID id) {
    for (const Pad& pad : pads) {
        if (pad.id == id) {
            last = SDL_GameControllerGetType(pad.controller);
        }
    }
}

void Gamepads::closeAll() {
    for (const Pad& pad : pads) {
        SDL_GameControllerClose(pad.controller);
    }
    pads.clear();
}
