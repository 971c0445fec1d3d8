#include "platform/input_filter.h"

#include <algorithm>

bool InputFilter::passes(const PlayerInput& input) const {
    switch (input.kind) {
    case PlayerInput::Kind::Quit:
        return true;
    case PlayerInput::Kind::Key:
        return std::find(keys.begin(), keys.end(), static_cast<SDL_Scancode>(input.code)) !=
               keys.end();
    case PlayerInput::Kind::Mouse:
        break;
    }
    return false;
}

std::function<bool(PlayerInput&)> InputFilter::wrap(std::function<bool(PlayerInput&)> poll) const {
    return [filter = *this, poll = std::move(poll)](PlayerInput& input) {
        while (poll(input)) {
            if (filter.passes(input)) {
                return true;
            }
        }
        return false;
    };
}
