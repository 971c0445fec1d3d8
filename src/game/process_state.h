// The process-wide values of the game, built before the entry point runs and
// destroyed after it returns. Members are declared in their construction order.
#pragma once

#include <SDL_rect.h>

#include <cstdint>
#include <vector>

#include "audio/sound_effects.h"
#include "backdrop/colour_cycler.h"
#include "backdrop/moon.h"
#include "backdrop/title_cards.h"
#include "game/input_flags.h"
#include "geometry/point.h"
#include "hud/system_message.h"
#include "life/island.h"
#include "life/islands.h"
#include "life/liff_blocks.h"
#include "persist/game_state.h"

class SpaceShip;

struct ProcessState {
    ProcessState();

    std::vector<int> randV;
    Island testIsland{Point(5, 5)};
    Islands islands;
    PointF center{0.0f, 0.0f};
    Point windowSize{0, 0};
    SystemMessage systemMessage;
    std::uint32_t randomSeed;
    // Reads "game.txt" now; writes it at process exit once the save routine filled it.
    GameState gameState;
    LiffBlocks liff;
    PointF origin{0.0f, 2.0f};
    // The last Liff cell picked with the mouse, and each unpaused frame the ship's position.
    Point sharedPoint{0, 0};

    int score = 0;
    int level = 1;
    bool pauseGame = false;
    SpaceShip* theHero = nullptr;
    int frameTick = 70;
    ColourCycler colours;
    int titleAlpha = kTitleFadeStart;
    SDL_Rect moonRect = kMoonRect;
    SoundEffects sounds;
    InputFlags input;
    const char* fontPath = ".\\dat\\TOMARIDENA.ttf";
};
