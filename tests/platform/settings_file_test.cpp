#include "platform/input_bindings.h"
#include "platform/settings_file.h"
#include "support/kit.h"

namespace {
const std::string kDefaults =
    "volume=100\nsound=on\ndisplay=fullscreen\nlarge_text=off\nclear_colours=off\n";

// A line alone: the error it earns (empty: none), and what the text written back holds.
void expectLine(const char* line, const std::string& error, const std::string& written) {
    const SettingsRead read = readSettings(line, "f");
    const std::string text = settingsText(read.settings);
    ASSERT_EQ(read.errors.size(), error.empty() ? 0u : 1u) << line;
    EXPECT_TRUE(error.empty() || read.errors[0].find(error) != std::string::npos) << read.errors[0];
    EXPECT_NE(text.find(written), std::string::npos) << line << " wrote\n" << text;
}
} // namespace

TEST(SettingsFileTest, EachGoodLineIsReadAndWrittenBackAsRead) {
    const std::pair<const char*, std::string> rows[] = {
        {"volume=70", "volume=70\nsound=on\ndisplay=fullscreen\nlarge_text=off\n"},
        {"volume=0", "volume=0\n"},
        {"sound=off", "sound=off\n"},
        {"display=window", "display=window\n"},
        {"window=1280x800", "display=fullscreen\nwindow=1280x800\nlarge_text"},
        {"large_text=on", "large_text=on\n"},
        {"clear_colours=on\r", "clear_colours=on\n"},
        {"bind_fire=F", kDefaults + "bind_fire=F\n"},
        {"bind_fire=left ctrl", "bind_fire=Left Ctrl\n"},
        {"bind_fire==", "bind_fire==\n"},
        {"pad_fire=x", "pad_fire=x\n"},
        {"pad_fire=lefttrigger", "pad_fire=lefttrigger\n"},
        {"toggle_thrust=on", "toggle_thrust=on\n"},
        {"newer_key=kept as it was", kDefaults + "newer_key=kept as it was\n"},
        {"# a note", kDefaults + "# a note\n"}};
    for (const auto& [line, written] : rows) {
        expectLine(line, "", written);
    }
}

// A bad line leaves its setting at the default, and the file is written without it.
TEST(SettingsFileTest, EachBadLineIsNamedWithItsOwnFault) {
    const std::pair<const char*, const char*> rows[] = {
        {"volume=75", "f:1: volume=75: volume is 0 to 100 in steps of 10"},
        {"volume=110", "steps of 10"},
        {"volume=-10", "steps of 10"},
        {"volume= 70", "steps of 10"},
        {"sound=yes", "f:1: sound=yes: sound is on or off"},
        {"display=Window", "display is fullscreen or window"},
        {"window=1280x0", "window is WxH"},
        {"window=1280", "window is WxH"},
        {"window=16385x800", "window is WxH"},
        {"bind_fire=Nothing", "f:1: bind_fire=Nothing: no key is named \"Nothing\""},
        {"bind_fire=F1", "F1 is the game's own key"},
        {"bind_quit=F11", "F11 is the game's own key"},
        {"bind_Fire=F", "bind_Fire names no row of the controls"},
        {"bind_=F", "bind_ names no row"},
        {"pad_fire=y", "y is the settings panel's own button"},
        {"pad_fire=Y", "no pad button is named \"Y\""},
        {"toggle_thrust=1", "a toggle is on or off"},
        {"no equals sign", "f:1: no equals sign: not a setting (key=value)"}};
    for (const auto& [line, error] : rows) {
        expectLine(line, error, kDefaults);
    }
}

TEST(SettingsFileTest, ADamagedFileIsOneLineAndAllDefaults) {
    for (const std::string& text : {std::string("volume=10\n\x01\x02"),
                                    std::string("volume=10\n") + std::string(65536, '#')}) {
        const SettingsRead read = readSettings(text, "f");
        EXPECT_EQ(std::pair(read.errors.size(), read.settings == PlayerSettings{}),
                  std::pair(std::size_t{1}, true));
    }
    // Later lines of one key win; line numbers count every line.
    const SettingsRead read = readSettings("sound=off\n\nsound=on\nvolume=9", "f");
    EXPECT_EQ(std::tuple(read.settings.sound, read.errors),
              std::tuple(true, std::vector<std::string>{
                                   "f:4: volume=9: volume is 0 to 100 in steps of 10"}));
}

// The first key line of a row replaces its default, later ones add; a row's key bound to another
// row moves there; keys of no row stand for themselves; toggles only take held rows.
TEST(SettingsFileTest, BindingsReplaceAddAndMoveKeysAndButtons) {
    const InputRow rows[] = {{"fire", SDL_SCANCODE_SPACE, true},
                             {"thrust", SDL_SCANCODE_UP, true},
                             {"pause", SDL_SCANCODE_P, false}};
    const SettingsRead read = readSettings("bind_fire=F\nbind_fire=Up\npad_pause=a\n"
                                           "toggle_thrust=on\ntoggle_pause=on\n",
                                           "f");
    const InputBindings b(rows, read.settings);
    EXPECT_EQ(std::vector({b.keyFor(SDL_SCANCODE_F), b.keyFor(SDL_SCANCODE_UP),
                           b.keyFor(SDL_SCANCODE_SPACE), b.keyFor(SDL_SCANCODE_P),
                           b.keyFor(SDL_SCANCODE_X)}),
              std::vector<int>({SDL_SCANCODE_SPACE, SDL_SCANCODE_SPACE, InputBindings::kNoKey,
                                SDL_SCANCODE_P, SDL_SCANCODE_X}));
    EXPECT_EQ(b.padKeysFor(SDL_CONTROLLER_BUTTON_A), std::vector{SDL_SCANCODE_P});
    EXPECT_EQ(b.padKeysFor(SDL_CONTROLLER_BUTTON_B), std::vector{SDL_SCANCODE_UP});
    EXPECT_EQ(std::pair(b.toggles(SDL_SCANCODE_UP), b.toggles(SDL_SCANCODE_P)),
              std::pair(true, false));
}
