// The one-line status message shown for 400 frames.
#pragma once

#include <string>

struct SystemMessage {
    bool visible = false;
    int countdown = 400;
    std::string text;
};
