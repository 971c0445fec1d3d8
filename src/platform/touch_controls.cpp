#include "platform/touch_controls.h"

#include <algorithm>
#include <iostream>

#include "platform/field_size.h"
#include "platform/settings_file.h"

namespace {
// Fingers SDL makes up from the mouse, and trackpads, are not a touch screen.
bool fromTouchScreen(const SDL_TouchFingerEvent& f) {
    return f.touchId != SDL_MOUSE_TOUCHID &&
           SDL_GetTouchDeviceType(f.touchId) != SDL_TOUCH_DEVICE_INDIRECT_RELATIVE &&
           SDL_GetTouchDeviceType(f.touchId) != SDL_TOUCH_DEVICE_INDIRECT_ABSOLUTE;
}

bool isFinger(Uint32 type) {
    return type == SDL_FINGERDOWN || type == SDL_FINGERUP || type == SDL_FINGERMOTION;
}

bool inside(SDL_Point p, const SDL_Rect& r) {
    return SDL_PointInRect(&p, &r) == SDL_TRUE;
}

// Past this many canvas pixels a finger on the field is sliding, not pressing.
constexpr int kSlop = 12;

PlayerInput rightButton(SDL_Point field, bool down) {
    return {PlayerInput::Kind::Mouse, SDL_BUTTON_RIGHT, down, false, field.x, field.y};
}

constexpr const char* kSettings = "settings";
} // namespace

std::vector<TouchControls::Control> TouchControls::layout(int w, int h, bool viewer) {
    // A sixth of the short side, never below a fingertip's 48 pixels.
    const int s = std::max(48, std::min(w, h) / 6);
    const int small = std::max(48, s * 3 / 4);
    const int m = s / 4;
    const int bottom = h - m - s;
    // Over the right thumb: clear of the radar above and of the help panel on the left, so
    // the help control can always close it.
    const int above = bottom - m - small;
    if (viewer) {
        // Where thrust and fire sit in play: under the right thumb.
        return {
            {"pause", SDL_SCANCODE_P, {w - 2 * m - 2 * s, bottom, s, s}},
            {"end", SDL_SCANCODE_ESCAPE, {w - m - s, bottom, s, s}},
        };
    }
    return {
        {"left", SDL_SCANCODE_LEFT, {m, bottom, s, s}},
        {"right", SDL_SCANCODE_RIGHT, {2 * m + s, bottom, s, s}},
        {"thrust", SDL_SCANCODE_UP, {w - 2 * m - 2 * s, bottom, s, s}},
        {"fire", SDL_SCANCODE_SPACE, {w - m - s, bottom, s, s}},
        {"pause", SDL_SCANCODE_P, {w - 2 * m - 2 * small, above, small, small}},
        {"help", SDL_SCANCODE_H, {w - m - small, above, small, small}},
        {kSettings,
         static_cast<SDL_Scancode>(kSettingsKey),
         {w - 3 * m - 3 * small, above, small, small}},
    };
}

void TouchControls::setSizes(int cw, int ch, int fw, int fh) {
    canvasW = std::max(1, cw);
    canvasH = std::max(1, ch);
    fieldW = std::max(1, fw);
    fieldH = std::max(1, fh);
    place();
}

void TouchControls::watching() {
    viewer = true;
    place();
}

// Over the field where it is shown: SDL gives a finger's place within the field's box, and
// clamps one beside it to the box's edge (a recording of another shape is shown with bars).
void TouchControls::place() {
    shownAt = letterbox({canvasW, canvasH}, {fieldW, fieldH});
    placed = layout(shownAt.w, shownAt.h, viewer);
    for (Control& c : placed) {
        c.rect.x += shownAt.x;
        c.rect.y += shownAt.y;
    }
}

void TouchControls::attach(SDL_Window* w, int fieldWidth, int fieldHeight) {
    window = w;
    fieldW = fieldWidth;
    fieldH = fieldHeight;
    remeasure();
}

void TouchControls::remeasure() {
    int w = 0;
    int h = 0;
    SDL_GetWindowSize(window, &w, &h);
    if (window != nullptr && (w != canvasW || h != canvasH)) {
        setSizes(w, h, fieldW, fieldH);
    }
    // Read with the canvas's size, not each frame: in the page it asks the page's layout.
    coveredBottom = coveredTop ? coveredTop() : 0;
}

bool TouchControls::translate(const SDL_Event& event, std::vector<PlayerInput>& out) {
    if (event.type == SDL_KEYDOWN || event.type == SDL_CONTROLLERBUTTONDOWN) {
        shown = false;
        return false;
    }
    if (!isFinger(event.type) || !fromTouchScreen(event.tfinger) || placed.empty()) {
        return false;
    }
    const SDL_TouchFingerEvent& f = event.tfinger;
    if (event.type == SDL_FINGERDOWN) {
        remeasure();
        return fingerDown(f, out);
    }
    // A finger that only showed the controls does nothing until it is lifted.
    if (ignored.count(f.fingerId) != 0) {
        if (event.type == SDL_FINGERUP) {
            ignored.erase(f.fingerId);
        }
        return true;
    }
    if (event.type == SDL_FINGERMOTION) {
        fingerMoved(f, out);
    } else {
        fingerUp(f, out);
    }
    return true;
}

void TouchControls::show() {
    shown = true;
    if (listed) {
        return;
    }
    listed = true;
    // Where tests and bug reports find each control, in the canvas's pixels.
    for (const Control& c : placed) {
        std::cerr << "touch control " << c.name << " " << c.rect.x << " " << c.rect.y << " "
                  << c.rect.w << " " << c.rect.h << std::endl;
    }
}

