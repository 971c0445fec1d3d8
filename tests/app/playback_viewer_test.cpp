// The viewer of a replay: P pauses and resumes, Escape ends it paused or not, F11 toggles
// full-screen; the recorded game never hears any of it.
#include "app/linked_game.h"

namespace {
// The viewer's keys for one frame: pushed once that frame has been checked.
using Keys = std::vector<SDL_Scancode>;

void push(SDL_Scancode key, SDL_Window* window) {
    const Uint32 id = window != nullptr ? SDL_GetWindowID(window) : 0;
    SDL_Event e{.key = {SDL_KEYDOWN, 0, id, SDL_PRESSED, 0, 0, 0, {key, 0, 0, 0}}};
    SDL_PushEvent(&e);
}

// Pushes Escape once the viewer has taken every key waiting (the P that paused it). An SDL
// thread: the Windows build's C++ library has no std::thread.
int escapeOnceTaken(void*) {
    for (Uint32 end = SDL_GetTicks() + 10000; SDL_GetTicks() < end;) {
        if (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN) == 0) {
            break;
        }
        SDL_Delay(1);
    }
    push(SDL_SCANCODE_ESCAPE, nullptr);
    return 0;
}

struct Viewing {
    std::string closing; // the last line on standard error
    int status = -1;
    bool fullScreenAt3 = false;
};

// The stored flock recording watched, with the viewer's keys after frames 2 and 4.
Viewing watch(const Keys& at2, const Keys& at4, bool escapeWhenPaused = false) {
    WorkDir dir;
    LinkedGame viewer{.width = 1024, .height = 768, .keys = {}, .quitAt = 0};
    GamePlayback playback(VA_SOURCE_DIR "/tests/replays/flock.rec", PlaybackMode::Watch);
    Viewing seen;
    SDL_Thread* escaper = nullptr;
    playback.afterFrame = [&](std::uint32_t frame, bool) {
        for (SDL_Scancode key : frame == 2 ? at2 : frame == 4 ? at4 : Keys{}) {
            push(key, viewer.window);
        }
        if (frame == 2 && escapeWhenPaused) {
            escaper = SDL_CreateThread(escapeOnceTaken, "escape", nullptr);
        }
        seen.fullScreenAt3 |=
            frame == 3 && (SDL_GetWindowFlags(viewer.window) & SDL_WINDOW_FULLSCREEN);
    };
    EXPECT_EQ(playback.open(), std::nullopt);
    const auto [status, err] = viewer.play(playback);
    seen.status = status;
    seen.closing = logLines(err).back();
    SDL_WaitThread(escaper, nullptr);
    return seen;
}
} // namespace

TEST(PlaybackViewerTest, PPausesAndResumesEscapeEndsPausedOrNotAndF11TogglesTheWindow) {
    const auto E = SDL_SCANCODE_ESCAPE, P = SDL_SCANCODE_P, F11 = SDL_SCANCODE_F11;
    struct Row {
        Keys at2, at4;
        bool escapeWhenPaused;
        const char* closing;
        bool fullScreen;
    };
    const Row rows[] = {
        {{E}, {}, false, "replay stopped at frame 2, in sync so far", false},
        // Paused after frame 2, it never reaches frame 3 before the Escape.
        {{P}, {}, true, "replay stopped at frame 2, in sync so far", false},
        {{P, P}, {E}, false, "replay stopped at frame 4, in sync so far", false},
        {{F11}, {E}, false, "replay stopped at frame 4, in sync so far", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.closing);
        const Viewing seen = watch(row.at2, row.at4, row.escapeWhenPaused);
        EXPECT_EQ(seen.status, 0);
        EXPECT_EQ(seen.closing, row.closing);
        EXPECT_EQ(seen.fullScreenAt3, row.fullScreen);
    }
}
