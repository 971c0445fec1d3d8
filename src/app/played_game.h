// All that recording and playback see of the game besides its inputs and clock: its state
// digest after a frame, and whether it has quit. The process hands these over.
#pragma once

#include <functional>

#include "replay/state_digest.h"

struct PlayedGame {
    std::function<StateDigest()> digest;
    std::function<bool()> quitRequested;
};
