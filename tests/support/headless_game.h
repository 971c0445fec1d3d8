// A Game on the headless screen, its sleeps counted and not taken, the clock pinned, in its
// own working directory.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include <ctime>
#include <memory>
#include <optional>

#include "game/game.h"
#include "game/process_state.h"
#include "platform/headless_screen.h"
#include "support/kit.h"

class HeadlessGame {
  public:
    static constexpr std::time_t kPinnedSecond = 1700000000;

    // A saved "game.txt" to start from may be given; it is written before the
    // process-wide state reads it. So may a "settings.txt", which the game then keeps.
    explicit HeadlessGame(int width = 1920, int height = 1080, const std::string& gameTxt = "",
                          const std::optional<std::string>& settingsTxt = std::nullopt);
    ~HeadlessGame();
    // The seams of a game on this display that sleeps through `sleep`.
    static Platform platformOn(
        const Display& display, std::function<void(Uint32)> sleep = [](Uint32) {});
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    // Runs start-up with these arguments after the program name.
    std::optional<int> start(std::vector<std::string> args = {});
    static CommandLine commandLine(const std::vector<std::string>& args);
    // The game made again, before start, for a changed display.
    void makeGame();
    void frames(int n) {
        while (n-- > 0) {
            game->runFrame();
        }
    }
    // Runs frames and returns what they logged.
    std::string run(int n = 1) {
        return quietly([&] { frames(n); });
    }
    int stop();
    // Shut-down, then the process-wide state's destruction, which writes "game.txt".
    void exitProcess();

    void pressKey(SDL_Scancode key) { pushKey(SDL_KEYDOWN, key); }
    void releaseKey(SDL_Scancode key) { pushKey(SDL_KEYUP, key); }
    void tapKey(SDL_Scancode key) { pressKey(key), releaseKey(key); }
    // A press, its repeat and the release, all before the next frame.
    void holdKey(SDL_Scancode key) {
        pressKey(key), pushKey(SDL_KEYDOWN, key, true), releaseKey(key);
    }
    // Taps the key, then runs frames and returns what they logged.
    std::string tapAndRun(SDL_Scancode key, int n = 1) { return tapKey(key), run(n); }
    void mouseDown(Uint8 button, int x, int y) { pushMouse(SDL_MOUSEBUTTONDOWN, button, x, y); }
    void mouseUp(Uint8 button, int x, int y) { pushMouse(SDL_MOUSEBUTTONUP, button, x, y); }

    SDL_Color pixel(int x, int y) const { return surfacePixel(screen, x, y); }
    int count(SDL_Color colour, SDL_Rect area = {}) const {
        return countColour(screen, colour, area);
    }
    // Whether the chunk plays on one of the mixer's channels now.
    bool playing(Mix_Chunk* chunk) const;

    WorkDir workDir;
    std::unique_ptr<ProcessState> state;
    HeadlessScreen headless;
    // The window and renderer makers the game was given; a test may swap one and remake it.
    Display display = headless.display();
    std::unique_ptr<Game> game;
    SDL_Surface* screen = headless.pixels();
    std::shared_ptr<SettingsKeeper> settings = std::make_shared<SettingsKeeper>();
    // What the game heard, as a recorder hears it, and the translator it heard it from.
    std::vector<PlayerInput> heard;
    std::shared_ptr<InputTranslator> events;
    Uint32 sleptMs = 0;

    static void pushKey(Uint32 type, SDL_Scancode key, bool repeat = false);
    static void pushMouse(Uint32 type, Uint8 button, int x, int y);
    // A virtual pad that SDL maps as a controller, button for button, axis for axis.
    static SDL_Joystick* plugPad(Uint16 vendor = 0, Uint16 product = 0);

  private:
    bool started = false;
    bool stopped = false;
};

// A HeadlessGame started with no arguments, its log kept off the test output.
struct StartedGame : HeadlessGame {
    template <typename... A> explicit StartedGame(A&&... a) : HeadlessGame(std::forward<A>(a)...) {
        quietly([&] { EXPECT_FALSE(start().has_value()); });
    }
};
