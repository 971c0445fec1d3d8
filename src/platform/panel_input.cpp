// The translator while a panel holds the input: the settings panel's moves and bindings, and
// the letters typed on the panel at a run's end.
#include <algorithm>
#include <utility>

#include "platform/input_translator.h"
#include "platform/settings_file.h"

namespace {
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
} // namespace

void InputTranslator::openPanel(std::vector<PlayerInput>& out) {
    for (const int key : heldDown) {
        out.push_back(keyInput(key, false));
    }
    heldDown.clear();
    latched.clear();
    panel->show();
}

void InputTranslator::panelEvent(const SDL_Event& event, std::vector<PlayerInput>& out) {
    if (windowEvent(event, out)) {
        return;
    }
    switch (event.type) {
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
    if (windowEvent(event, out)) {
        return;
    }
    switch (event.type) {
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
