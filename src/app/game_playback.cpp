#include "app/game_playback.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "geometry/calendar_clock.h"
#include "geometry/utc_date.h"
#include "geometry/utf8_path.h"
#include "persist/game_state.h"

namespace {
constexpr int kOutOfSync = 3;
constexpr int kDamaged = 4;

int partOf(const StateDigest& digest, const std::string& name) {
    for (const auto& [key, value] : digest.parts) {
        if (key == name) {
            return static_cast<int>(value);
        }
    }
    return 0;
}
} // namespace

GamePlayback::GamePlayback(std::string file, PlaybackMode playMode)
    : path(std::move(file)), mode(playMode), clock(std::make_shared<Clock>()) {}

std::optional<int> GamePlayback::open() {
    file.open(fromUtf8(path), std::ios::binary);
    if (!file.is_open()) {
        std::cerr << "cannot open the recording " << path << std::endl;
        return EXIT_FAILURE;
    }
    reader = std::make_unique<RecordingReader>(file);
    try {
        return readStart();
    } catch (const std::exception&) {
        return unreadable(errno);
    }
}

// A folder, or a disk that fails: what the stream throws is named by errno.
int GamePlayback::unreadable(int error) {
    std::cerr << "cannot read the recording " << path << ": " << std::strerror(error) << std::endl;
    return EXIT_FAILURE;
}

int GamePlayback::damaged() {
    std::cerr << "recording damaged at " << reader->error() << std::endl;
    return kDamaged;
}

std::optional<int> GamePlayback::readStart() {
    switch (reader->readHeader(head)) {
    case RecordingReader::HeaderResult::Ok:
        break;
    case RecordingReader::HeaderResult::OtherFormat:
        std::cerr << "the recording " << path << " has format " << reader->format()
                  << "; this game reads formats " << kRecordingFormatPlain << " and "
                  << kRecordingFormat << std::endl;
        return EXIT_FAILURE;
    case RecordingReader::HeaderResult::Garbage:
        return damaged();
    case RecordingReader::HeaderResult::NotRecording:
    case RecordingReader::HeaderResult::CutOff:
        std::cerr << "the recording " << path << " cannot be read: " << reader->error()
                  << std::endl;
        return EXIT_FAILURE;
    }
    // The product version is kept for bug reports; only the rules decide.
    if (head.sim != kSimVersion) {
        std::cerr << "the recording " << path
                  << " was made by another version of the game's rules (sim " << head.sim
                  << "; this game plays sim " << kSimVersion << ")" << std::endl;
        return EXIT_FAILURE;
    }
    const RecordingReader::Next first = reader->next(current);
    if (first == RecordingReader::Next::Garbage) {
        return damaged();
    }
    if (first != RecordingReader::Next::Frame) {
        std::cerr << "the recording " << path << " holds no whole frame" << std::endl;
        return EXIT_FAILURE;
    }
    return std::nullopt;
}

void GamePlayback::install() {
    clock->readings.assign(head.clock.begin(), head.clock.end());
    if (head.run && head.run->kind == ArcadeRun::Kind::Daily) {
        clock->daily = std::make_shared<DailyClock>(*utcMidnightOf(head.run->date));
    }
    auto c = clock;
    // Past the recorded readings the game gets the last one again, and the frame is out of step;
    // so is a daily run's reading that its date's clock would not give.
    setCalendarClock([c]() -> std::time_t {
        if (c->readings.empty()) {
            c->overrun = true;
            return static_cast<std::time_t>(c->last);
        }
        c->last = c->readings.front();
        c->readings.pop_front();
        c->overrun = c->overrun || (c->daily && c->daily->now() != c->last);
        return static_cast<std::time_t>(c->last);
    });
    std::optional<std::string> text = head.savedGame;
    setSaveFileEdge({[text] { return text; }, false});
}

Platform GamePlayback::wrap(Platform base) {
    viewer = base.input.events;
    if (watched()) {
        viewer->watching();
    }
    base.input.poll = [this](PlayerInput& in) { return poll(in); };
    base.input.heard = nullptr;
    base.frameEnded = [this] { return frameEnded(); };
    if (clock->daily) {
        base.sleep = DailyClock::sleepWith(clock->daily, base.sleep);
    }
    return base;
}

bool GamePlayback::watched() const {
    return mode == PlaybackMode::Watch || mode == PlaybackMode::Timedemo;
}

