// "settings.txt": key=value lines like "game.txt", split at the first '='. One table binds each
// key to what it sets, so the reader, the writer and the defaults cannot drift apart.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/player_settings.h"

// The settings panel's own key, kept from the browser too, and its pad button, which plays no
// key of the game's: they and F11 cannot be bound.
inline constexpr int kSettingsKey = 58;   // SDL_SCANCODE_F1
inline constexpr int kSettingsButton = 3; // SDL_CONTROLLER_BUTTON_Y

// A file larger than this is no file of ours: nothing of it is read.
inline constexpr std::size_t kMaxSettingsBytes = 64 * 1024;

struct SettingsRead {
    PlayerSettings settings;
    // One line each, naming the file, the line and what was wrong; what could not be read
    // keeps its default.
    std::vector<std::string> errors;
};

SettingsRead readSettings(std::string_view text, const std::string& fileName);
// The whole file: every setting, then the bindings and toggles, then the lines kept.
std::string settingsText(const PlayerSettings& settings);
