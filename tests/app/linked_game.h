// A headless game on a desktop of the given size, run through a recorder or a playback:
// -test, its keys pressed in frame 1, Q in frame `quitAt` (0: never). Gives the status and
// standard error, and keeps the log and the window.
#pragma once

#include "app/game_link.h"
#include "app/game_playback.h"
#include "app/game_recorder.h"
#include "app/launch.h"
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
    // A run (recorded: its command line; played: the recording's), drawing nothing, fast.
    std::optional<ArcadeRun> run = {};
    bool draws = true;
    // Pushes the frame's own events, before its first poll.
    std::function<void(int frame)> onFrame = {};
    // What follows a run's last frame.
    std::function<void(RunEndScreen&)> runEnded = {};

    template <typename Edge> std::pair<int, std::string> play(Edge& edge) {
        HeadlessScreen screen(width, height, draws);
        int status = 0;
        testing::internal::CaptureStderr();
        log = quietly([&] {
            std::optional<ProcessState> state;
            Platform platform = screen.platform();
            platform.display.openWindow = [&, open = platform.display.openWindow](auto&&... a) {
                return window = open(a...);
            };
            platform.storage.recordingLimit = recordingLimit;
            platform.runEnded = runEnded;
            // The first poll of a frame follows one that found nothing.
            platform.input.poll = [&, events = platform.input.events, frame = 0,
                                   fresh = true](PlayerInput& in) mutable {
                frame += fresh ? 1 : 0;
                for (SDL_Scancode key : fresh&& frame == 1 ? keys : std::vector<SDL_Scancode>{}) {
                    HeadlessGame::pushKey(SDL_KEYDOWN, key);
                }
                if (fresh && onFrame) {
                    onFrame(frame);
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
    CommandLine lineFor(GameRecorder&) const {
        CommandLine line = HeadlessGame::commandLine(args);
        if (run) {
            line.display.field = fullScreenField(kRunFieldWidth, kRunFieldHeight);
            line.run = run;
        }
        return line;
    }
    CommandLine lineFor(GamePlayback& p) const {
        CommandLine line = recordedCommandLine(p.header());
        line.gameFlags.insert(line.gameFlags.end(), addedFlags.begin(), addedFlags.end());
        return line;
    }
};

// A replay's status and the last line on standard error.
using Verdict = std::pair<int, std::string>;

// A recording's text replayed as -verify replays it, in session.
inline Verdict replayText(const std::string& text, LinkedGame session = {}) {
    std::ofstream("replayed.rec", std::ios::binary) << text;
    GamePlayback playback("replayed.rec", PlaybackMode::Check);
    testing::internal::CaptureStderr();
    const std::optional<int> refused = playback.open();
    const std::string err = testing::internal::GetCapturedStderr();
    auto [status, log] = refused ? std::pair(*refused, err) : session.play(playback);
    return {status, logLines(log).back()};
}

// Each start of the whole process on these arguments refused before any game is made: its
// status and one line on standard error.
using Refusals = std::vector<std::tuple<std::vector<std::string>, int, std::string>>;
inline void expectRefused(const Refusals& rows) {
    for (auto [words, status, line] : rows) {
        words.insert(words.begin(), "void-angler");
        std::vector<char*> argv;
        for (std::string& w : words) {
            argv.push_back(w.data());
        }
        testing::internal::CaptureStderr();
        EXPECT_EQ(launch(static_cast<int>(argv.size()), argv.data(),
                         []() -> ProcessState& { throw std::logic_error("the game started"); }),
                  status)
            << words[1];
        const std::string err = testing::internal::GetCapturedStderr();
        EXPECT_TRUE(logLines(err).size() == 1 && holds(err, line)) << err << " / " << line;
    }
}
