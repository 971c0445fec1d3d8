// The process-wide values of the game, built before the entry point runs and
// destroyed after it returns. Members are declared in their construction order.
#pragma once

#include <cstdint>
#include <vector>

#include "audio/sound_effects.h"
#include "geometry/point.h"
#include "hud/system_message.h"
#include "shell/input_flags.h"

class SpaceShip;

struct ProcessState {
    ProcessState();

    std::vector<int> randV;
    PointF center{0.0f, 0.0f};
    Point windowSize{0, 0};
    SystemMessage systemMessage;
    std::uint32_t randomSeed;
    PointF origin{0.0f, 2.0f};
    Point sharedPoint{0, 0};

    int score = 0;
    int level = 1;
    bool pauseGame = false;
    SpaceShip* theHero = nullptr;
    int frameTick = 70;
    SoundEffects sounds;
    InputFlags input;
    const char* fontPath = ".\\dat\\TOMARIDENA.ttf";
};
