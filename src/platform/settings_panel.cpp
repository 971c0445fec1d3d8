#include "platform/settings_panel.h"

#include <SDL.h>

#include <algorithm>

#include "platform/gamepad.h"
#include "platform/settings_file.h"

namespace {
using Settings = PlayerSettings;

// The lines after the rows of the key table.
enum Item { kVolume, kSound, kDisplay, kLargeText, kClearColours, kAllDefaults, kItems };

std::string onOff(bool on) {
    return on ? "on" : "off";
}

void dropRow(std::vector<Settings::Binding>& lines, const std::string& row) {
    std::erase_if(lines, [&row](const Settings::Binding& b) { return b.row == row; });
}

// The row a key or button stood for before, by name; empty when none.
std::string ownerOf(std::span<const InputRow> rows, int key) {
    for (const InputRow& row : rows) {
        if (row.key == key) {
            return row.name;
        }
    }
    return "";
}
} // namespace

SettingsPanel::SettingsPanel(std::span<const InputRow> tableRows, SettingsKeeper& settings)
    : rows(tableRows.begin(), tableRows.end()), keeper(settings) {}

void SettingsPanel::show() {
    open = true;
    waitingFor = Capture::None;
    note.clear();
}

int SettingsPanel::itemCount() const {
    return static_cast<int>(rows.size()) + kItems;
}

void SettingsPanel::move(Move m) {
    note.clear();
    switch (m) {
    case Move::Up:
        chosen = (chosen + itemCount() - 1) % itemCount();
        break;
    case Move::Down:
        chosen = (chosen + 1) % itemCount();
        break;
    case Move::Less:
        change(-1);
        break;
    case Move::More:
        change(1);
        break;
    case Move::Choose:
        choose(Capture::Key);
        break;
    case Move::ChooseButton:
        choose(Capture::Button);
        break;
    case Move::Defaults:
        if (chosen < static_cast<int>(rows.size())) {
            rowDefaults(rows[static_cast<std::size_t>(chosen)].name);
        }
        break;
    case Move::Close:
        open = false;
        waitingFor = Capture::None;
        break;
    }
}

void SettingsPanel::pick(int line) {
    if (line >= 1 && line <= itemCount()) {
        chosen = line - 1;
        move(Move::Choose);
    }
}

void SettingsPanel::tap(int line) {
    if (line < 1 || line > static_cast<int>(rows.size())) {
        pick(line);
        return;
    }
    waitingFor = Capture::None;
    chosen = line - 1;
    note = "keys are bound from a keyboard (Enter), buttons from a pad (A)";
    if (rows[static_cast<std::size_t>(chosen)].held) {
        note.clear();
        change(1);
    }
}

// Left and right: a held row's hold or toggle, the volume by ten, the rest on and off.
void SettingsPanel::change(int step) {
    const int item = chosen - static_cast<int>(rows.size());
    if (item < 0) {
        const InputRow& row = rows[static_cast<std::size_t>(chosen)];
        if (row.held) {
            keeper.change([&row](Settings& s) {
                if (std::erase(s.toggled, row.name) == 0) {
                    s.toggled.push_back(row.name);
                }
            });
        }
        return;
    }
    keeper.change([item, step](Settings& s) {
        switch (item) {
        case kVolume:
            s.volume = std::clamp(s.volume + 10 * step, 0, 100);
            break;
        case kSound:
            s.sound = !s.sound;
            break;
        case kDisplay:
            s.fullscreen = !s.fullscreen;
            break;
        case kLargeText:
            s.largeText = !s.largeText;
            break;
        case kClearColours:
            s.clearColours = !s.clearColours;
            break;
        default:
            break;
        }
    });
}

void SettingsPanel::choose(Capture what) {
    const int item = chosen - static_cast<int>(rows.size());
    if (item < 0) {
        waitingFor = what;
        note = what == Capture::Key ? "press the key for it (Escape: as it was)"
                                    : "press the pad button for it (Back: as it was)";
    } else if (item == kAllDefaults) {
        keeper.change([](Settings& s) {
            s.keys.clear();
            s.padButtons.clear();
            s.toggled.clear();
        });
        note = "every row is back to its keys and buttons";
    } else if (item == kVolume) {
        keeper.change([](Settings& s) { s.volume = s.volume == 100 ? 0 : s.volume + 10; });
    } else {
        change(1);
    }
}

void SettingsPanel::rowDefaults(const std::string& row) {
    keeper.change([&row](Settings& s) {
        dropRow(s.keys, row);
        dropRow(s.padButtons, row);
        std::erase(s.toggled, row);
    });
    note = row + " is back to its own keys and buttons";
}

