// What a run's end is shown with, in the game's window before it closes: lines of text over
// the field, one frame at a time, and the player's inputs, read as typing (letters as
// themselves, a finger's tap as a click).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/input_translator.h"

struct RunEndScreen {
    int score = 0;
    int level = 0;
    InputTranslator* input = nullptr;
    // Draws the lines (one highlighted, -1: none) as one frame, shows it and sleeps a frame.
    std::function<void(const std::vector<std::string>& lines, int highlight)> show;
    // The line drawn at height y in the field; -1 for none.
    std::function<int(int y)> lineAt;
};
