#include "platform/input_bindings.h"

#include <algorithm>

#include "platform/gamepad.h"

namespace {
// The lines of one row, in the file's order.
std::vector<int> linesOf(const std::vector<PlayerSettings::Binding>& lines,
                         const std::string& row) {
    std::vector<int> codes;
    for (const PlayerSettings::Binding& line : lines) {
        if (line.row == row) {
            codes.push_back(line.code);
        }
    }
    return codes;
}

std::map<int, std::vector<SDL_Scancode>> defaultPad() {
    std::map<int, std::vector<SDL_Scancode>> pad;
    for (int button = 0; button < Gamepads::kButtons; ++button) {
        if (const SDL_Scancode key = Gamepads::defaultKey(button); key != SDL_SCANCODE_UNKNOWN) {
            pad[button].push_back(key);
        }
    }
    return pad;
}
} // namespace

InputBindings::InputBindings() : pad(defaultPad()) {}

InputBindings::InputBindings(std::span<const InputRow> rows, const PlayerSettings& settings) {
    // Defaults first, so that a key or button the player bound elsewhere moves to that row.
    for (const InputRow& row : rows) {
        rowKeys.insert(row.key);
        if (linesOf(settings.keys, row.name).empty()) {
            keys[row.key] = row.key;
        }
        if (std::find(settings.toggled.begin(), settings.toggled.end(), row.name) !=
                settings.toggled.end() &&
            row.held) {
            toggled.insert(row.key);
        }
    }
    for (const auto& [button, bound] : defaultPad()) {
        for (const InputRow& row : rows) {
            if (std::find(bound.begin(), bound.end(), row.key) != bound.end() &&
                linesOf(settings.padButtons, row.name).empty()) {
                pad[button].push_back(row.key);
            }
        }
    }
    for (const InputRow& row : rows) {
        for (const int code : linesOf(settings.keys, row.name)) {
            keys[code] = row.key;
        }
        for (const int button : linesOf(settings.padButtons, row.name)) {
            pad[button] = {row.key};
        }
    }
}

int InputBindings::keyFor(int physical) const {
    if (const auto bound = keys.find(physical); bound != keys.end()) {
        return bound->second;
    }
    // Keys of no row reach the game as themselves, as they always have; a row's key bound away
    // stands for nothing.
    return rowKeys.count(physical) != 0 ? kNoKey : physical;
}

const std::vector<SDL_Scancode>& InputBindings::padKeysFor(int button) const {
    static const std::vector<SDL_Scancode> none;
    const auto bound = pad.find(button);
    return bound == pad.end() ? none : bound->second;
}

std::vector<int> InputBindings::buttonsFor(int rowKey) const {
    std::vector<int> buttons;
    for (const auto& [button, keys] : pad) {
        if (std::find(keys.begin(), keys.end(), rowKey) != keys.end()) {
            buttons.push_back(button);
        }
    }
    return buttons;
}
