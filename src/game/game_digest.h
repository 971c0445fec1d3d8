// The state digest of a running game, read through its const views.
#pragma once

#include "game/game.h"
#include "replay/state_digest.h"

StateDigest digestGame(const Game& game);
