// All that recording and playback see of the game besides its inputs and clock: its state
// digest after a frame, whether it has quit, and the field it plays on. The process hands
// these over.
#pragma once

#include <functional>
#include <utility>

#include "replay/state_digest.h"

struct PlayedGame {
    std::function<StateDigest()> digest;
    std::function<bool()> quitRequested;
    // Width and height, known once the window is open.
    std::function<std::pair<int, int>()> field;
};