bool TouchControls::fingerDown(const SDL_TouchFingerEvent& f, std::vector<PlayerInput>& out) {
    if (!shown) {
        show();
        ignored[f.fingerId] = true;
        return true;
    }
    Finger finger;
    finger.at = canvasPoint(f);
    finger.downAt = f.timestamp;
    finger.control = controlAt(finger.at);
    const SDL_Point field = fieldPoint(finger.at);
    const SDL_Rect box = helpPanel.box && !viewer ? helpPanel.box() : SDL_Rect{};
    if (finger.control < 0 && settingsOpen && settingsOpen()) {
        // The settings panel takes a tap as the click it stands for, on a line or beside it.
        finger.moved = true;
        out.push_back({PlayerInput::Kind::Mouse, SDL_BUTTON_LEFT, true, false, field.x, field.y});
    } else if (finger.control < 0 && inside(field, box)) {
        // A row of the open panel is its key; the panel's other parts do nothing.
        finger.rowKey = helpPanel.keyAt ? helpPanel.keyAt(field.y) : SDL_SCANCODE_UNKNOWN;
        finger.moved = true;
    }
    if (finger.control >= 0) {
        hold(placed[static_cast<std::size_t>(finger.control)].key, true, out);
    } else if (finger.rowKey != SDL_SCANCODE_UNKNOWN) {
        hold(finger.rowKey, true, out);
    }
    fingers[f.fingerId] = finger;
    return true;
}

// A finger sliding from one control onto another lets go of the first and presses the second;
// one on the field that moves away is no long press.
void TouchControls::fingerMoved(const SDL_TouchFingerEvent& f, std::vector<PlayerInput>& out) {
    const auto found = fingers.find(f.fingerId);
    if (found == fingers.end()) {
        return;
    }
    Finger& finger = found->second;
    const SDL_Point now = canvasPoint(f);
    if (finger.control < 0) {
        finger.moved = finger.moved || std::abs(now.x - finger.at.x) > kSlop ||
                       std::abs(now.y - finger.at.y) > kSlop;
        return;
    }
    const int control = controlAt(now);
    if (control == finger.control || control < 0) {
        return;
    }
    hold(placed[static_cast<std::size_t>(finger.control)].key, false, out);
    hold(placed[static_cast<std::size_t>(control)].key, true, out);
    finger.control = control;
}

void TouchControls::fingerUp(const SDL_TouchFingerEvent& f, std::vector<PlayerInput>& out) {
    const auto found = fingers.find(f.fingerId);
    if (found == fingers.end()) {
        return;
    }
    const Finger finger = found->second;
    fingers.erase(found);
    if (finger.control >= 0) {
        hold(placed[static_cast<std::size_t>(finger.control)].key, false, out);
    } else if (finger.rowKey != SDL_SCANCODE_UNKNOWN) {
        hold(finger.rowKey, false, out);
    } else if (finger.rightButton) {
        out.push_back(rightButton(fieldPoint(finger.at), false));
    }
}

void TouchControls::tick(Uint32 now, std::vector<PlayerInput>& out) {
    for (auto& [id, finger] : fingers) {
        if (finger.control >= 0 || finger.moved || finger.rightButton ||
            now - finger.downAt < kLongPressMs) {
            continue;
        }
        finger.rightButton = true;
        out.push_back(rightButton(fieldPoint(finger.at), true));
    }
}

void TouchControls::hold(SDL_Scancode key, bool down, std::vector<PlayerInput>& out) {
    int& count = holds[key];
    count += down ? 1 : -1;
    if ((down && count == 1) || (!down && count == 0)) {
        out.push_back({PlayerInput::Kind::Key, key, down, false, 0, 0});
    }
    count = std::max(0, count);
}

int TouchControls::controlAt(SDL_Point canvas) const {
    for (std::size_t i = 0; i < placed.size(); ++i) {
        if (inside(canvas, placed[i].rect) && !isOff(placed[i])) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

SDL_Point TouchControls::canvasPoint(const SDL_TouchFingerEvent& f) const {
    return {shownAt.x + static_cast<int>(f.x * static_cast<float>(shownAt.w)),
            shownAt.y + static_cast<int>(f.y * static_cast<float>(shownAt.h))};
}

SDL_Point TouchControls::fieldPoint(SDL_Point canvas) const {
    return {(canvas.x - shownAt.x) * fieldW / shownAt.w,
            (canvas.y - shownAt.y) * fieldH / shownAt.h};
}

int TouchControls::clearBelow() const {
    const int bottom = coveredBottom;
    if (bottom <= shownAt.y || shownAt.h <= 0) {
        return 0;
    }
    // Rounded up: the covered canvas pixel's last field line is covered too.
    return ((bottom - shownAt.y) * fieldH + shownAt.h - 1) / shownAt.h;
}

SDL_Rect TouchControls::fieldRect(const SDL_Rect& c) const {
    const SDL_Point at = fieldPoint({c.x, c.y});
    const SDL_Point end = fieldPoint({c.x + c.w, c.y + c.h});
    return {at.x, at.y, end.x - at.x, end.y - at.y};
}

// The open help panel takes the taps, and its rows stay readable, where a control would lie
// over it.
bool TouchControls::underPanel(const SDL_Rect& canvas) const {
    const SDL_Rect box = helpPanel.box && !viewer ? helpPanel.box() : SDL_Rect{};
    const SDL_Rect field = fieldRect(canvas);
    return SDL_HasIntersection(&box, &field) == SDL_TRUE;
}

bool TouchControls::isOff(const Control& control) const {
    const bool settings = settingsOpen && settingsOpen();
    return settings ? control.name != kSettings : underPanel(control.rect);
}
