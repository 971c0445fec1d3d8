// SDL's events in the game's vocabulary. Keys, mouse buttons, pads (their buttons and the
// left stick as the keys they stand for), fingers on the touch controls and the window's close
// all become `PlayerInput`; the window's own keys (Alt+Enter, F11) it acts on itself, since they
// are no input of the game's. One frame never gets more than a recording holds: at most
// kMaxFrameInputs, and kMaxKeyPressesPerFrame presses of one key.
#pragma once

#include <SDL.h>

#include <array>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <span>
#include <utility>
#include <vector>

#include "platform/gamepad.h"
#include "platform/input_bindings.h"
#include "platform/player_input.h"
#include "platform/player_window.h"
#include "platform/settings_keeper.h"
#include "platform/settings_panel.h"
#include "platform/touch_controls.h"

class InputTranslator {
  public:
    // The game's window and the field it shows: full-screen toggling and fingers need them. A
    // window the player chose to start in replaces the full-screen one here.
    void attach(SDL_Window* window, int fieldWidth, int fieldHeight);
    // Where the player's settings are kept: the window's mode and size, and the bindings.
    void keepSettings(std::shared_ptr<SettingsKeeper> keeper) { settings = std::move(keeper); }
    // The key table's rows: the player's keys, buttons and toggles act from now on, and the
    // settings panel lists them. Before it, every key stands for itself.
    void bindRows(std::vector<InputRow> tableRows);
    // Null before the rows are bound.
    const SettingsPanel* settingsPanel() const { return panel.get(); }
    // The family of the pad that played last; none when a key, the mouse or a finger did.
    std::optional<PadFamily> padFamily() const;
    // The help row the pad's highlight is on (its line in the help panel), -1 for none.
    int helpHighlight() const { return padLast ? helpRow + 1 : -1; }
    // Whether a finger on the touch controls played last.
    bool touchedLast() const { return fingerLast; }
    const InputBindings& boundInputs() const { return bindings; }
    // Which line of the drawn panel is at (x, y) in the field (-1: none), for the mouse and
    // fingers.
    void setSettingsLineAt(std::function<int(int x, int y)> lineAt) {
        panelLineAt = std::move(lineAt);
    }
    // Fingers on a touch screen press the controls drawn for them (the real platforms).
    void enableTouch();
    // The controls show a pause and an end instead of the game's (a recording being watched).
    void watching();
    // The help panel: fingers tap its rows, a pad's d-pad and A press them.
    void setPanel(TouchPanel panel);
    // From now on for a panel that reads letters: every key as itself (no bindings, no
    // toggles), the pad's d-pad as the arrows, A and Start as Return, B and Back as Escape, a
    // finger's tap as the left button at its place in the field. Held rows are let go.
    void typing();
    // Null where fingers were not enabled.
    const TouchControls* touch() const { return fingers.get(); }
    TouchControls* touch() { return fingers.get(); }

    // The frame's next input; false when the frame has no more, and the next call begins the
    // next frame. What a frame could not take waits for the next one.
    bool next(PlayerInput& input);
    // Appends what one event stands for to `out` (nothing for most events).
    void translate(const SDL_Event& event, std::vector<PlayerInput>& out);
    // Before SDL_Quit, which would leave the pads' handles dangling.
    void closePads() { pads.closeAll(); }

  private:
    void typedEvent(const SDL_Event& event, std::vector<PlayerInput>& out);
    bool pressedOften(const PlayerInput& input) const;
    void translateEvent(const SDL_Event& event, std::vector<PlayerInput>& out);
    // The window's own events: true when the event was one (its close is the only input made).
    bool windowEvent(const SDL_Event& event, std::vector<PlayerInput>& out);
    // While the panel is open it takes every key, button and click; the window still closes.
    void panelEvent(const SDL_Event& event, std::vector<PlayerInput>& out);
    // The move a key or button makes in the panel, if any.
    void movePanel(std::span<const std::pair<int, SettingsPanel::Move>> moves, int code);
    void panelButton(int button, bool down);
    // Lets go of every held or toggled row, so nothing plays on behind the panel.
    void openPanel(std::vector<PlayerInput>& out);
    void settingsChanged();
    void boundKey(const SDL_KeyboardEvent& key, std::vector<PlayerInput>& out);
    void settingsControl(std::vector<PlayerInput>& out, std::size_t from);
    void padButton(int button, bool down, std::vector<PlayerInput>& out);
    bool isHeldRow(int key) const;
    // While the help is shown: the d-pad moves over its rows and A presses the row's key.
    bool helpButton(int button, bool down, std::vector<PlayerInput>& out);
    // Toggled rows: a press starts the row, the next ends it, releases and repeats do nothing.
    void holdOrToggle(std::vector<PlayerInput>& out, std::size_t from);

    Gamepads pads;
    InputBindings bindings;
    std::shared_ptr<SettingsKeeper> settings;
    // Toggled rows now on, and held rows the game holds down.
    std::set<int> latched;
    std::set<int> heldDown;
    std::vector<InputRow> rows;
    std::unique_ptr<SettingsPanel> panel;
    std::function<int(int x, int y)> panelLineAt;
    bool panelAsked = false;
    bool typed = false;
    TouchPanel help;
    bool padLast = false;
    bool fingerLast = false;
    int helpRow = 0;
    int helpPressed = -1;
    std::unique_ptr<TouchControls> fingers;
    std::deque<PlayerInput> pending;
    std::vector<PlayerInput> made;
    std::size_t handed = 0;
    std::array<std::size_t, kMaxKeyCode + 1> presses{};
    PlayerWindow playerWindow;
};
