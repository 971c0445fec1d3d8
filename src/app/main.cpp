// Entry point: the process-wide state, the game, and its exit status.
// <iostream> first: its stream set-up must run before the process-wide state,
// whose construction already logs.
#include <iostream>

// On Windows SDL2main starts the program: this header renames main to the SDL_main it calls.
#include <SDL_main.h>

#include <cstdlib>

#include "app/launch.h"
#include "game/process_state.h"
#include "platform/closed_pipes.h"
#include "platform/windows_desktop.h"
#include "platform/work_folder.h"

namespace {
// Built once the arguments are examined (a replay supplies its clock and saved game),
// and destroyed at exit after everything built after it, as a static would be.
ProcessState* processState = nullptr;

void destroyProcessState() {
    delete processState;
    processState = nullptr;
}

ProcessState& buildProcessState() {
    processState = new ProcessState();
    std::atexit(destroyProcessState);
    return *processState;
}
} // namespace

int main(int argc, char** argv) {
    // Its notices first: choosing the folder may already need one.
    prepareWindowsDesktop();
    ignoreClosedPipes();
    // Before the process-wide state, which reads "game.txt" from the working directory.
    const std::filesystem::path startedIn = chooseWorkFolder();
    // exit, not return: in the browser a main that has slept no longer hands its value to
    // the page, and a replay out of sync would end with 0. Elsewhere the two are the same.
    std::exit(launch(argc, argv, buildProcessState, startedIn));
}
