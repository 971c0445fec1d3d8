#include "platform/input_translator.h"

#include <algorithm>

#include "platform/field_size.h"
#include "platform/field_view.h"
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

PlayerInput keyInput(int code, bool down, bool repeat = false) {
    return {PlayerInput::Kind::Key, code, down, repeat, 0, 0};
}
} // namespace

void InputTranslator::attach(SDL_Window* w, int fieldWidth, int fieldHeight) {
    window = w;
    fieldW = fieldWidth;
    fieldH = fieldHeight;
    if (fingers) {
        fingers->attach(window, fieldW, fieldH);
    }
    startInChosenWindow();
}

// As after F11, at the remembered size; a field of the window's flags is left as they made it.
void InputTranslator::startInChosenWindow() const {
    if (window == nullptr || !settings || !settings->displayChosen() ||
        settings->values().fullscreen ||
        (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) == 0) {
        return;
    }
    FieldView::toggleFullscreen(window, fieldW, fieldH);
    const PlayerSettings& chosen = settings->values();
    if (chosen.windowWidth > 0) {
        SDL_Rect usable{};
        SDL_GetDisplayUsableBounds(std::max(0, SDL_GetWindowDisplayIndex(window)), &usable);
        const SDL_Point size = windowedSize(chosen.windowWidth, chosen.windowHeight, usable);
        SDL_SetWindowSize(window, size.x, size.y);
        SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
}

void InputTranslator::windowResized(const SDL_WindowEvent& event) const {
    if (!settings || window == nullptr || event.windowID != SDL_GetWindowID(window) ||
        (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0) {
        return;
    }
    settings->note([&event](PlayerSettings& s) {
        s.windowWidth = event.data1;
        s.windowHeight = event.data2;
    });
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
            if (fingers) {
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

void InputTranslator::translateEvent(const SDL_Event& event, std::vector<PlayerInput>& out) {
    switch (event.type) {
    case SDL_QUIT:
        out.push_back({PlayerInput::Kind::Quit});
        break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (isWindowKey(event.key)) {
            if (event.type == SDL_KEYDOWN && event.key.repeat == 0) {
                toggleFullscreen();
            }
            break;
        }
        boundKey(event.key, out);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.push_back({PlayerInput::Kind::Mouse, event.button.button,
                       event.type == SDL_MOUSEBUTTONDOWN, false, event.button.x, event.button.y});
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            windowResized(event.window);
        }
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

void InputTranslator::toggleFullscreen() const {
    if (window == nullptr) {
        return;
    }
    FieldView::toggleFullscreen(window, fieldW, fieldH);
    if (settings) {
        const bool full = (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
        settings->change([full](PlayerSettings& s) { s.fullscreen = full; });
    }
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
    using Move = SettingsPanel::Move;
    switch (event.type) {
    case SDL_QUIT:
        out.push_back({PlayerInput::Kind::Quit});
        return;
    case SDL_KEYDOWN:
        if (isWindowKey(event.key)) {
            toggleFullscreen();
        } else if (panel->capturing()) {
            panel->captureKey(event.key.keysym.scancode);
        } else {
            switch (event.key.keysym.scancode) {
            case SDL_SCANCODE_UP:
                panelMove(Move::Up);
                break;
            case SDL_SCANCODE_DOWN:
                panelMove(Move::Down);
                break;
            case SDL_SCANCODE_LEFT:
                panelMove(Move::Less);
                break;
            case SDL_SCANCODE_RIGHT:
                panelMove(Move::More);
                break;
            case SDL_SCANCODE_RETURN:
            case SDL_SCANCODE_KP_ENTER:
            case SDL_SCANCODE_SPACE:
                panelMove(Move::Choose);
                break;
            case SDL_SCANCODE_DELETE:
            case SDL_SCANCODE_BACKSPACE:
                panelMove(Move::Defaults);
                break;
            case SDL_SCANCODE_ESCAPE:
            case SDL_SCANCODE_F1:
                panelMove(Move::Close);
                break;
            default:
                break;
            }
        }
        break;
    case SDL_MOUSEBUTTONDOWN:
        if (panelLineAt && event.button.button == SDL_BUTTON_LEFT) {
            panel->pick(panelLineAt(event.button.x, event.button.y));
        }
        break;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
            windowResized(event.window);
        }
        return;
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
                    panelMove(Move::Close);
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
    using Move = SettingsPanel::Move;
    if (!down) {
        return;
    }
    if (panel->capturing()) {
        panel->captureButton(button);
        return;
    }
    switch (button) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
        panelMove(Move::Up);
        break;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
        panelMove(Move::Down);
        break;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
        panelMove(Move::Less);
        break;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
        panelMove(Move::More);
        break;
    case SDL_CONTROLLER_BUTTON_A:
        panelMove(Move::ChooseButton);
        break;
    case SDL_CONTROLLER_BUTTON_X:
        panelMove(Move::Defaults);
        break;
    case SDL_CONTROLLER_BUTTON_B:
    case SDL_CONTROLLER_BUTTON_BACK:
    case kSettingsButton:
        panelMove(Move::Close);
        break;
    default:
        break;
    }
}

void InputTranslator::panelMove(SettingsPanel::Move move) {
    panel->move(move);
}

// What the panel changed acts at once: the bindings, and the window's mode.
void InputTranslator::settingsChanged() {
    bindings = InputBindings(rows, settings->values());
    const bool full =
        window != nullptr && (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
    if (window != nullptr && full != settings->values().fullscreen) {
        toggleFullscreen();
    }
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
