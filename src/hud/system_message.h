// The one-line status message: shown for 400 frames after each change.
#pragma once

#include <string>

struct SystemMessage {
    static constexpr int kFrames = 400;

    bool visible = false;
    int countdown = kFrames;
    std::string text;
};
