#include "game/game_digest.h"

#include "geometry/game_rand.h"

StateDigest digestGame(const Game& game) {
    const ProcessState& ps = game.state();
    StateView view;
    view.randState = gameRandState();
    view.frameTick = ps.frameTick;
    view.ship = &game.hero();
    view.spriteAngle = game.spriteAngle();
    view.rocks = &game.rockField();
    view.weapons = &game.weapons();
    view.score = ps.score;
    view.level = ps.level;
    view.flock = &game.flock();
    view.liff = &ps.liff;
    view.portal = &game.gate();
    return digestState(view);
}
