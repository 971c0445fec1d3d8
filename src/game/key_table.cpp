// The keys of the game, in one table.
#include "game/game.h"

#include <regex>

const KeyBinding Game::kKeys[] = {
    {SDL_SCANCODE_A, "A", "liff_period", "Liff cycle period of 66500 frames", &Game::keyLiffPeriod,
     nullptr},
    {SDL_SCANCODE_C, "C", "checkpoint", "save a checkpoint", &Game::keyCheckpoint, nullptr},
    {SDL_SCANCODE_D, "D", "debug", "debug overlay on / off", &Game::keyDebugOverlay, nullptr},
    {SDL_SCANCODE_E, "E", "recentre", "bring the ship back to the centre, stopped",
     &Game::keyRecentre, nullptr},
    {SDL_SCANCODE_F, "F", "liff_freeze", "freeze the Liff cycle", &Game::keyLiffFreeze, nullptr},
    {SDL_SCANCODE_G, "G", "mute", "sound on / off", &Game::keyMute, nullptr},
    {SDL_SCANCODE_H, "H", "help", "help on / off", &Game::keyHelp, nullptr},
    {SDL_SCANCODE_L, "L", "liff_random", "randomize the Liff cells", &Game::keyLiffRandomize,
     nullptr},
    {SDL_SCANCODE_M, "M", "milk_run", "milk run: a cleared field stays empty", &Game::keyMilkRun,
     nullptr},
    {SDL_SCANCODE_N, "N", "more_rocks", "add a wave ten rocks larger", &Game::keyMoreRocks,
     nullptr},
    {SDL_SCANCODE_P, "P", "pause", "pause / resume", &Game::keyPause, nullptr},
    {SDL_SCANCODE_Q, "Q", "quit", "quit", &Game::keyQuit, nullptr},
    {SDL_SCANCODE_S, "S", "shield", "shield display on / off", &Game::keyShield, nullptr},
    {SDL_SCANCODE_V, "V", "flock_sight", "then Up / Down: widen / narrow the flock's sight",
     &Game::keyRangeRequest, nullptr},
    {SDL_SCANCODE_W, "W", "rock_report", "log every rock, pull lost rocks back",
     &Game::keyRockReport, nullptr},
    {SDL_SCANCODE_1, "1", "print_outline", "log the ship's outline", &Game::keyPrintPoly, nullptr},
    {SDL_SCANCODE_2, "2", "turn_outline", "turn the outline alone", &Game::keyTurnOutline, nullptr},
    {SDL_SCANCODE_3, "3", "random_values", "log the first random values", &Game::keyRandomTable,
     nullptr},
    {SDL_SCANCODE_SPACE, "Space", "fire", "fire (hold for a stream)", &Game::keyFire,
     &Game::keyFireUp},
    {SDL_SCANCODE_RIGHT, "Right", "turn_right", "turn right (hold)", &Game::keyRight,
     &Game::keyRightUp},
    {SDL_SCANCODE_LEFT, "Left", "turn_left", "turn left (hold)", &Game::keyLeft, &Game::keyLeftUp},
    {SDL_SCANCODE_DOWN, "Down", "sight_down", "after V: narrow the flock's sight", &Game::keyDown,
     nullptr},
    {SDL_SCANCODE_UP, "Up", "thrust", "thrust (hold); after V: widen the flock's sight",
     &Game::keyUp, &Game::keyUpUp},
};

std::span<const KeyBinding> Game::keyTable() {
    return kKeys;
}

std::vector<InputRow> Game::inputRows() {
    std::vector<InputRow> rows;
    for (const KeyBinding& binding : keyTable()) {
        rows.push_back({binding.setting, binding.key, binding.release != nullptr});
    }
    return rows;
}

namespace {
// Each row's help with the keys it names ("then Up / Down") named by their rows instead; made
// once, since the pad's help is drawn every frame it is shown.
const std::vector<std::string>& helpByRowNames() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> out;
        for (const KeyBinding& binding : Game::keyTable()) {
            std::string text = binding.help;
            for (const KeyBinding& other : Game::keyTable()) {
                const std::regex word(std::string("\\b") + other.name + "\\b");
                text = std::regex_replace(text, word, other.setting);
            }
            out.push_back(text);
        }
        return out;
    }();
    return texts;
}
} // namespace

std::vector<std::string> Game::padHelpLines(PadFamily family) const {
    std::vector<std::string> out{"Pad\tWhat it does (D-pad and A press a row)"};
    for (std::size_t row = 0; row < keyTable().size(); ++row) {
        std::string names;
        for (const int button :
             platform.input.events->boundInputs().buttonsFor(keyTable()[row].key)) {
            names += (names.empty() ? "" : ", ") + padButtonName(button, family);
        }
        out.push_back((names.empty() ? "-" : names) + "\t" + helpByRowNames()[row]);
    }
    return out;
}

const std::vector<std::string>& Game::helpLines() {
    static const std::vector<std::string> lines = [] {
        // Tabs part the columns: key, gamepad, what it does.
        std::vector<std::string> out{"Key\tGamepad\tWhat it does (H closes this)"};
        for (const KeyBinding& binding : keyTable()) {
            out.push_back(std::string(binding.name) + "\t" + Gamepads::nameFor(binding.key) + "\t" +
                          binding.help);
        }
        out.push_back("Right mouse\t\tpick a Liff cell; hold to outline the islands");
        // Not keys of the game: the window's own.
        out.push_back("Alt+Enter, F11\t\tfull-screen / window");
        out.push_back("Replays\t\tstart with -record=FILE, -replay=FILE or -timedemo=FILE");
        return out;
    }();
    return lines;
}

std::span<const SDL_Scancode> Game::runKeys() {
    static constexpr SDL_Scancode keys[] = {
        SDL_SCANCODE_LEFT, SDL_SCANCODE_RIGHT, SDL_SCANCODE_UP, SDL_SCANCODE_SPACE, SDL_SCANCODE_P,
        SDL_SCANCODE_S,    SDL_SCANCODE_G,     SDL_SCANCODE_H,  SDL_SCANCODE_D,     SDL_SCANCODE_Q};
    return keys;
}

const std::vector<std::string>& Game::runHelpLines() {
    static const std::vector<std::string> lines = [] {
        std::vector<std::string> out = helpLines();
        std::string names;
        for (const SDL_Scancode key : runKeys()) {
            for (const KeyBinding& binding : keyTable()) {
                // Piece by piece: GCC 12 for Windows warns falsely (-Wrestrict) on "" + a string.
                if (binding.key == key) {
                    names.append(names.empty() ? "" : " ").append(binding.name);
                }
            }
        }
        out.push_back("In a run\t\tonly " + names + " act; Q ends the run early");
        return out;
    }();
    return lines;
}
