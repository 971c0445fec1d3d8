#include "platform/headless_screen.h"

#include <memory>

#include "geometry/null_surface.h"

HeadlessScreen::HeadlessScreen(int width, int height, bool drawing)
    : picture(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888)),
      draws(drawing) {}

HeadlessScreen::~HeadlessScreen() {
    SDL_FreeSurface(picture);
}

Display HeadlessScreen::display() {
    Display d;
    d.openWindow = [this](const char* title, int& w, int& h) {
        w = picture->w;
        h = picture->h;
        return shown = SDL_CreateWindow(title, 0, 0, w, h, SDL_WINDOW_HIDDEN);
    };
    d.openRenderer = [this](SDL_Window*) { return SDL_CreateSoftwareRenderer(picture); };
    if (!draws) {
        d.openSurface = [](SDL_Renderer* r) { return std::make_unique<NullSurface>(r); };
    }
    return d;
}

Platform HeadlessScreen::platform() {
    // Member by member: mingw's GCC 12 warns falsely (maybe-uninitialized) on the aggregate.
    Platform platform;
    platform.sleep = [](Uint32) {};
    platform.display = display();
    return platform;
}

void HeadlessScreen::chooseDummyDrivers() {
    // Over the environment too: a headless run must not reach for a display or a sound card.
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
#if defined(__EMSCRIPTEN__)
    // SDL without threads cannot run its dummy sound driver; the page's worker gives the
    // browser's driver a silent stand-in (web/check.js), so the sounds load as in play.
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "emscripten", SDL_HINT_OVERRIDE);
#else
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
#endif
}
