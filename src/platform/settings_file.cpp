#include "platform/settings_file.h"

#include <SDL.h>

#include <algorithm>
#include <charconv>
#include <optional>

#include "platform/gamepad.h"

namespace {
using Settings = PlayerSettings;

// A number of decimal digits alone, no sign and no spaces.
std::optional<int> wholeNumber(std::string_view text) {
    int n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || text.front() == '-' || ec != std::errc() ||
        end != text.data() + text.size()) {
        return std::nullopt;
    }
    return n;
}

std::string onOff(bool on) {
    return on ? "on" : "off";
}

std::string readOnOff(bool& target, std::string_view value, const char* what) {
    if (value != "on" && value != "off") {
        return std::string(what) + " is on or off";
    }
    target = value == "on";
    return "";
}

std::string readVolume(Settings& s, std::string_view value) {
    const std::optional<int> n = wholeNumber(value);
    if (!n || *n > 100 || *n % 10 != 0) {
        return "volume is 0 to 100 in steps of 10";
    }
    s.volume = *n;
    return "";
}

std::string readDisplay(Settings& s, std::string_view value) {
    if (value != "fullscreen" && value != "window") {
        return "display is fullscreen or window";
    }
    s.fullscreen = value == "fullscreen";
    return "";
}

constexpr int kMaxWindowSide = 16384;

std::string readWindow(Settings& s, std::string_view value) {
    const std::size_t x = value.find('x');
    const std::optional<int> w = wholeNumber(value.substr(0, x));
    const std::optional<int> h =
        x == std::string_view::npos ? std::nullopt : wholeNumber(value.substr(x + 1));
    if (!w || !h || *w < 1 || *h < 1 || *w > kMaxWindowSide || *h > kMaxWindowSide) {
        return "window is WxH, each from 1 to 16384";
    }
    s.windowWidth = *w;
    s.windowHeight = *h;
    return "";
}

std::string windowText(const Settings& s) {
    return s.windowWidth > 0 ? std::to_string(s.windowWidth) + "x" + std::to_string(s.windowHeight)
                             : "";
}

// One row per key of the file: what reads it and what writes it back. The defaults are
// PlayerSettings' own; a value the writer leaves empty is not written.
struct SettingKey {
    const char* key;
    std::string (*read)(Settings& s, std::string_view value);
    std::string (*write)(const Settings& s);
};

const SettingKey kSettingKeys[] = {
    {"volume", readVolume, [](const Settings& s) { return std::to_string(s.volume); }},
    {"sound", [](Settings& s, std::string_view v) { return readOnOff(s.sound, v, "sound"); },
     [](const Settings& s) { return onOff(s.sound); }},
    {"display", readDisplay,
     [](const Settings& s) { return std::string(s.fullscreen ? "fullscreen" : "window"); }},
    {"window", readWindow, windowText},
    {"large_text",
     [](Settings& s, std::string_view v) { return readOnOff(s.largeText, v, "large_text"); },
     [](const Settings& s) { return onOff(s.largeText); }},
    {"clear_colours",
     [](Settings& s, std::string_view v) { return readOnOff(s.clearColours, v, "clear_colours"); },
     [](const Settings& s) { return onOff(s.clearColours); }},
};

// Short names of the key table's rows: lower-case letters, digits and '_'.
bool isRowName(std::string_view name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

std::string readKey(Settings& s, std::string_view row, std::string_view value) {
    const SDL_Scancode code = SDL_GetScancodeFromName(std::string(value).c_str());
    if (code == SDL_SCANCODE_UNKNOWN) {
        return "no key is named \"" + std::string(value) + "\"";
    }
    if (code == kSettingsKey || code == SDL_SCANCODE_F11) {
        return std::string(value) + " is the game's own key and cannot be bound";
    }
    s.keys.push_back({std::string(row), code});
    return "";
}

std::string readPadButton(Settings& s, std::string_view row, std::string_view value) {
    const int button = Gamepads::buttonFromName(value);
    if (button < 0) {
        return "no pad button is named \"" + std::string(value) + "\"";
    }
    if (button == kSettingsButton) {
        return "y is the settings panel's own button and cannot be bound";
    }
    s.padButtons.push_back({std::string(row), button});
    return "";
}

std::string readToggle(Settings& s, std::string_view row, std::string_view value) {
    bool on = false;
    if (std::string error = readOnOff(on, value, "a toggle"); !error.empty()) {
        return error;
    }
    std::erase(s.toggled, std::string(row));
    if (on) {
        s.toggled.emplace_back(row);
    }
    return "";
}

// Keys that name a row of the key table after their prefix; a row may have many lines.
struct RowKey {
    std::string_view prefix;
    std::string (*read)(Settings& s, std::string_view row, std::string_view value);
};

const RowKey kRowKeys[] = {
    {"bind_", readKey},
    {"pad_", readPadButton},
    {"toggle_", readToggle},
};

// "" when the line was read (or kept), else what was wrong with it.
std::string readLine(Settings& s, std::string_view line) {
    const std::size_t eq = line.find('=');
    if (line.empty() || line.front() == '#') {
        s.kept.emplace_back(line);
        return "";
    }
    if (eq == std::string_view::npos) {
        return "not a setting (key=value)";
    }
    const std::string_view key = line.substr(0, eq);
    const std::string_view value = line.substr(eq + 1);
    for (const SettingKey& known : kSettingKeys) {
        if (key == known.key) {
            return known.read(s, value);
        }
    }
    for (const RowKey& known : kRowKeys) {
        if (key.substr(0, known.prefix.size()) == known.prefix) {
            const std::string_view row = key.substr(known.prefix.size());
            return isRowName(row) ? known.read(s, row, value)
                                  : std::string(key) + " names no row of the controls";
        }
    }
    s.kept.emplace_back(line);
    return "";
}

bool isText(std::string_view text) {
    return std::none_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u < 0x20 && c != '\n' && c != '\r' && c != '\t';
    });
}
} // namespace

SettingsRead readSettings(std::string_view text, const std::string& fileName) {
    SettingsRead read;
    if (text.size() > kMaxSettingsBytes) {
        read.errors.push_back(fileName + ": larger than 64 KiB, so not read");
        return read;
    }
    if (!isText(text)) {
        read.errors.push_back(fileName + ": damaged (holds control characters), so not read");
        return read;
    }
    std::size_t number = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        // A file saved with Windows line ends reads the same; a line is written back without.
        while (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (const std::string error = readLine(read.settings, line); !error.empty()) {
            read.errors.push_back(fileName + ":" + std::to_string(number) + ": " +
                                  std::string(line) + ": " + error);
        }
    }
    return read;
}

std::string settingsText(const PlayerSettings& s) {
    std::string text;
    for (const SettingKey& known : kSettingKeys) {
        if (const std::string value = known.write(s); !value.empty()) {
            text += std::string(known.key) + "=" + value + "\n";
        }
    }
    for (const PlayerSettings::Binding& key : s.keys) {
        text += "bind_" + key.row + "=" + SDL_GetScancodeName(static_cast<SDL_Scancode>(key.code)) +
                "\n";
    }
    for (const PlayerSettings::Binding& button : s.padButtons) {
        text += "pad_" + button.row + "=" + Gamepads::buttonName(button.code) + "\n";
    }
    for (const std::string& row : s.toggled) {
        text += "toggle_" + row + "=on\n";
    }
    for (const std::string& line : s.kept) {
        text += line + "\n";
    }
    return text;
}
