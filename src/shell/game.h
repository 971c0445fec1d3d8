// The game: start-up, the frame and shut-down, over the process-wide state.
// The objects the entry point owns are members under their own names.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>
#include <optional>
#include <string>
#include <vector>

#include "objects/space_junk.h"
#include "objects/space_ship.h"
#include "shell/platform.h"
#include "shell/process_state.h"
#include "weapons/manage_weapon.h"

class Game {
  public:
    Game(ProcessState& state, Platform platform);

    // Start-up, the loop until quit, shut-down; returns the process's exit status.
    int run(int argc, char** argv);
    // Returns an exit status when the process must end before the loop.
    std::optional<int> startUp(int argc, char** argv);
    void runFrame();
    int shutDown();
    bool quitRequested() const { return quit; }

    // Shows the system message for the next 400 frames (and logs it when asked).
    void showSystemMessage(const std::string& text, bool log);
    // Appends n rocks to the field.
    void createRocks(std::vector<SpaceJunk>& field, int n);

    int WINDOW_SIZE_X = -1;
    int WINDOW_SIZE_Y = -1;
    int heroPolyAngle = 0;
    int heroSpriteAngle = 90;
    int rockCount = 10;
    int maxRocks = 180;
    std::optional<ManageWeapon> ssw;
    std::vector<SpaceJunk> rocks;
    std::optional<SpaceShip> aHero;
    TTF_Font* font = nullptr;
    std::string strBuffer;
    std::string str;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;

  private:
    // start-up
    void fillRandomTable(int n);
    void openAudioAndVideo();
    bool readCommandLine(int argc, char** argv);
    bool openWindow();
    bool openRenderer();
    void createHero();
    void adjustFirstRocks();
    void openFont();
    // Releases what an early exit leaves open; nothing is saved.
    int abandonStartUp(int status);

    // the frame
    void handleEvents();
    void clearScreen();
    void drawHeroOutline();
    void advanceMissilesAndHero();
    void drawAndAdvanceRocks();
    void testCollisions();
    void levelStep();
    void applyHeldKeys();
    void countFrame();
    void present();

    // input
    void onKeyDown(SDL_Scancode key);
    void onKeyUp(SDL_Scancode key);
    void onMouseDown(const SDL_MouseButtonEvent& button);
    void fireCommand();
    void playEffect(Mix_Chunk* chunk) const;
    void keyLiffPeriod();
    void keyCheckpoint();
    void keyLiffFreeze();
    void keyMute();
    void keyLiffRandomize();
    void keyMilkRun();
    void keyMoreRocks();
    void keyShield();
    void keyRockReport();
    void keyPrintPoly();
    void keyTurnOutline();
    void keyRandomTable();

    ProcessState& ps;
    Platform platform;
    bool quit = false;
};
