// One whole frame of the game on the software renderer at 1920 x 1080: the
// first wave, the ship, and a stream of missiles while SPACE is held.
#include <benchmark/benchmark.h>

#include <SDL.h>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "geometry/calendar_clock.h"
#include "shell/game.h"
#include "shell/process_state.h"

namespace {
struct HeadlessField {
    SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, 1920, 1080, 32, SDL_PIXELFORMAT_RGB888);
    ProcessState state;
    Game game{state, Platform{[](Uint32) {}, Display{[this](const char* title, int& w, int& h) {
                                                         w = screen->w;
                                                         h = screen->h;
                                                         return SDL_CreateWindow(title, 0, 0, w, h,
                                                                                 SDL_WINDOW_HIDDEN);
                                                     },
                                                     [this](SDL_Window*) {
                                                         return SDL_CreateSoftwareRenderer(screen);
                                                     }}}};

    HeadlessField() {
        char name[] = "void-angler";
        char* argv[] = {name, nullptr};
        game.startUp(1, argv);
    }
    ~HeadlessField() {
        game.shutDown();
        SDL_FreeSurface(screen);
    }
};

void pressSpace() {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.scancode = SDL_SCANCODE_SPACE;
    SDL_PushEvent(&e);
}

void wholeFrame(benchmark::State& state) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::filesystem::current_path(VA_SOURCE_DIR);
    // The game's log is not part of what is measured.
    std::ostringstream log;
    std::streambuf* out = std::cout.rdbuf(log.rdbuf());
    {
        HeadlessField field;
        pressSpace();
        for (auto _ : state) {
            field.game.runFrame();
            log.str("");
        }
        state.counters["rocks"] = static_cast<double>(field.game.rockField().size());
        state.counters["missiles"] = field.game.weapons().getNumMissiles();
    }
    std::cout.rdbuf(out);
}
BENCHMARK(wholeFrame)->Unit(benchmark::kMillisecond)->Iterations(300);
} // namespace
