// The settings panel's workings: its lines, the chosen one, and what each move of the player
// does to the settings. The platform feeds it the keys, buttons and taps that the game does not
// hear while it is open; the game draws its lines. It knows no SDL event.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/input_bindings.h"
#include "platform/pad_names.h"
#include "platform/settings_keeper.h"

class SettingsPanel {
  public:
    // Choose waits for a key to bind, ChooseButton for a pad button.
    enum class Move { Up, Down, Less, More, Choose, ChooseButton, Defaults, Close };

    SettingsPanel(std::span<const InputRow> rows, SettingsKeeper& keeper);

    bool isOpen() const { return open; }
    void show();
    void move(Move m);
    // A tap or click on a line: chosen, then chosen again.
    void pick(int line);
    // A finger on a line: a held row turns between hold and toggle, the other rows are only
    // chosen (a touch screen has no key to bind), the rest change as a click changes them.
    void tap(int line);
    // Waiting for the key or pad button to bind to the chosen row.
    bool capturing() const { return waitingFor != Capture::None; }
    void captureKey(int scancode);
    void captureButton(int button);

    // A tab parts the cells of a line; the first line is the title. With a pad's family, the
    // buttons go by its names and no key is named.
    // Played by touch, the title says what a tap does.
    std::vector<std::string> lines(std::optional<PadFamily> family = std::nullopt,
                                   bool touch = false) const;
    // The line the highlight is on.
    int chosenLine() const { return chosen + 1; }

  private:
    enum class Capture { None, Key, Button };
    void change(int step);
    void choose(Capture what);
    // Stops waiting; true when it waited for this kind and was not called off.
    bool endCapture(Capture kind, bool cancelled);
    void bind(std::vector<PlayerSettings::Binding> PlayerSettings::*list, int code,
              const std::string& name, const std::string& before);
    void rowDefaults(const std::string& row);
    std::string keysOf(const InputRow& row) const;
    std::string buttonsOf(const InputRow& row, std::optional<PadFamily> family) const;
    int itemCount() const;

    std::vector<InputRow> rows;
    SettingsKeeper& keeper;
    bool open = false;
    int chosen = 0;
    Capture waitingFor = Capture::None;
    std::string note;
};
