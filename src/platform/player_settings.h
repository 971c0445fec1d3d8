// What a player chose: the values of "settings.txt". Each starts at the game's own behaviour,
// so a game with no settings file plays, sounds and looks as it always has.
#pragma once

#include <string>
#include <vector>

struct PlayerSettings {
    // One line of bind_NAME= or pad_NAME=: a row of the key table by its short name, and a
    // key (SDL's scancode) or a pad button (SDL's button).
    struct Binding {
        std::string row;
        int code = 0;
        bool operator==(const Binding&) const = default;
    };

    std::vector<Binding> keys;
    std::vector<Binding> padButtons;
    // Rows pressed once to start and once more to end, instead of held.
    std::vector<std::string> toggled;
    int volume = 100; // per cent, in steps of 10
    bool sound = true;
    bool fullscreen = true;
    // The window's size when not full-screen; 0 x 0: the field's.
    int windowWidth = 0;
    int windowHeight = 0;
    bool largeText = false;
    bool clearColours = false;
    // Lines of a newer game or the player's own notes: written back as they came.
    std::vector<std::string> kept;

    bool operator==(const PlayerSettings&) const = default;
};
