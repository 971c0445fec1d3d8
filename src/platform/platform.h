// The seams between the game and the machine: the sleeps, the display and the storage.
// The game always uses the real ones; tests pass their own.
#pragma once

#include <SDL.h>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "geometry/draw_surface.h"
#include "platform/input_translator.h"
#include "platform/player_input.h"
#include "platform/run_end_screen.h"
#include "platform/settings_keeper.h"

struct Display {
    // Creates the window for a field of width x height, or full-screen at the desktop's
    // size for -1 x -1, and reports that size.
    std::function<SDL_Window*(const char* title, int& width, int& height)> openWindow;
    std::function<SDL_Renderer*(SDL_Window* window)> openRenderer;
    // The desktop's size before any window exists, where it is known (may be empty).
    std::function<bool(int& width, int& height)> desktopSize;
    // Where the frame draws, over the renderer its pictures are made for; empty: SDL itself.
    std::function<std::unique_ptr<DrawSurface>(SDL_Renderer* renderer)> openSurface;
};

// Where a frame's inputs come from (SDL's events translated, or a recording played back),
// and who hears each input the game acted on (a recorder).
struct InputSource {
    // SDL's events as the game's inputs; the window's keys, the pads and the fingers.
    std::shared_ptr<InputTranslator> events = std::make_shared<InputTranslator>();
    // The frame's next input; false when the frame has no more.
    std::function<bool(PlayerInput& input)> poll = [translator = events](PlayerInput& in) {
        return translator->next(in);
    };
    std::function<void(const PlayerInput& input)> heard;
};

// Where a written file needs more than the write to last (the browser's storage).
// Either may be empty: then files last as written.
struct Storage {
    // Told after a save file was written while the game runs (a checkpoint).
    std::function<void()> filesWritten;
    // Given the shut-down save, to run if the host goes away before a quit (a closed page).
    std::function<void(std::function<void()> save)> saveOnLeave;
    // The most bytes a recording may take (0: no limit): where it is kept in memory.
    std::size_t recordingLimit = 0;
};

// The accelerated renderer drawing lines by SDL's line method ("1" points, "2" the driver's
// lines), or the software one where there is none.
SDL_Renderer* openRenderer(SDL_Window* window, const char* lineMethod);
// The desktop's: the driver's one-pixel lines.
SDL_Renderer* openGameRenderer(SDL_Window* window);

struct Platform {
    std::function<void(Uint32 ms)> sleep;
    Display display;
    InputSource input{};
    // After each whole frame; false ends the game as if it had quit.
    std::function<bool()> frameEnded{};
    // A run that played its last frame, its window still open: what follows it is shown here
    // until the player leaves. Empty: the game just ends.
    std::function<void(RunEndScreen& screen)> runEnded{};
    Storage storage{};
    // The player's own settings; with no file, the defaults, and nothing is written.
    std::shared_ptr<SettingsKeeper> settings = std::make_shared<SettingsKeeper>();

    // Full-screen desktop window (or a window for a field of a chosen size), accelerated renderer
    // (software when there is none), real sleeps, touch controls where fingers come. In a
    // browser: the page's canvas and its storage, and the page lists the controls' lines beside
    // the game.
    static Platform real(const std::vector<std::string>& controls = {});
};