// The viewer's inputs, from keys, pads and fingers alike: P (a pad's Start, the pause control)
// pauses; Escape, Q (a pad's Back, the end control) or closing the window ends. The platform
// toggles full-screen itself; the rest steer nothing.
void GamePlayback::watchViewer() {
    if (!watched()) {
        return;
    }
    for (bool waiting = true; waiting;) {
        PlayerInput in;
        while (viewer->next(in)) {
            const bool pressed = in.kind == PlayerInput::Kind::Key && in.down && !in.repeat;
            if (in.kind == PlayerInput::Kind::Quit ||
                (pressed && (in.code == SDL_SCANCODE_ESCAPE || in.code == SDL_SCANCODE_Q))) {
                stopRequested = true;
            } else if (pressed && in.code == SDL_SCANCODE_P) {
                paused = !paused;
            }
        }
        waiting = paused && !stopRequested;
        if (waiting) {
            SDL_WaitEventTimeout(nullptr, 100);
        }
    }
}

bool GamePlayback::beginFrame() {
    if (inFrame) {
        return true;
    }
    inFrame = true;
    nextInput = 0;
    if (checked == 0) {
        wallStart = std::chrono::steady_clock::now();
        cpuStart = std::clock();
    }
    watchViewer();
    // Readings left over belong to the start-up: already out of step.
    clock->overrun = clock->overrun || !clock->readings.empty();
    clock->readings.assign(current.clock.begin(), current.clock.end());
    return true;
}

bool GamePlayback::poll(PlayerInput& input) {
    beginFrame();
    if (stopRequested) {
        if (quitGiven) {
            return false;
        }
        quitGiven = true;
        input = PlayerInput{};
        return true;
    }
    if (nextInput < current.inputs.size()) {
        input = current.inputs[nextInput++];
        return true;
    }
    return false;
}

void GamePlayback::outOfSync(const std::string& part) {
    std::cerr << "replay out of sync at frame " << current.number << ": " << part << std::endl;
    status = kOutOfSync;
}

bool GamePlayback::frameEnded() {
    inFrame = false;
    if (stopRequested) {
        return false;
    }
    const StateDigest actual = played.digest();
    std::optional<std::string> part;
    if (clock->overrun || !clock->readings.empty()) {
        part = "the clock readings";
    } else {
        part = firstDifference(current.digest, actual);
    }
    if (afterFrame) {
        afterFrame(current.number, !current.inputs.empty());
    }
    if (mode == PlaybackMode::Redigest) {
        if (part && firstChange == 0) {
            firstChange = current.number;
        }
        current.digest = actual;
        rewrite->writeFrame(current);
    } else if (part) {
        outOfSync(*part);
        return false;
    }
    checked = current.number;
    lastState = actual;
    clock->overrun = false;
    return readNext();
}

bool GamePlayback::readNext() {
    try {
        return takeNext(reader->next(current));
    } catch (const std::exception&) {
        status = unreadable(errno);
        return false;
    }
}

bool GamePlayback::takeNext(RecordingReader::Next next) {
    const bool quitting = played.quitRequested();
    switch (next) {
    case RecordingReader::Next::Frame:
        if (quitting) {
            outOfSync("the game ended");
            return false;
        }
        return true;
    case RecordingReader::Next::End:
        if (!quitting && mode != PlaybackMode::Redigest) {
            // The recorded game ended with the frame just checked; this one did not.
            current.number = checked;
            outOfSync("the game went on");
        }
        if (rewrite != nullptr) {
            rewrite->writeEnd(checked);
        }
        return false;
    case RecordingReader::Next::Truncated:
        cutOff = true;
        return false;
    case RecordingReader::Next::Garbage:
        break;
    }
    status = damaged();
    return false;
}

int GamePlayback::finish(int gameStatus) {
    if (status) {
        return *status;
    }
    if (gameStatus != EXIT_SUCCESS) {
        return gameStatus;
    }
    if (stopRequested) {
        std::cerr << "replay stopped at frame " << checked << ", in sync so far" << std::endl;
    } else if (checked == 0) {
        // The recording holds a frame the game never played.
        current.number = 1;
        outOfSync("the game ended");
        return *status;
    } else if (cutOff) {
        std::cerr << "replay in sync up to frame " << checked << ": the recording is cut off"
                  << std::endl;
    } else {
        std::cerr << "replay in sync: " << checked << " frames" << std::endl;
    }
    if ((mode == PlaybackMode::Timedemo || mode == PlaybackMode::Verify) && checked > 0) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        const double cpuMs =
            1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / checked;
        std::cerr << (mode == PlaybackMode::Verify ? "verify: " : "timedemo: ") << checked
                  << " frames, " << seconds << " s, " << checked / seconds << " frames/s, " << cpuMs
                  << " ms CPU per frame, state " << foldedDigest(lastState);
        if (mode == PlaybackMode::Verify) {
            std::cerr << ", score " << partOf(lastState, "score") << ", level "
                      << partOf(lastState, "level");
        }
        std::cerr << std::endl;
    }
    return EXIT_SUCCESS;
}
