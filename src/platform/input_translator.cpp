#include "platform/input_translator.h"

#include "platform/field_view.h"

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
}

void InputTranslator::enableTouch() {
    // A tap is the control's key alone: SDL's made-up left click would add mouse lines to the
    // log that no player made.
    SDL_SetHint(SDL_HINT_TOUCH_MOUSE_EVENTS, "0");
    fingers = std::make_unique<TouchControls>();
}

void InputTranslator::watching() {
    if (fingers) {
        fingers->watching();
    }
}

void InputTranslator::setPanel(TouchPanel panel) {
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
    if (fingers && fingers->translate(event, out)) {
        return;
    }
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
        out.push_back(
            keyInput(event.key.keysym.scancode, event.type == SDL_KEYDOWN, event.key.repeat != 0));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        out.push_back({PlayerInput::Kind::Mouse, event.button.button,
                       event.type == SDL_MOUSEBUTTONDOWN, false, event.button.x, event.button.y});
        break;
    default:
        pads.handle(event,
                    [&out](SDL_Scancode key, bool down) { out.push_back(keyInput(key, down)); });
        break;
    }
}

void InputTranslator::toggleFullscreen() const {
    if (window != nullptr) {
        FieldView::toggleFullscreen(window, fieldW, fieldH);
    }
}
