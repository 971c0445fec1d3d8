// A headless game on a desktop of the given size, run through a recorder or a playback:
// -test, its keys pressed in frame 1, Q in frame `quitAt` (0: never). Gives the status and
// standard error, and keeps the log and the window.
#pragma once

#include "app/game_link.h"
#include "app/game_playback.h"
#include "app/game_recorder.h"
#include "support/headless_game.h"

struct LinkedGame {
    int width = 800, height = 600;
    std::vector<std::string> args = {"-test"};
    std::vector<SDL_Scancode> keys = {SDL_SCANCODE_SPACE};
    int quitAt = 3;
    std::string log = {};
    SDL_Window* window = nullptr;

    template <typename Edge> std::pair<int, std::string> play(Edge& edge) {
        SDL_Surface* screen =
            SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888);
        Display display;
        display.openWindow = [&](const char* title, int& w, int& h) {
            w = width, h = height;
            return window = SDL_CreateWindow(title, 0, 0, w, h, SDL_WINDOW_HIDDEN);
        };
        display.openRenderer = [&](SDL_Window*) { return SDL_CreateSoftwareRenderer(screen); };
        edge.install();
        int status = 0;
        testing::internal::CaptureStderr();
        log = quietly([&] {
            ProcessState state;
            Platform platform{[](Uint32) {}, display};
            // The first poll of a frame follows one that found nothing.
            platform.input.poll = [&, events = platform.input.events, frame = 0,
                                   fresh = true](PlayerInput& in) mutable {
                frame += fresh ? 1 : 0;
                for (SDL_Scancode key : fresh&& frame == 1 ? keys : std::vector<SDL_Scancode>{}) {
                    HeadlessGame::pushKey(SDL_KEYDOWN, key);
                }
                if (fresh && frame == quitAt) {
                    HeadlessGame::pushKey(SDL_KEYDOWN, SDL_SCANCODE_Q);
                }
                fresh = !events->next(in);
                return !fresh;
            };
            Game game(state, edge.wrap(platform));
            edge.attach(watchGame(game));
            status = finish(edge, game.run(lineFor(edge)));
        });
        std::string err = testing::internal::GetCapturedStderr();
        setCalendarClock({});
        setSaveFileEdge({});
        SDL_FreeSurface(screen);
        return {status, err};
    }
    CommandLine lineFor(GameRecorder&) const { return HeadlessGame::commandLine(args); }
    static CommandLine lineFor(GamePlayback& p) { return recordedCommandLine(p.header()); }
    static int finish(GameRecorder& r, int status) { return r.finish(status), status; }
    static int finish(GamePlayback& p, int status) { return p.finish(status); }
};
