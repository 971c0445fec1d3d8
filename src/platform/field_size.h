// Which field the game plays on, decided once at start, and the window that
// shows it when it is not full-screen. Plain arithmetic, no SDL calls.
#pragma once

#include <SDL_rect.h>

#include <string>

struct FieldRequest {
    enum class Kind {
        Desktop, // full-screen, the field as large as the desktop
        Window,  // a window with a field of width x height
        Scale,   // full-screen, the field the desktop's size divided by scale
        Fixed,   // full-screen, a field of width x height shown scaled (a run's)
    };
    Kind kind = Kind::Desktop;
    int width = 0;
    int height = 0;
    int scale = 1;
};

// The largest field side -window takes; larger is a typing error, not a screen.
constexpr int kMaxFieldSide = 16384;
// The smallest field the game plays on. Its pieces sit at fixed points: the help
// panel, the only list of the keys, spans x 50 to about 770 and y 140..592, so it must
// fit in the field (at 600 high the system message, at the bottom edge less 20, meets its
// last line); the heads-up Roids and LvL labels at x 640 and 720 need about 780.
constexpr int kMinFieldWidth = 800;
constexpr int kMinFieldHeight = 600;

// Empty when the size is one the game plays on, else why not.
std::string fieldSizeProblem(int width, int height);

struct FieldChoice {
    int width = 0;
    int height = 0;
    // Why the request cannot be met; empty when it can.
    std::string error;
};
// The field for a request, given the size of the window that was opened for it.
FieldChoice decideField(const FieldRequest& request, int windowWidth, int windowHeight);

// The smallest field at least the smallest size, in the screen's shape: the screen itself
// when it is large enough (a phone's page shows a larger field scaled down).
SDL_Point fieldForScreen(int screenWidth, int screenHeight);

// A window of the field's size, shrunk with its aspect kept where it would not fit the
// usable area (an empty area: no limit).
SDL_Point windowedSize(int fieldWidth, int fieldHeight, const SDL_Rect& usable);

// Where SDL's logical size shows the field in an output of the given size, in output pixels:
// the same float arithmetic as SDL's letterbox, so bars painted around it meet it exactly.
SDL_Rect letterbox(SDL_Point output, SDL_Point field);
