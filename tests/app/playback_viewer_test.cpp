// The viewer of a replay: P (a pad's Start) pauses and resumes, Escape (a pad's Back) ends it
// paused or not, F11 toggles full-screen; the recorded game never hears any of it.
#include "app/linked_game.h"

namespace {
// The viewer's presses for one frame, pushed once that frame has been checked: keys, or (below
// zero) a pad's button -1 - b.
using Keys = std::vector<int>;
constexpr int kStart = -1 - SDL_CONTROLLER_BUTTON_START, kBack = -1 - SDL_CONTROLLER_BUTTON_BACK;
SDL_Joystick* pad = nullptr;

// A pad's button goes down and up; SDL makes its events as the queue is next pumped.
void press(int key, SDL_Window* window) {
    if (key < 0) {
        const auto button = static_cast<SDL_GameControllerButton>(-1 - key);
        for (const Uint8 down : {1, 0}) {
            SDL_JoystickSetVirtualButton(pad, button, down);
            SDL_PumpEvents();
        }
        return;
    }
    const Uint32 id = window != nullptr ? SDL_GetWindowID(window) : 0;
    const auto code = static_cast<SDL_Scancode>(key);
    SDL_Event e{.key = {SDL_KEYDOWN, 0, id, SDL_PRESSED, 0, 0, 0, {code, 0, 0, 0}}};
    SDL_PushEvent(&e);
}

// Ends the viewing by key or pad once the viewer has taken every press waiting (the one that
// paused it). An SDL thread: the Windows build's C++ library has no std::thread.
int endOnceTaken(void* byPad) {
    const auto waiting = [] {
        return SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN) +
               SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_CONTROLLERBUTTONDOWN,
                              SDL_CONTROLLERBUTTONUP);
    };
    for (Uint32 end = SDL_GetTicks() + 10000; SDL_GetTicks() < end && waiting() > 0;) {
        SDL_Delay(1);
    }
    if (byPad != nullptr) {
        SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_BACK, 1); // the viewer pumps
    } else {
        press(SDL_SCANCODE_ESCAPE, nullptr);
    }
    return 0;
}

// The status, the last line on standard error and whether the window was full-screen at frame 3.
using Viewing = std::tuple<int, std::string, bool>;

// The stored flock recording watched, with the viewer's presses after frames 2 and 4, and
// a pad plugged in after frame 1 (its presses count in the background).
Viewing watch(const Keys& at2, const Keys& at4, int endWhenPaused = 0) {
    WorkDir dir;
    LinkedGame viewer{.width = 1024, .height = 768, .keys = {}, .quitAt = 0};
    GamePlayback playback(VA_SOURCE_DIR "/tests/replays/flock.rec", PlaybackMode::Watch);
    bool fullScreenAt3 = false;
    SDL_Thread* ender = nullptr;
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    playback.afterFrame = [&](std::uint32_t frame, bool) {
        if (frame == 1) {
            pad = HeadlessGame::plugPad();
        }
        for (int key : frame == 2 ? at2 : frame == 4 ? at4 : Keys{}) {
            press(key, viewer.window);
        }
        if (frame == 2 && endWhenPaused != 0) {
            ender = SDL_CreateThread(endOnceTaken, "end", endWhenPaused == kBack ? &pad : nullptr);
        }
        fullScreenAt3 |= frame == 3 && (SDL_GetWindowFlags(viewer.window) & SDL_WINDOW_FULLSCREEN);
    };
    EXPECT_EQ(playback.open(), std::nullopt);
    const auto [status, err] = viewer.play(playback);
    SDL_WaitThread(ender, nullptr);
    SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS);
    return {status, logLines(err).back(), fullScreenAt3};
}
} // namespace

TEST(PlaybackViewerTest, PauseAndEndFromKeysOrAPadAndF11TogglesTheWindow) {
    const auto E = SDL_SCANCODE_ESCAPE, P = SDL_SCANCODE_P, F11 = SDL_SCANCODE_F11;
    const std::tuple<Keys, Keys, int, const char*, bool> rows[] = {
        {{E}, {}, 0, "replay stopped at frame 2, in sync so far", false},
        {{kBack}, {}, 0, "replay stopped at frame 2, in sync so far", false},
        // Paused after frame 2, it never reaches frame 3 before the end.
        {{P}, {}, E, "replay stopped at frame 2, in sync so far", false},
        {{kStart}, {}, kBack, "replay stopped at frame 2, in sync so far", false},
        {{P, P}, {E}, 0, "replay stopped at frame 4, in sync so far", false},
        {{kStart, kStart}, {kBack}, 0, "replay stopped at frame 4, in sync so far", false},
        {{F11}, {E}, 0, "replay stopped at frame 4, in sync so far", true},
    };
    for (const auto& [at2, at4, endWhenPaused, closing, fullScreen] : rows) {
        SCOPED_TRACE(closing);
        EXPECT_EQ(watch(at2, at4, endWhenPaused), Viewing(0, closing, fullScreen));
    }
}
