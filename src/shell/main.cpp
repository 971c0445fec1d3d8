// Entry point: the process-wide state, the game, and its exit status.
// <iostream> first: its stream set-up must run before the process-wide state,
// whose construction already logs.
#include <iostream>

#include "shell/game.h"
#include "shell/process_state.h"
#include "shell/windows_desktop.h"
#include "shell/work_folder.h"

namespace {
// Before the process-wide state, which reads "game.txt" from the working directory.
[[maybe_unused]] const bool workFolderChosen = (chooseWorkFolder(), true);
ProcessState processState;
} // namespace

int main(int argc, char** argv) {
    prepareWindowsDesktop();
    Game game(processState, Platform::real());
    return game.run(argc, argv);
}
