// The state digest of a running game, read through its const views.
#pragma once

#include "replay/state_digest.h"
#include "shell/game.h"

StateDigest digestGame(const Game& game);
