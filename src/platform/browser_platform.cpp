// The platform inside a web page: the page's canvas, sleeps that yield to the browser, and
// saves kept in the browser's storage. Built only for the browser.
#include "platform/platform.h"

#include "platform/field_size.h"

#include <emscripten.h>

#include <string>
#include <utility>

// The page (web/game.js) answers these; without it they do nothing.
EM_JS(int, pageCanvasWidth, (), { return Module.vaCanvasSize ? Module.vaCanvasSize()[0] : 0; });
EM_JS(int, pageCanvasHeight, (), { return Module.vaCanvasSize ? Module.vaCanvasSize()[1] : 0; });
EM_JS(void, pageShowsField, (), {
    if (Module.vaFieldShown)
        Module.vaFieldShown();
});
EM_JS(void, pageShowsControls, (const char* text), {
    if (Module.vaShowControls)
        Module.vaShowControls(UTF8ToString(text));
});
EM_JS(void, pageFilesWritten, (), {
    if (Module.vaFilesWritten)
        Module.vaFilesWritten();
});

namespace {
std::function<void()> leaveSave;

// Where the page's bar (shown on a narrow screen) ends, down from the canvas's top in its
// pixels; 0 while it is hidden.
EM_JS(int, pageBarBottom, (), {
    const bar = document.getElementById('phone-bar');
    const canvas = document.getElementById('canvas');
    if (!bar || !canvas)
        return 0;
    const box = bar.getBoundingClientRect();
    return box.height > 0 ? Math.ceil(box.bottom - canvas.getBoundingClientRect().top) : 0;
});

// The field is the canvas's size when the game starts, grown in the canvas's shape to the
// smallest the game plays on (a phone's screen is smaller); the window is the canvas, so the
// field view scales the field into it. The page fits the canvas to its window.
SDL_Window* openCanvasWindow(const char* title, int& width, int& height) {
    int canvasWidth = width;
    int canvasHeight = height;
    if (pageCanvasWidth() > 0 && pageCanvasHeight() > 0) {
        canvasWidth = pageCanvasWidth();
        canvasHeight = pageCanvasHeight();
    }
    SDL_Window* window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          canvasWidth, canvasHeight, 0);
    if (window != nullptr) {
        SDL_GetWindowSize(window, &canvasWidth, &canvasHeight);
        const SDL_Point field = fieldForScreen(canvasWidth, canvasHeight);
        width = field.x;
        height = field.y;
        // The window opens after the slow start, so the page's progress line ends here.
        pageShowsField();
    }
    return window;
}

// WebGL's own lines: the point method costs the page's one thread 15 to 25 ms a heavy frame
// (one vertex per lit pixel), halving its frame rate; on SwiftShader these lines light the
// same pixels, corners included.
SDL_Renderer* openCanvasRenderer(SDL_Window* window) {
    return openRenderer(window, "2");
}

} // namespace

// The page calls this when it is hidden or closed: the game will not see a quit.
extern "C" EMSCRIPTEN_KEEPALIVE void va_save_on_leave() {
    if (leaveSave) {
        leaveSave();
    }
}

Platform Platform::real(const std::vector<std::string>& controls) {
    // The page lists the controls from the same table as the help panel: one line per row,
    // tabs between the columns.
    std::string text;
    for (const std::string& line : controls) {
        text += line + "\n";
    }
    pageShowsControls(text.c_str());
    // Keys reach the game only while the canvas has the focus, so the page's own buttons and
    // file picker keep theirs.
    SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
    // The page's recording lives in its memory: about an hour of play (300 bytes a frame).
    Storage storage{pageFilesWritten,
                    [](std::function<void()> save) { leaveSave = std::move(save); }, 64u << 20};
    Platform platform{[](Uint32 ms) { SDL_Delay(ms); },
                      Display{openCanvasWindow, openCanvasRenderer, {}, {}}};
    platform.storage = storage;
    platform.input.events->enableTouch();
    platform.input.events->touch()->setCoveredTop(pageBarBottom);
    return platform;
}
