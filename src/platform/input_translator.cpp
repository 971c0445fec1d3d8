#include "platform/input_translator.h"

#include <algorithm>
#include <utility>

#include "platform/settings_file.h"

namespace {
// Alt+Enter or F11: the window's, never the game's. F11's release goes with its press; Enter's
// release is the game's as any key's, since Alt may be gone by then.
bool isWindowKey(const SDL_KeyboardEvent& key) {
    const SDL_Scancode code = key.keysym.scancode;
    const bool enter = code == SDL_SCANCODE_RETURN || code == SDL_SCANCODE_KP_ENTER;
    return code == SDL_SCANCODE_F11 ||
           (enter && key.type == SDL_KEYDOWN && (key.keysym.mod & KMOD_ALT) != 0);
}

bool isKeyPress(const PlayerInput& in) {
    return in.kind == PlayerInput::Kind::Key && in.down && in.code >= 0 && in.code <= kMaxKeyCode;
}

using Move = SettingsPanel::Move;

// What the keys and a pad's buttons do in the settings panel.
constexpr std::pair<int, Move> kPanelKeys[] = {{SDL_SCANCODE_UP, Move::Up},
                                               {SDL_SCANCODE_DOWN, Move::Down},
                                               {SDL_SCANCODE_LEFT, Move::Less},
                                               {SDL_SCANCODE_RIGHT, Move::More},
                                               {SDL_SCANCODE_RETURN, Move::Choose},
                                               {SDL_SCANCODE_KP_ENTER, Move::Choose},
                                               {SDL_SCANCODE_SPACE, Move::Choose},
                                               {SDL_SCANCODE_DELETE, Move::Defaults},
                                               {SDL_SCANCODE_BACKSPACE, Move::Defaults},
                                               {SDL_SCANCODE_ESCAPE, Move::Close},
                                               {SDL_SCANCODE_F1, Move::Close}};
constexpr std::pair<int, Move> kPanelButtons[] = {{SDL_CONTROLLER_BUTTON_DPAD_UP, Move::Up},
                                                  {SDL_CONTROLLER_BUTTON_DPAD_DOWN, Move::Down},
                                                  {SDL_CONTROLLER_BUTTON_DPAD_LEFT, Move::Less},
                                                  {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, Move::More},
                                                  {SDL_CONTROLLER_BUTTON_A, Move::ChooseButton},
                                                  {SDL_CONTROLLER_BUTTON_X, Move::Defaults},
                                                  {SDL_CONTROLLER_BUTTON_B, Move::Close},
                                                  {SDL_CONTROLLER_BUTTON_BACK, Move::Close},
                                                  {kSettingsButton, Move::Close}};

PlayerInput keyInput(int code, bool down, bool repeat = false) {
    return {PlayerInput::Kind::Key, code, down, repeat, 0, 0};
}
} // namespace

void InputTranslator::attach(SDL_Window* window, int fieldWidth, int fieldHeight) {
    if (fingers) {
        fingers->attach(window, fieldWidth, fieldHeight);
    }
    playerWindow.attach(window, fieldWidth, fieldHeight, settings.get());
}

void InputTranslator::enableTouch() {
    // A tap is the control's key alone: SDL's made-up left click would add mouse lines to the
    // log that no player made.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
    fingers = std::make_unique<TouchControls>();
    fingers->setSettingsOpen([this] { return panel && panel->isOpen(); });
}

void InputTranslator::watching() {
    if (fingers) {
        fingers->watching();
    }
}

void InputTranslator::setPanel(TouchPanel panel) {
    help = panel;
    if (fingers) {
        fingers->setPanel(std::move(panel));
    }
}

