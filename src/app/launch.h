// From the command line to the exit status: examines the arguments, then plays,
// records or replays. The process-wide state is built only once it is known where
// its clock and saved game come from.
#pragma once

#include <filesystem>
#include <functional>

#include "game/process_state.h"

// startedIn: the folder the player started in, when the process has moved elsewhere.
int launch(int argc, char** argv, const std::function<ProcessState&()>& buildState,
           const std::filesystem::path& startedIn = {});
