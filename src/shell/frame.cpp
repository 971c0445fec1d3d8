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
    adjustVisualRange();
    drawHeroOutline();
    stepFlock();
    drawAndAdvanceRocks();
    testCollisions();
    drawScore();
    levelStep();
    refreshHeadsUp();
    drawSystemMessage();
    autoFire();
    thrust();
    turn();
    drawHelpAndOverlay();
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

void Game::adjustVisualRange() {
    InputFlags& in = ps.input;
    if (in.rangeRequest && in.rangeUp) {
        newBoids->growVisualRange(1);
        in.rangeRequest = false;
        in.rangeUp = false;
    }
    if (in.rangeRequest && in.rangeDown) {
        newBoids->shrinkVisualRange(1);
        in.rangeRequest = false;
        in.rangeDown = false;
    }
}

void Game::drawHeroOutline() {
    SDL_RenderDrawLines(renderer, aHero->outlinePoints(), SpaceShip::kShipPoints);
}

// Every other frame; the flock leaves red set, so the rocks after it are outlined in red.
void Game::stepFlock() {
    if (ps.frameTick % 2 == 0) {
        newBoids->drawBoids(renderer);
    }
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

void Game::drawScore() {
    headsUp.drawScore();
}

void Game::levelStep() {
    waves.levelStep(rocks, ps.level, ps.input.milkRunMode);
}

void Game::refreshHeadsUp() {
    headsUp.refresh(ps.level, static_cast<int>(rocks.size()),
                    ssw->getMaxMissiles() - ssw->getNumMissiles());
}

void Game::drawSystemMessage() {
    headsUp.drawSystemMessage();
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

// The help panel comes just before the overlay; neither changes the draw colour.
void Game::drawHelpAndOverlay() {
    headsUp.drawHelp(helpLines());
    if (ps.input.debugOverlay) {
        headsUp.drawOverlay(overlayValues());
    }
}

OverlayValues Game::overlayValues() const {
    OverlayValues v;
    const Boid& first = mboids->getBoid(0);
    v.staticBoid = {first.x, first.y, first.vx, first.vy};
    v.visualRange = newBoids->getVisualRange();
    for (int i = 0; i < 5; ++i) {
        const Boid& b = newBoids->getBoid(i);
        v.boids[static_cast<std::size_t>(i)] = {b.x, b.y, b.vx, b.vy};
    }
    v.heroX = aHero->x_c;
    v.heroY = aHero->y_c;
    v.velocityX = aHero->getTVelocity().x;
    v.velocityY = aHero->getTVelocity().y;
    v.momentum = aHero->getMomentumMag();
    return v;
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