bool InputTranslator::next(PlayerInput& input) {
    while (pending.empty() && handed < kMaxFrameInputs) {
        SDL_Event event;
        if (SDL_PollEvent(&event) == 0) {
            if (fingers && !typed) {
                fingers->tick(SDL_GetTicks(), made);
                holdOrToggle(made, 0);
                pending.insert(pending.end(), made.begin(), made.end());
                made.clear();
            }
            break;
        }
        translate(event, made);
        pending.insert(pending.end(), made.begin(), made.end());
        made.clear();
    }
    if (pending.empty() || handed == kMaxFrameInputs || pressedOften(pending.front())) {
        handed = 0;
        presses.fill(0);
        return false;
    }
    input = pending.front();
    if (isKeyPress(input)) {
        ++presses[static_cast<std::size_t>(input.code)];
    }
    pending.pop_front();
    ++handed;
    return true;
}

// A key already pressed as often as a frame takes: its press begins the next frame.
bool InputTranslator::pressedOften(const PlayerInput& in) const {
    return isKeyPress(in) && presses[static_cast<std::size_t>(in.code)] == kMaxKeyPressesPerFrame;
}

void InputTranslator::translate(const SDL_Event& event, std::vector<PlayerInput>& out) {
    // The panels name what played last: a pad's buttons, or keys.
    if (event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN ||
        event.type == SDL_FINGERDOWN) {
        padLast = false;
        fingerLast = event.type == SDL_FINGERDOWN && fingers != nullptr &&
                     event.tfinger.touchId != SDL_MOUSE_TOUCHID;
    } else if (event.type == SDL_CONTROLLERBUTTONDOWN) {
        padLast = true;
        fingerLast = false;
    }
    if (typed) {
        typedEvent(event, out);
        return;
    }
    if (panel && panel->isOpen()) {
        panelEvent(event, out);
        return;
    }
    const std::size_t from = out.size();
    if (!fingers || !fingers->translate(event, out)) {
        translateEvent(event, out);
    } else {
        settingsControl(out, from);
    }
    holdOrToggle(out, from);
    if (panelAsked) {
        panelAsked = false;
        openPanel(out);
    }
}

// Alt+Enter, F11 (once however long held) and the window's new size, panel or not.
bool InputTranslator::windowEvent(const SDL_Event& event) {
    if ((event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) && isWindowKey(event.key)) {
        if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
            playerWindow.toggleFullscreen(settings.get());
        }
        return true;
    }
    if (event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
        playerWindow.resized(event.window, settings.get());
    }
    return event.type == SDL_WINDOWEVENT;
}

void InputTranslator::translateEvent(const SDL_Event& event, std::vector<PlayerInput>& out) {
    if (windowEvent(event)) {
        return;
    }
    switch (event.type) {
    case SDL_QUIT:
        out.push_back({PlayerInput::Kind::Quit});
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        boundKey(event.key, out);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.push_back({PlayerInput::Kind::Mouse, event.button.button,
                       event.type == SDL_MOUSEBUTTONDOWN, false, event.button.x, event.button.y});
        break;
    default:
        pads.handle(event, [this, &out](int button, bool down) { padButton(button, down, out); });
        break;
    }
}

void InputTranslator::boundKey(const SDL_KeyboardEvent& key, std::vector<PlayerInput>& out) {
    if (panel && key.keysym.scancode == kSettingsKey) {
        panelAsked = key.type == SDL_KEYDOWN && key.repeat == 0;
        return;
    }
    const int code = bindings.keyFor(key.keysym.scancode);
    if (code != InputBindings::kNoKey) {
        out.push_back(keyInput(code, key.type == SDL_KEYDOWN, key.repeat != 0));
    }
}

// The settings control's finger asks for the panel as F1 does; the game never hears it.
void InputTranslator::settingsControl(std::vector<PlayerInput>& out, std::size_t from) {
    const auto isSettings = [](const PlayerInput& in) {
        return in.kind == PlayerInput::Kind::Key && in.code == kSettingsKey;
    };
    for (std::size_t i = from; i < out.size(); ++i) {
        panelAsked = panelAsked || (isSettings(out[i]) && out[i].down && panel != nullptr);
    }
    out.erase(
        std::remove_if(out.begin() + static_cast<std::ptrdiff_t>(from), out.end(), isSettings),
        out.end());
}

