// The game: start-up, the frame and shut-down, each a list of named steps that
// call into the objects owning the work. The entry point's objects are members.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "backdrop/platform.h"
#include "backdrop/satellite.h"
#include "backdrop/title_cards.h"
#include "flock/boid_flock.h"
#include "flock/static_boids.h"
#include "game/command_line.h"
#include "game/key_table.h"
#include "game/process_state.h"
#include "game/rock_waves.h"
#include "hud/hud.h"
#include "objects/space_junk.h"
#include "objects/space_ship.h"
#include "platform/field_size.h"
#include "platform/field_view.h"
#include "platform/platform.h"
#include "portal/portal.h"
#include "radar/radar.h"
#include "selfcheck/start_checks.h"
#include "weapons/manage_weapon.h"

class Game {
  public:
    Game(ProcessState& state, Platform platform);

    // Start-up, the loop until quit, shut-down; returns the process's exit status.
    int run(const CommandLine& line);
    // Returns an exit status when the process must end before the loop.
    std::optional<int> startUp(const CommandLine& line);
    void runFrame();
    int shutDown();

    static std::span<const KeyBinding> keyTable();
    // The key table's rows as the platform binds them.
    static std::vector<InputRow> inputRows();
    // The help panel's lines, from the key table; in a run, with a line naming the keys that act.
    static const std::vector<std::string>& helpLines();
    static const std::vector<std::string>& runHelpLines();
    // The same rows for a player on a pad: its buttons by their own names, no key named.
    std::vector<std::string> padHelpLines(PadFamily family) const;
    // The keys that act in a run: flying and display. The rest, and the mouse, are no part of it.
    static std::span<const SDL_Scancode> runKeys();

    // Read-only views of the running game.
    bool quitRequested() const { return quit; }
    const SpaceShip& hero() const { return *aHero; }
    const std::vector<SpaceJunk>& rockField() const { return rocks; }
    const ManageWeapon& weapons() const { return *ssw; }
    const Hud& hud() const { return headsUp; }
    const BoidFlock& flock() const { return *newBoids; }
    const Portal& gate() const { return *portal; }
    const Radar& scope() const { return *radar; }
    int spriteAngle() const { return heroSpriteAngle; }
    int waveSize() const { return waves.rockCount(); }
    // Frames a run has left (0 outside a run).
    int runFramesLeft() const;
    const ProcessState& state() const { return ps; }

  private:
    // start-up, before the window
    std::optional<int> prepare(const CommandLine& line);
    void runStartUpChecks();
    void createFlock();
    void seedLiff();
    void restoreSavedGame();
    bool loadSounds();
    void logStartValues();
    bool readCommandLine(const CommandLine& line);
    bool readDisplayFlags(const DisplayOptions& options);
    // start-up, the window and what lives in it
    std::optional<int> openPlayField();
    bool openWindow();
    void attachInput();
    bool fieldFitsDesktop();
    bool settleField();
    void sizeLiffField();
    void createRadarAndWeapons();
    void createFirstWave();
    bool openRenderer();
    void createHero();
    void createPortal();
    void createLabels();
    void loadBackdrop();
    void applySoundSettings();
    void applySettings(const PlayerSettings& chosen);
    // How the player chose to see the text and the missiles; drawing only.
    void applyLook(const PlayerSettings& chosen);
    void startRadarLoop();
    // Releases what an early exit leaves open; nothing is saved.
    int abandonStartUp(int status);
    // shut-down
    void saveRoutine();
    void closeMedia();
    void releaseRocks();

    // the frame
    void handleEvents();
    void clearScreen();
    void drawMoonAndSatellite();
    void drawSprite();
    void drawTitles();
    void drawRadar();
    void drawMissiles();
    void outlineIslands();
    void advanceMissilesAndHero();
    void adjustVisualRange();
    void fadeTitles();
    void drawPlatform();
    void drawHeroOutline();
    void updateLiff();
    void stepFlock();
    void drawAndAdvanceRocks();
    void testCollisions();
    void drawScore();
    void levelStepAndHeadsUp();
    void portalStep();
    void drawSystemMessage();
    void applyHeldKeys();
    void drawHelpAndOverlay();
    // The panels start below the host's own buttons over the field (the page's bar).
    void keepPanelsClear();
    OverlayValues overlayValues() const;
    void countFrame();
    void present();
    // After a run's last frame: the platform shows what follows it in this window.
    void showRunEnd();

    // input
    void heard(const PlayerInput& input) const;
    void act(const PlayerInput& input);
    void onKey(int key, bool down);
    void onMouseDown(const PlayerInput& button);
    void fireCommand();
    void playEffect(Mix_Chunk* chunk) const;
    void keyLiffPeriod();
    void keyCheckpoint();
    void keyDebugOverlay();
    void keyRecentre();
    void keyLiffFreeze();
    void keyMute();
    void keyHelp();
    void keyLiffRandomize();
    void keyMilkRun();
    void keyMoreRocks();
    void keyPause();
    void keyQuit();
    void keyShield();
    void keyRangeRequest();
    void keyRockReport();
    void keyPrintPoly();
    void keyTurnOutline();
    void keyRandomTable();
    void keyFire();
    void keyFireUp();
    void keyRight();
    void keyRightUp();
    void keyLeft();
    void keyLeftUp();
    void keyDown();
    void keyUp();
    void keyUpUp();

    static const KeyBinding kKeys[];

    ProcessState& ps;
    Platform platform;
    bool quit = false;
    std::optional<ArcadeRun> arcadeRun;
    std::uint32_t runFramesPlayed = 0;

    // The field's size, decided once at start: the desktop's unless a flag asks
    // otherwise. The window may be any size; the view scales the field into it.
    FieldRequest fieldRequest;
    FieldView view;
    int WINDOW_SIZE_X = -1;
    int WINDOW_SIZE_Y = -1;
    // Every turn and key 2 add to it without end; 64 bits never overflow in play, and rotate
    // gets the same float as from an int below 2^31.
    std::int64_t heroPolyAngle = 0;
    int heroSpriteAngle = 90;
    RockWaves waves;
    std::unique_ptr<RockCheck> tSJ;
    std::vector<Point> seedPattern;
    std::optional<StaticBoids> mboids;
    std::optional<BoidFlock> newBoids;
    std::optional<Radar> radar;
    std::optional<ManageWeapon> ssw;
    std::vector<SpaceJunk> rocks;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    // Where the frame draws; the objects drawing through it are declared after it.
    std::unique_ptr<DrawSurface> surface;
    std::optional<SpaceShip> aHero;
    ExitPortal exitPortal;
    std::optional<Portal> portal;
    std::pair<int, int> rndPortalIds{0, 0};
    Hud headsUp;
    Palette palette = kUsualPalette;
    TitleCards titles;
    Moon moon;
    Satellite comSat;
    LandingPlatform platformPts;
};
