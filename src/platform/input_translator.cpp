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

// Alt+Enter, F11 (once however long held), the window's new size and its close, in every mode.
bool InputTranslator::windowEvent(const SDL_Event& event, std::vector<PlayerInput>& out) {
    if (event.type == SDL_QUIT) {
        out.push_back({PlayerInput::Kind::Quit});
        return true;
    }
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
    if (windowEvent(event, out)) {
        return;
    }
    switch (event.type) {
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