void InputTranslator::padButton(int button, bool down, std::vector<PlayerInput>& out) {
    if (panel && button == kSettingsButton) {
        panelAsked = down;
        return;
    }
    if (helpButton(button, down, out)) {
        return;
    }
    for (const SDL_Scancode key : bindings.padKeysFor(button)) {
        out.push_back(keyInput(key, down));
    }
}

void InputTranslator::holdOrToggle(std::vector<PlayerInput>& out, std::size_t from) {
    std::size_t kept = from;
    for (std::size_t i = from; i < out.size(); ++i) {
        PlayerInput in = out[i];
        if (in.kind == PlayerInput::Kind::Key && bindings.toggles(in.code)) {
            if (!in.down || in.repeat) {
                continue;
            }
            in.down = latched.insert(in.code).second;
            if (!in.down) {
                latched.erase(in.code);
            }
        }
        if (in.kind == PlayerInput::Kind::Key && isHeldRow(in.code)) {
            if (in.down) {
                heldDown.insert(in.code);
            } else {
                heldDown.erase(in.code);
            }
        }
        out[kept++] = in;
    }
    out.resize(kept);
}

void InputTranslator::bindRows(std::vector<InputRow> tableRows) {
    rows = std::move(tableRows);
    if (!settings) {
        settings = std::make_shared<SettingsKeeper>();
    }
    panel = std::make_unique<SettingsPanel>(rows, *settings);
    bindings = InputBindings(rows, settings->values());
}

bool InputTranslator::isHeldRow(int key) const {
    return std::any_of(rows.begin(), rows.end(),
                       [key](const InputRow& row) { return row.held && row.key == key; });
}

void InputTranslator::openPanel(std::vector<PlayerInput>& out) {
    for (const int key : heldDown) {
        out.push_back(keyInput(key, false));
    }
    heldDown.clear();
    latched.clear();
    panel->show();
}

