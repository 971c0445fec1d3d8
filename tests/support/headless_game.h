// A Game started without a screen: a dummy-driver window, a software renderer
// on a memory surface, no sleeps, a pinned clock and its own working directory.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "shell/game.h"
#include "shell/process_state.h"
#include "support/canvas.h"
#include "support/work_dir.h"

class HeadlessGame {
  public:
    static constexpr std::time_t kPinnedSecond = 1700000000;

    // A saved "game.txt" to start from may be given; it is written before the
    // process-wide state reads it.
    explicit HeadlessGame(int width = 1920, int height = 1080, const std::string& gameTxt = "");
    ~HeadlessGame();
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // Runs start-up with these arguments after the program name.
    std::optional<int> start(std::vector<std::string> args = {});
    void frames(int n);
    int stop();
    // Shut-down, then the process-wide state's destruction, which writes "game.txt".
    void exitProcess();

    void pressKey(SDL_Scancode key);
    void releaseKey(SDL_Scancode key);
    void tapKey(SDL_Scancode key);
    void mouseDown(Uint8 button, int x, int y);
    void mouseUp(Uint8 button, int x, int y);

    SDL_Color pixel(int x, int y) const;
    int count(SDL_Color colour) const;
    // The chunks playing on the mixer's channels now.
    std::vector<Mix_Chunk*> playing() const;

    WorkDir workDir;
    std::unique_ptr<ProcessState> state;
    std::unique_ptr<Game> game;
    SDL_Surface* screen = nullptr;
    Uint32 sleptMs = 0;

  private:
    bool started = false;
    bool stopped = false;
};