bool SettingsPanel::endCapture(Capture kind, bool cancelled) {
    const Capture was = waitingFor;
    waitingFor = Capture::None;
    note.clear();
    return was == kind && !cancelled;
}

// The row takes the key or button from whichever row had it, and says so.
void SettingsPanel::bind(std::vector<Settings::Binding> Settings::*list, int code,
                         const std::string& name, const std::string& before) {
    const std::string& row = rows[static_cast<std::size_t>(chosen)].name;
    keeper.change([&](Settings& s) {
        std::erase_if(s.*list, [code](const Settings::Binding& b) { return b.code == code; });
        (s.*list).push_back({row, code});
    });
    note = !before.empty() && before != row ? name + " moved from " + before + " to " + row
                                            : name + " now plays " + row;
}

void SettingsPanel::captureKey(int scancode) {
    if (!endCapture(Capture::Key, scancode == SDL_SCANCODE_ESCAPE)) {
        return;
    }
    if (scancode == kSettingsKey || scancode == SDL_SCANCODE_F11) {
        note = "F1 and F11 are the game's own keys";
        return;
    }
    // The file names keys by SDL's names: a key without one could not be read back.
    if (*SDL_GetScancodeName(static_cast<SDL_Scancode>(scancode)) == '\0') {
        note = "that key has no name, so it cannot be bound";
        return;
    }
    bind(&Settings::keys, scancode, SDL_GetScancodeName(static_cast<SDL_Scancode>(scancode)),
         ownerOf(rows, InputBindings(rows, keeper.values()).keyFor(scancode)));
}

void SettingsPanel::captureButton(int button) {
    if (!endCapture(Capture::Button, button == SDL_CONTROLLER_BUTTON_BACK)) {
        return;
    }
    if (button == kSettingsButton) {
        note = "y is the settings panel's own button";
        return;
    }
    const std::vector<SDL_Scancode>& had = InputBindings(rows, keeper.values()).padKeysFor(button);
    bind(&Settings::padButtons, button, Gamepads::buttonName(button),
         had.empty() ? "" : ownerOf(rows, had.front()));
}

std::string SettingsPanel::keysOf(const InputRow& row) const {
    std::string names;
    for (const Settings::Binding& b : keeper.values().keys) {
        if (b.row == row.name) {
            names += (names.empty() ? "" : ", ") +
                     std::string(SDL_GetScancodeName(static_cast<SDL_Scancode>(b.code)));
        }
    }
    const bool movedAway = InputBindings(rows, keeper.values()).keyFor(row.key) != row.key;
    return !names.empty() ? names : movedAway ? "-" : SDL_GetScancodeName(row.key);
}

std::string SettingsPanel::buttonsOf(const InputRow& row, std::optional<PadFamily> family) const {
    std::string names;
    for (const int button : InputBindings(rows, keeper.values()).buttonsFor(row.key)) {
        names += (names.empty() ? "" : ", ") +
                 (family ? padButtonName(button, *family) : Gamepads::buttonName(button));
    }
    return names.empty() ? "-" : names;
}

std::vector<std::string> SettingsPanel::lines(std::optional<PadFamily> family, bool touch) const {
    const Settings& s = keeper.values();
    // Played from a pad: its own buttons' names, and no key's.
    const auto keys = [&](const InputRow& row) {
        return family ? std::string() : keysOf(row) + "\t";
    };
    std::vector<std::string> out{
        std::string("Settings\t") + (family ? "" : "Keys\t") + "Pad\t" +
        (!note.empty() ? note
         : family      ? "A: bind a button, X: its defaults, B closes"
         : touch       ? "tap a line to change it; the settings control closes"
                       : "Enter: bind a key, Delete: its defaults, F1 or Escape closes")};
    for (const InputRow& row : rows) {
        const bool toggled =
            std::find(s.toggled.begin(), s.toggled.end(), row.name) != s.toggled.end();
        out.push_back(row.name + "\t" + keys(row) + buttonsOf(row, family) + "\t" +
                      (row.held ? (toggled ? "press on, press off" : "hold") : ""));
    }
    out.push_back("volume\t" + std::to_string(s.volume) + " %");
    out.push_back("sound\t" + onOff(s.sound));
    out.push_back(std::string("display\t") + (s.fullscreen ? "full-screen" : "window"));
    out.push_back("large_text\t" + onOff(s.largeText));
    out.push_back("clear_colours\t" + onOff(s.clearColours));
    out.push_back("all keys and buttons back to their defaults");
    return out;
}
