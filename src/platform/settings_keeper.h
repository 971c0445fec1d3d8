// The player's settings for one run: read once at start, written whole each time the player
// changes one. A keeper with no file (a replay, a test) plays the defaults and writes nothing.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "platform/player_settings.h"

class SettingsKeeper {
  public:
    // Writes a whole file crash-safely; false when it could not.
    using Writer = std::function<bool(const std::string& path, const std::string& text)>;

    SettingsKeeper() = default;
    // Reads file (a missing one is no error); each line that could not be read gets one line on
    // standard error and keeps its default.
    SettingsKeeper(std::filesystem::path file, Writer write);

    const PlayerSettings& values() const { return settings; }
    // The player changed something: the file is written at once, unless nothing changed.
    void change(const std::function<void(PlayerSettings&)>& edit);
    // For what changes often (a window dragged larger): written by the next change or by save.
    void note(const std::function<void(PlayerSettings&)>& edit);
    // What note() left unwritten.
    void save();
    // The window's flags decide the display; the remembered one is left as it is.
    void displayFromFlags() { flagsChoseDisplay = true; }
    bool displayChosen() const { return !flagsChoseDisplay; }

    // Told after each write (the page keeps its files in IndexedDB).
    std::function<void()> written;
    // Told after each change, so what it changes acts at once.
    std::function<void(const PlayerSettings&)> applied;

  private:
    PlayerSettings settings;
    std::filesystem::path file;
    Writer write;
    bool unsaved = false;
    bool flagsChoseDisplay = false;
};
