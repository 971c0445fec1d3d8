// The keys of the game, in one table.
#include "game/game.h"

const KeyBinding Game::kKeys[] = {
    {SDL_SCANCODE_A, "A", "Liff cycle period of 66500 frames", &Game::keyLiffPeriod, nullptr},
    {SDL_SCANCODE_C, "C", "save a checkpoint", &Game::keyCheckpoint, nullptr},
    {SDL_SCANCODE_D, "D", "debug overlay on / off", &Game::keyDebugOverlay, nullptr},
    {SDL_SCANCODE_E, "E", "bring the ship back to the centre, stopped", &Game::keyRecentre,
     nullptr},
    {SDL_SCANCODE_F, "F", "freeze the Liff cycle", &Game::keyLiffFreeze, nullptr},
    {SDL_SCANCODE_G, "G", "sound on / off", &Game::keyMute, nullptr},
    {SDL_SCANCODE_H, "H", "help on / off", &Game::keyHelp, nullptr},
    {SDL_SCANCODE_L, "L", "randomize the Liff cells", &Game::keyLiffRandomize, nullptr},
    {SDL_SCANCODE_M, "M", "milk run: a cleared field stays empty", &Game::keyMilkRun, nullptr},
    {SDL_SCANCODE_N, "N", "add a wave ten rocks larger", &Game::keyMoreRocks, nullptr},
    {SDL_SCANCODE_P, "P", "pause / resume", &Game::keyPause, nullptr},
    {SDL_SCANCODE_Q, "Q", "quit", &Game::keyQuit, nullptr},
    {SDL_SCANCODE_S, "S", "shield display on / off", &Game::keyShield, nullptr},
    {SDL_SCANCODE_V, "V", "then Up / Down: widen / narrow the flock's sight",
     &Game::keyRangeRequest, nullptr},
    {SDL_SCANCODE_W, "W", "log every rock, pull lost rocks back", &Game::keyRockReport, nullptr},
    {SDL_SCANCODE_1, "1", "log the ship's outline", &Game::keyPrintPoly, nullptr},
    {SDL_SCANCODE_2, "2", "turn the outline alone", &Game::keyTurnOutline, nullptr},
    {SDL_SCANCODE_3, "3", "log the first random values", &Game::keyRandomTable, nullptr},
    {SDL_SCANCODE_SPACE, "Space", "fire (hold for a stream)", &Game::keyFire, &Game::keyFireUp},
    {SDL_SCANCODE_RIGHT, "Right", "turn right (hold)", &Game::keyRight, &Game::keyRightUp},
    {SDL_SCANCODE_LEFT, "Left", "turn left (hold)", &Game::keyLeft, &Game::keyLeftUp},
    {SDL_SCANCODE_DOWN, "Down", "after V: narrow the flock's sight", &Game::keyDown, nullptr},
    {SDL_SCANCODE_UP, "Up", "thrust (hold); after V: widen the flock's sight", &Game::keyUp,
     &Game::keyUpUp},
};

std::span<const KeyBinding> Game::keyTable() {
    return kKeys;
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
