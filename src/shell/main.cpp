// Entry point: the process-wide state, the game, and its exit status.
// <iostream> first: its stream set-up must run before the process-wide state,
// whose construction already logs.
#include <iostream>

#include "shell/game.h"
#include "shell/process_state.h"

namespace {
ProcessState processState;
} // namespace

int main(int argc, char** argv) {
    Game game(processState, Platform::real());
    return game.run(argc, argv);
}
