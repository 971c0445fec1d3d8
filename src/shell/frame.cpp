// One frame of the game. The order of the steps decides what is drawn over
// what and which draw colour each outline gets, so it lives only here.
#include <cmath>

#include "geometry/numeric.h"
#include "shell/game.h"
#include "weapons/collisions.h"

void Game::runFrame() {
    handleEvents();
    clearScreen();
    drawSprite();
    drawMissiles();
    // The platform, the island rectangles and the ship outline share this colour.
    SDL_SetRenderDrawColor(renderer, 168, 198, 78, 0);
    advanceMissilesAndHero();
    drawHeroOutline();
    drawAndAdvanceRocks();
    testCollisions();
    levelStep();
    autoFire();
    thrust();
    turn();
    countFrame();
    present();
}

void Game::clearScreen() {
    // Until the backdrop's colour cycle exists the field is cleared to black.
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    aHero->setRenderTarget(renderer);
    SDL_RenderClear(renderer);
}

void Game::drawSprite() {
    aHero->drawSprite(static_cast<float>(heroSpriteAngle));
}

void Game::drawMissiles() {
    if (!ps.pauseGame) {
        ssw->drawMissiles(renderer);
    }
}

void Game::advanceMissilesAndHero() {
    if (ps.pauseGame) {
        return;
    }
    ssw->updateMissiles();
    aHero->updateShip();
    PointF rear = aHero->centerPoint();
    ps.sharedPoint =
        Point(static_cast<int>(std::roundf(rear.x)), static_cast<int>(std::roundf(rear.y)));
}

void Game::drawHeroOutline() {
    SDL_RenderDrawLines(renderer, aHero->outlinePoints(), SpaceShip::kShipPoints);
}

void Game::drawAndAdvanceRocks() {
    for (SpaceJunk& rock : rocks) {
        SDL_RenderDrawLines(renderer, rock.outlinePoints(), rock.rockPointCount);
        if (!ps.pauseGame) {
            rock.updateRock();
        }
    }
}

void Game::testCollisions() {
    collideWithRocks(rocks, *aHero, *ssw, [this] {
        saturatingIncrement(ps.score);
        headsUp.setScore(ps.score);
        playEffect(ps.sounds.blast);
    });
}

void Game::levelStep() {
    waves.levelStep(rocks, ps.level, ps.input.milkRunMode);
}

void Game::autoFire() {
    if (ps.input.fireHeld) {
        fireCommand();
    }
}

void Game::thrust() {
    if (ps.input.thrustHeld) {
        aHero->thrust(0.1f);
        playEffect(ps.sounds.thrust);
    }
}

void Game::turn() {
    if (ps.input.turnLeftHeld) {
        aHero->turnLeft(heroPolyAngle, heroSpriteAngle);
    }
    if (ps.input.turnRightHeld) {
        aHero->turnRight(heroPolyAngle, heroSpriteAngle);
    }
}

void Game::countFrame() {
    if (ps.frameTick >= 0) {
        --ps.frameTick;
    } else {
        ps.frameTick = 70;
    }
}

void Game::present() {
    SDL_RenderPresent(renderer);
    platform.sleep(14);
}
