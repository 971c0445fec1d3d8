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
    std::size_t recordingLimit = 0;
    // Given to a playback after the recorded ones.
    std::vector<std::string> addedFlags = {};

    template <typename Edge> std::pair<int, std::string> play(Edge& edge) {
        HeadlessScreen screen(width, height);
        int status = 0;
        testing::internal::CaptureStderr();
        log = quietly([&] {
            std::optional<ProcessState> state;
            Platform platform = screen.platform();
            platform.display.openWindow = [&, open = platform.display.openWindow](auto&&... a) {
                return window = open(a...);
            };
            platform.storage.recordingLimit = recordingLimit;
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
            status = runLinked(
                edge, platform, [&]() -> ProcessState& { return state.emplace(); }, lineFor(edge));
        });
        std::string err = testing::internal::GetCapturedStderr();
        setCalendarClock({});
        setSaveFileEdge({});
        return {status, err};
    }
    CommandLine lineFor(GameRecorder&) const { return HeadlessGame::commandLine(args); }
    CommandLine lineFor(GamePlayback& p) const {
        CommandLine line = recordedCommandLine(p.header());
        line.gameFlags.insert(line.gameFlags.end(), addedFlags.begin(), addedFlags.end());
        return line;
    }
};
