// How the process links a recording to a game: what the recorder and the player may see of
// it, and the command line a recording gives it.
#pragma once

#include "app/played_game.h"
#include "game/command_line.h"
#include "game/game.h"
#include "replay/recording.h"

PlayedGame watchGame(const Game& game);
// The recorded flags on the recorded field, shown scaled in the viewer's window.
CommandLine recordedCommandLine(const RecordingHeader& head);
