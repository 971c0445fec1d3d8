#include "platform/player_window.h"

#include <algorithm>

#include "platform/field_size.h"
#include "platform/field_view.h"
#include "platform/settings_keeper.h"

void PlayerWindow::attach(SDL_Window* w, int fieldWidth, int fieldHeight,
                          SettingsKeeper* settings) {
    window = w;
    fieldW = fieldWidth;
    fieldH = fieldHeight;
    // As after F11, at the remembered size; a field of the window's flags is left as they made it.
    if (window == nullptr || settings == nullptr || !settings->displayChosen() ||
        settings->values().fullscreen || !fullscreen()) {
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

void PlayerWindow::toggleFullscreen(SettingsKeeper* settings) const {
    if (window == nullptr) {
        return;
    }
    FieldView::toggleFullscreen(window, fieldW, fieldH);
    if (settings != nullptr) {
        settings->change([full = fullscreen()](PlayerSettings& s) { s.fullscreen = full; });
    }
}

void PlayerWindow::resized(const SDL_WindowEvent& event, SettingsKeeper* settings) const {
    if (settings == nullptr || window == nullptr || event.windowID != SDL_GetWindowID(window) ||
        fullscreen()) {
        return;
    }
    settings->note([&event](PlayerSettings& s) {
        s.windowWidth = event.data1;
        s.windowHeight = event.data2;
    });
}

void PlayerWindow::follow(SettingsKeeper& settings) const {
    if (window != nullptr && fullscreen() != settings.values().fullscreen) {
        toggleFullscreen(&settings);
    }
}

bool PlayerWindow::fullscreen() const {
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
}
