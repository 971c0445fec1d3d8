// Thumb controls for a touch screen. Each finger becomes the key or mouse button it stands
// for, so the game and its recordings see only keys: a finger on a control holds its key, a
// slide onto another control swaps the keys, a long press on the field is the right mouse
// button there, and a tap on a row of the open help panel is that row's key. The settings
// control is the panel's own key (F1); while that panel is open it is the only control, and a
// tap elsewhere is a left click where it lands. The first touch only shows the controls; a key
// or a pad button hides them again. While a recording is watched there are two: pause (P) and
// end (Escape).
#pragma once

#include <SDL.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "geometry/draw_surface.h"
#include "platform/player_input.h"

// The help panel as the controls see it, in field coordinates.
struct TouchPanel {
    // Where the open panel is; empty while it is closed.
    std::function<SDL_Rect()> box;
    // The key of the row at height y; SDL_SCANCODE_UNKNOWN where a row names none.
    std::function<SDL_Scancode(int y)> keyAt;
};

class TouchControls {
  public:
    struct Control {
        std::string name;
        SDL_Scancode key;
        SDL_Rect rect; // in the canvas's pixels
    };
    // Held this long without moving away, a finger on the field is the right mouse button.
    static constexpr Uint32 kLongPressMs = 500;

    // The controls' places on a canvas of this size, each at least 48 pixels across: the
    // game's, or a viewer's.
    static std::vector<Control> layout(int canvasWidth, int canvasHeight, bool viewer = false);

    void setSizes(int canvasWidth, int canvasHeight, int fieldWidth, int fieldHeight);
    // The window the fingers touch, re-measured as it changes size, and the field it shows.
    void attach(SDL_Window* window, int fieldWidth, int fieldHeight);
    void setPanel(TouchPanel panel) { helpPanel = std::move(panel); }
    // Whether the settings panel is open now.
    void setSettingsOpen(std::function<bool()> open) { settingsOpen = std::move(open); }
    // How far down the host's own buttons reach over the canvas's top, in canvas pixels (the
    // page's bar on a narrow screen), asked again as a finger comes down; 0 or empty: none.
    void setCoveredTop(std::function<int()> bottom) { coveredTop = std::move(bottom); }
    // The field's first line below them, so a panel can start there; 0 when nothing covers.
    int clearBelow() const;
    // A viewer's controls from now on; the panel's rows take no taps.
    void watching();
    // Appends what the event stands for to `out`; false when it is none of the controls'
    // business and goes on as it is.
    bool translate(const SDL_Event& event, std::vector<PlayerInput>& out);
    // Turns a finger held long enough on the field into a right button press.
    void tick(Uint32 now, std::vector<PlayerInput>& out);
    // Over the field, scaled as it is; nothing before the first touch.
    void draw(DrawSurface& surface) const;
    bool isShown() const { return shown; }
    const std::vector<Control>& controls() const { return placed; }

  private:
    struct Finger {
        int control = -1; // -1: the field or a panel row
        SDL_Scancode rowKey = SDL_SCANCODE_UNKNOWN;
        SDL_Point at{}; // where it went down, in canvas pixels
        Uint32 downAt = 0;
        bool moved = false;
        bool rightButton = false;
    };
    void show();
    void place();
    void remeasure();
    bool fingerDown(const SDL_TouchFingerEvent& f, std::vector<PlayerInput>& out);
    void fingerMoved(const SDL_TouchFingerEvent& f, std::vector<PlayerInput>& out);
    void fingerUp(const SDL_TouchFingerEvent& f, std::vector<PlayerInput>& out);
    void hold(SDL_Scancode key, bool down, std::vector<PlayerInput>& out);
    int controlAt(SDL_Point canvas) const;
    SDL_Point canvasPoint(const SDL_TouchFingerEvent& f) const;
    SDL_Point fieldPoint(SDL_Point canvas) const;
    SDL_Rect fieldRect(const SDL_Rect& canvas) const;
    bool underPanel(const SDL_Rect& canvas) const;
    // Hidden and untouchable: under the help panel, or behind the settings panel's own control.
    bool isOff(const Control& control) const;

    SDL_Window* window = nullptr;
    int canvasW = 0, canvasH = 0, fieldW = 0, fieldH = 0;
    SDL_Rect shownAt{}; // the field's box on the canvas
    bool shown = false;
    bool listed = false;
    bool viewer = false;
    std::vector<Control> placed;
    std::map<SDL_FingerID, Finger> fingers;
    // Two fingers may hold one key: it is let go with the last.
    std::map<SDL_Scancode, int> holds;
    // Fingers that only showed the controls: their lifting does nothing.
    std::map<SDL_FingerID, bool> ignored;
    TouchPanel helpPanel;
    std::function<bool()> settingsOpen;
    std::function<int()> coveredTop;
    int coveredBottom = 0;
};
