// The player's bindings: which physical key or pad button stands for which row of the key table,
// and which held rows a press starts and the next press ends. With none chosen every key stands
// for itself and the pad plays its default buttons, so the game hears what it always heard.
#pragma once

#include <SDL.h>

#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "platform/player_settings.h"

// A row of the key table as the platform sees it: its short name, its key, and whether the
// key is held (it acts on its release too).
struct InputRow {
    std::string name;
    SDL_Scancode key = SDL_SCANCODE_UNKNOWN;
    bool held = false;
};

class InputBindings {
  public:
    // Every key as itself, the pad's default buttons, nothing toggled.
    InputBindings();
    // A row's first key or button line replaces its default, later ones add to it; a key bound
    // to a row leaves the row whose default it was.
    InputBindings(std::span<const InputRow> rows, const PlayerSettings& settings);

    // The row's key a physical key stands for; kNoKey when it stands for none.
    static constexpr int kNoKey = -1;
    int keyFor(int physical) const;
    // The rows' keys a pad button stands for (empty: none).
    const std::vector<SDL_Scancode>& padKeysFor(int button) const;
    bool toggles(int rowKey) const { return toggled.count(rowKey) != 0; }
    // The pad buttons that press a row's key, in SDL's order.
    std::vector<int> buttonsFor(int rowKey) const;

  private:
    std::map<int, int> keys;
    // The rows' own keys: one moved to another key no longer stands for itself.
    std::set<int> rowKeys;
    std::map<int, std::vector<SDL_Scancode>> pad;
    std::set<int> toggled;
};
