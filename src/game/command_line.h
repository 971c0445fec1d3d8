// The command line as the process read it, once: what the game's own start-up step reads.
#pragma once

#include <string>
#include <vector>

#include <optional>

#include "platform/display_options.h"
#include "replay/arcade_run.h"

struct CommandLine {
    // The game's own flags (-help, -test, -run_lvl=n, -demo_mode) in the order given.
    std::vector<std::string> gameFlags;
    // What -window and -scale ask for, or why they cannot be used.
    DisplayOptions display;
    // A run: fresh, on its fixed field, ending by itself after kRunFrames frames.
    std::optional<ArcadeRun> run;
    // Printed to standard error after the game's own help: our own flags and the version.
    std::string helpExtras;
};
