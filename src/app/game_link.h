// How the process links a recording to a game: what the recorder and the player may see of
// it, and the command line a recording gives it.
#pragma once

#include <functional>
#include <utility>

#include "app/played_game.h"
#include "game/command_line.h"
#include "game/game.h"
#include "platform/input_filter.h"
#include "replay/recording.h"

PlayedGame watchGame(const Game& game);
// The recorded flags on the recorded field, shown scaled in the viewer's window.
CommandLine recordedCommandLine(const RecordingHeader& head);

// A game tied to a recording, written (GameRecorder) or played (GamePlayback): the recording's
// clock and saved game go in before the process-wide state is built, the game runs on the
// platform the recording wraps, and the recording gives the process's status.
template <typename Recording>
int runLinked(Recording& recording, Platform platform,
              const std::function<ProcessState&()>& buildState, const CommandLine& line) {
    recording.install();
    Platform linked = recording.wrap(std::move(platform));
    if (line.run) {
        // After the player's bindings, before the game and so before the recorder.
        linked.input.poll = InputFilter(Game::runKeys()).wrap(std::move(linked.input.poll));
    }
    Game game(buildState(), std::move(linked));
    recording.attach(watchGame(game));
    return recording.finish(game.run(line));
}
