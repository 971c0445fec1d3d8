// The frame benchmark: the heavy scene at 1920 x 1080 on SDL's software renderer,
// timed against the floor (clear + present) and against the reference (the same
// picture drawn by replaying the frame's own SDL calls with no game logic), frame
// by frame in turn so a noisy machine slows all three alike.
#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <streambuf>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

#include "bench_surface.h"
#include "game/game.h"
#include "game/game_digest.h"
#include "game/process_state.h"
#include "geometry/calendar_clock.h"
#include "platform/headless_screen.h"
#include "replay/recording_writer.h"

namespace fs = std::filesystem;

namespace {
// This thread's CPU time: on a shared machine, time spent descheduled is not the frame's.
struct Clock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<Clock, duration>;
    static time_point now() {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return time_point(std::chrono::seconds(ts.tv_sec) + std::chrono::nanoseconds(ts.tv_nsec));
    }
};

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kWarmUp = 60;
constexpr int kTimed = 600;
constexpr int kStartUps = 5;
// Ten runs of simulated frames, each after a few frames to settle its caches.
constexpr int kSimulationRun = kTimed / 10;
constexpr int kSimulationWarmUp = 6;
// 75 plus the 40 a restored score between 2000 and 2999 adds.
constexpr int kMagazine = 115;

struct NullBuffer : std::streambuf {
    int overflow(int c) override { return c; }
};

double micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Standard error as the benchmark found it; the game's own is silenced while it runs.
int errorFd = STDERR_FILENO;

[[noreturn]] void fail(const std::string& why) {
    dprintf(errorFd, "va_bench: %s\n", why.c_str());
    std::exit(1);
}

// A temporary working directory holding a link to dat/ and the saved game.
struct WorkDir {
    fs::path previous = fs::current_path();
    fs::path dir;
    WorkDir() {
        std::string tmpl = (fs::temp_directory_path() / "va-bench-XXXXXX").string();
        if (mkdtemp(tmpl.data()) == nullptr) {
            fail("cannot make a working directory");
        }
        dir = tmpl;
        fs::create_directory_symlink(fs::path(VA_SOURCE_DIR) / "dat", dir / "dat");
        fs::current_path(dir);
    }
    ~WorkDir() {
        std::error_code ec;
        fs::current_path(previous, ec);
        fs::remove_all(dir, ec);
    }
};

// A game on the headless screen, drawing through the benchmark's surface.
struct Headless {
    HeadlessScreen screen{kWidth, kHeight};
    std::unique_ptr<ProcessState> state;
    std::unique_ptr<Game> game;
    BenchSurface* surface = nullptr;

    // Process-wide state, game and start-up: what a player waits for before the first frame.
    void start() {
        std::ofstream("game.txt") << "fart_user_1_score=2500\nfart_user_1_level=1\n";
        state = std::make_unique<ProcessState>();
        Platform platform = screen.platform();
        platform.display.openSurface = [this](SDL_Renderer* r) {
            auto made = std::make_unique<BenchSurface>(r);
            surface = made.get();
            return made;
        };
        game = std::make_unique<Game>(*state, platform);
        if (game->startUp(CommandLine{})) {
            fail("start-up failed");
        }
    }
    void stop() {
        game->shutDown();
        game.reset();
        state.reset();
    }
};

void push(Uint32 type, SDL_Scancode key) {
    SDL_Event e{};
    e.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.scancode = key;
    e.key.keysym.sym = SDL_GetKeyFromScancode(key);
    SDL_PushEvent(&e);
}

void rightMouseDown() {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_RIGHT;
    e.button.state = SDL_PRESSED;
    e.button.x = 5;
    e.button.y = 5;
    SDL_PushEvent(&e);
}

std::vector<Uint32> pixelsOf(const SDL_Surface* s) {
    const auto* p = static_cast<const Uint32*>(s->pixels);
    return std::vector<Uint32>(p, p + static_cast<std::size_t>(s->pitch / 4) * s->h);
}

bool samePixels(const SDL_Surface* s, const std::vector<Uint32>& expected) {
    return std::memcmp(s->pixels, expected.data(), expected.size() * sizeof(Uint32)) == 0;
}

