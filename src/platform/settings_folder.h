// Where the player's own settings and score tables live, apart from the game's saves: they
// follow the player, not the folder the game was started in.
#pragma once

#include <filesystem>
#include <optional>

// Linux and the like: $XDG_CONFIG_HOME/void-angler, or ~/.config/void-angler when the variable
// is unset, empty or not absolute; nothing without a home either. Windows: %APPDATA%\void-angler.
// Either variable may be null (unset).
std::optional<std::filesystem::path> settingsFolderFrom(const char* configHome, const char* home);

// The folder for this machine and player (not made here; the first write makes it). In the page:
// the game's own folder, whose text files the page keeps in IndexedDB.
std::optional<std::filesystem::path> settingsFolder();