void InputTranslator::panelEvent(const SDL_Event& event, std::vector<PlayerInput>& out) {
    if (windowEvent(event)) {
        return;
    }
    switch (event.type) {
    case SDL_QUIT:
        out.push_back({PlayerInput::Kind::Quit});
        return;
    case SDL_KEYDOWN:
        if (panel->capturing()) {
            panel->captureKey(event.key.keysym.scancode);
        } else {
            movePanel(kPanelKeys, event.key.keysym.scancode);
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (panelLineAt && event.button.button == SDL_BUTTON_LEFT) {
            panel->pick(panelLineAt(event.button.x, event.button.y));
        }
        break;
    case SDL_KEYUP:
    case SDL_MOUSEBUTTONUP:
        return;
    default:
        // Fingers keep count of what they hold; what they press now is not the game's. The
        // settings control closes the panel, and a tap on a line changes it.
        if (fingers) {
            std::vector<PlayerInput> behindThePanel;
            fingers->translate(event, behindThePanel);
            for (const PlayerInput& in : behindThePanel) {
                if (in.kind == PlayerInput::Kind::Key && in.code == kSettingsKey && in.down) {
                    panel->move(Move::Close);
                } else if (in.kind == PlayerInput::Kind::Mouse && in.down && panelLineAt) {
                    panel->tap(panelLineAt(in.x, in.y));
                }
            }
        }
        pads.handle(event, [this](int button, bool down) { panelButton(button, down); });
        break;
    }
    settingsChanged();
}

void InputTranslator::panelButton(int button, bool down) {
    if (!down) {
        return;
    }
    if (panel->capturing()) {
        panel->captureButton(button);
        return;
    }
    movePanel(kPanelButtons, button);
}

void InputTranslator::movePanel(std::span<const std::pair<int, Move>> moves, int code) {
    const auto found = std::find_if(moves.begin(), moves.end(),
                                    [code](const auto& move) { return move.first == code; });
    if (found != moves.end()) {
        panel->move(found->second);
    }
}

// What the panel changed acts at once: the bindings, and the window's mode.
void InputTranslator::settingsChanged() {
    bindings = InputBindings(rows, settings->values());
    playerWindow.follow(*settings);
}

std::optional<PadFamily> InputTranslator::padFamily() const {
    return padLast ? std::optional(familyOf(pads.lastType())) : std::nullopt;
}

bool InputTranslator::helpButton(int button, bool down, std::vector<PlayerInput>& out) {
    const bool shown = help.box && help.box().w > 0 && !rows.empty();
    if (button == SDL_CONTROLLER_BUTTON_A && !down && helpPressed >= 0) {
        out.push_back(keyInput(helpPressed, false));
        helpPressed = -1;
        return true;
    }
    if (!shown || !down) {
        return shown && (button == SDL_CONTROLLER_BUTTON_DPAD_UP ||
                         button == SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    }
    const int count = static_cast<int>(rows.size());
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        helpRow = (helpRow + count - 1) % count;
        return true;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        helpRow = (helpRow + 1) % count;
        return true;
    case SDL_CONTROLLER_BUTTON_A:
        helpPressed = rows[static_cast<std::size_t>(helpRow)].key;
        out.push_back(keyInput(helpPressed, true));
        return true;
    default:
        return false;
    }
}

void InputTranslator::typing() {
    typed = true;
    pending.clear();
    heldDown.clear();
    latched.clear();
    if (panel && panel->isOpen()) {
        panel->move(SettingsPanel::Move::Close);
    }
}

void InputTranslator::typedEvent(const SDL_Event& event, std::vector<PlayerInput>& out) {
    SDL_Point at{};
    if (windowEvent(event)) {
        return;
    }
    switch (event.type) {
    case SDL_QUIT:
        out.push_back({PlayerInput::Kind::Quit});
        break;
    case SDL_KEYDOWN:
        out.push_back(keyInput(event.key.keysym.scancode, true, event.key.repeat != 0));
        break;
    case SDL_MOUSEBUTTONDOWN:
        // A finger's own event below stands for it.
        if (event.button.which != SDL_TOUCH_MOUSEID) {
            out.push_back({PlayerInput::Kind::Mouse, event.button.button, true, false,
                           event.button.x, event.button.y});
        }
        break;
    case SDL_FINGERDOWN:
        if (playerWindow.fieldPoint(event.tfinger.x, event.tfinger.y, at)) {
            out.push_back({PlayerInput::Kind::Mouse, SDL_BUTTON_LEFT, true, false, at.x, at.y});
        }
        break;
    default:
        pads.handle(event, [&out](int button, bool down) {
            static const std::pair<int, SDL_Scancode> keys[] = {
                {SDL_CONTROLLER_BUTTON_DPAD_UP, SDL_SCANCODE_UP},
                {SDL_CONTROLLER_BUTTON_DPAD_DOWN, SDL_SCANCODE_DOWN},
                {SDL_CONTROLLER_BUTTON_DPAD_LEFT, SDL_SCANCODE_LEFT},
                {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_SCANCODE_RIGHT},
                {SDL_CONTROLLER_BUTTON_A, SDL_SCANCODE_RETURN},
                {SDL_CONTROLLER_BUTTON_START, SDL_SCANCODE_RETURN},
                {SDL_CONTROLLER_BUTTON_B, SDL_SCANCODE_ESCAPE},
                {SDL_CONTROLLER_BUTTON_BACK, SDL_SCANCODE_ESCAPE}};
            for (const auto& [from, key] : keys) {
                if (down && button == from) {
                    out.push_back(keyInput(key, true));
                }
            }
        });
        break;
    }
}