// Its own symbol, so a profiler can be told to look at these frames alone
// (valgrind --tool=callgrind --toggle-collect='*simulatedFrame*').
[[gnu::noinline]] void simulatedFrame(Game& game) {
    game.runFrame();
}

void floorFrame(DrawSurface& sdl) {
    sdl.setColour(0, 0, 0, 255);
    sdl.clear();
    sdl.present();
}
} // namespace

int main() {
    HeadlessScreen::chooseDummyDrivers();
    setCalendarClock([] { return std::time_t{1700000000}; });
    WorkDir work;
    // The game's log (streams and printf) is not part of what is measured.
    NullBuffer null;
    std::streambuf* out = std::cout.rdbuf(&null);
    std::fflush(stdout);
    const int realStdout = dup(STDOUT_FILENO);
    const int realStderr = dup(STDERR_FILENO);
    const int devNull = open("/dev/null", O_WRONLY);
    dup2(devNull, STDOUT_FILENO);
    dup2(devNull, STDERR_FILENO);
    close(devNull);
    errorFd = realStderr;

    Headless field;
    std::vector<double> startUps, startUpsWall;
    for (int i = 0; i < kStartUps; ++i) {
        const auto w0 = std::chrono::steady_clock::now();
        const auto t0 = Clock::now();
        field.start();
        startUps.push_back(micros(Clock::now() - t0) / 1000.0);
        startUpsWall.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - w0)
                .count());
        field.game->runFrame();
        if (i + 1 < kStartUps) {
            field.stop();
        }
    }
    Game& game = *field.game;
    BenchSurface& surface = *field.surface;

    // The heavy scene: five more waves, the overlay, every island outlined, SPACE
    // held while the ship turns until the magazine is all in flight.
    for (int i = 0; i < 5; ++i) {
        push(SDL_KEYDOWN, SDL_SCANCODE_N);
        push(SDL_KEYUP, SDL_SCANCODE_N);
    }
    push(SDL_KEYDOWN, SDL_SCANCODE_D);
    push(SDL_KEYUP, SDL_SCANCODE_D);
    rightMouseDown();
    push(SDL_KEYDOWN, SDL_SCANCODE_SPACE);
    push(SDL_KEYDOWN, SDL_SCANCODE_LEFT);
    for (int i = 0; i < 400 && game.weapons().getNumMissiles() < kMagazine; ++i) {
        game.runFrame();
    }
    if (game.weapons().getMaxMissiles() != kMagazine) {
        fail("the magazine is not " + std::to_string(kMagazine));
    }
    const std::size_t rocksAtStart = game.rockField().size();

    std::vector<double> floorUs, referenceUs, gameUs;
    std::vector<Uint32> picture;
    int portalFrames = 0;
    std::size_t fewestMissiles = kMagazine;
    // For profiling the game's own work: VA_BENCH_SIMULATION_ONLY=1 skips the drawn frames.
    const int drawnFrames =
        std::getenv("VA_BENCH_SIMULATION_ONLY") != nullptr ? 0 : kWarmUp + kTimed;
    // Each turn: a game frame timed as the game runs it; the next frame, recorded
    // (untimed: recording is the benchmark's cost, not the game's); that recording
    // replayed as the reference, timed and checked pixel for pixel; the floor.
    // The game's own work: runs of frames with every drawing call dropped, spread over
    // the whole measurement so that a burst of load elsewhere spoils few of them.
    // What -record adds to a frame: the state digest and one flushed frame of the file.
    RecordingWriter recording("bench.rec");
    RecordedFrame recorded;
    const auto recordFrame = [&] {
        recorded.number += 1;
        recorded.digest = digestGame(game);
        recording.writeFrame(recorded);
    };
    std::vector<double> simulationUs, simulationRecordedUs, gameRecordedUs, recordingUs;
    const auto simulate = [&](int warmUp, int timed) {
        surface.setMode(BenchSurface::Mode::Off);
        for (int k = 0; k < warmUp + timed; ++k) {
            const auto t0 = Clock::now();
            simulatedFrame(game);
            // Pairs of frames, so both parities of the flock's step are in each set.
            const bool recordedFrame = (k / 2) % 2 == 1;
            if (recordedFrame) {
                recordFrame();
            }
            if (k >= warmUp) {
                (recordedFrame ? simulationRecordedUs : simulationUs)
                    .push_back(micros(Clock::now() - t0));
            }
        }
        surface.setMode(BenchSurface::Mode::Forward);
    };
    for (int i = 0; i < drawnFrames; ++i) {
        if (i >= kWarmUp && (i - kWarmUp) % kSimulationRun == 0) {
            simulate(kSimulationWarmUp, kSimulationRun);
        }
        auto t0 = Clock::now();
        game.runFrame();
        const double g = micros(Clock::now() - t0);
        t0 = Clock::now();
        recordFrame();
        const double rec = micros(Clock::now() - t0);

        surface.clearRecording();
        surface.setMode(BenchSurface::Mode::Record);
        game.runFrame();
        surface.setMode(BenchSurface::Mode::Forward);
        picture = pixelsOf(field.screen.pixels());
        t0 = Clock::now();
        surface.replay();
        const double r = micros(Clock::now() - t0);
        if (!samePixels(field.screen.pixels(), picture)) {
            fail("the reference does not draw the game's picture (turn " + std::to_string(i) + ")");
        }

        t0 = Clock::now();
        floorFrame(surface.direct());
        const double f = micros(Clock::now() - t0);
        if (i >= kWarmUp) {
            gameUs.push_back(g);
            gameRecordedUs.push_back(g + rec);
            recordingUs.push_back(rec);
            referenceUs.push_back(r);
            floorUs.push_back(f);
            portalFrames += game.gate().isOpen() > 0 ? 1 : 0;
            fewestMissiles = std::min<std::size_t>(fewestMissiles, game.weapons().getNumMissiles());
        }
    }
    if (drawnFrames == 0) {
        simulate(kWarmUp, kTimed);
    }
    if (std::getenv("VA_BENCH_BREAKDOWN") != nullptr) {
        std::FILE* out = fdopen(dup(realStderr), "w");
        std::fprintf(out, "reference, by kind of call:\n");
        surface.replayTimed(out);
        std::fclose(out);
    }
    surface.clearRecording();
    const std::size_t rocksAtEnd = game.rockField().size();

    surface.setMode(BenchSurface::Mode::Forward);
    field.stop();
    std::fflush(stdout);
    dup2(realStdout, STDOUT_FILENO);
    dup2(realStderr, STDERR_FILENO);
    close(realStdout);
    close(realStderr);
    errorFd = STDERR_FILENO;
    std::cout.rdbuf(out);

    if (drawnFrames == 0) {
        std::printf("simulation heavy frame: %.0f us\n", median(simulationUs));
        return 0;
    }
    const double fl = median(floorUs);
    const double ref = median(referenceUs);
    const double gm = median(gameUs);
    std::printf("floor (clear+present): %.0f us\n", fl);
    std::printf("reference heavy draws: %.0f us\n", ref);
    std::printf("game heavy frame: %.0f us\n", gm);
    std::printf("frame/reference ratio: %.2f\n", gm / ref);
    std::printf("frame/floor ratio: %.2f\n", gm / fl);
    std::printf("simulation heavy frame: %.0f us\n", median(simulationUs));
    std::printf(
        "with -record: simulation %.0f us (recording %.0f us), frame/reference ratio %.2f\n",
        median(simulationRecordedUs), median(recordingUs), median(gameRecordedUs) / ref);
    std::printf("start-up work (sleeps excluded): %.0f ms\n", median(startUps));
    std::fflush(stdout);
    std::fprintf(stderr,
                 "(%d x %d, thread CPU time, %d warm-up + %d timed turns; rocks %zu -> %zu; "
                 "missiles in flight >= %zu of %d; portal showing in %d of %d turns; "
                 "start-up wall time %.0f ms)\n",
                 kWidth, kHeight, kWarmUp, kTimed, rocksAtStart, rocksAtEnd, fewestMissiles,
                 kMagazine, portalFrames, kTimed, median(startUpsWall));
    return 0;
}
