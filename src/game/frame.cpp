// One frame of the game. The order of the steps decides what is drawn over
// what and which draw colour each outline gets, so it lives only here.
#include <cmath>

#include "game/game.h"
#include "geometry/numeric.h"
#include "geometry/outline_batch.h"
#include "portal/placement.h"
#include "weapons/collisions.h"

void Game::runFrame() {
    handleEvents();
    clearScreen();
    drawMoonAndSatellite();
    drawSprite();
    drawTitles();
    drawRadar();
    drawMissiles();
    // The island rectangles, the platform and the ship outline share this colour.
    surface->setColour(168, 198, 78, 0);
    outlineIslands();
    advanceMissilesAndHero();
    adjustVisualRange();
    fadeTitles();
    drawPlatform();
    drawHeroOutline();
    updateLiff();
    stepFlock();
    drawAndAdvanceRocks();
    testCollisions();
    drawScore();
    levelStepAndHeadsUp();
    portalStep();
    drawSystemMessage();
    applyHeldKeys();
    drawHelpAndOverlay();
    countFrame();
    present();
}

void Game::clearScreen() {
    const SDL_Color c = ps.colours.currentColour();
    surface->setColour(c.r, c.g, c.b, 255);
    ps.colours.step();
    aHero->setRenderTarget(*surface);
    view.beginFrame();
    surface->clear();
}

void Game::drawMoonAndSatellite() {
    moon.draw(*surface, ps.moonRect);
    comSat.draw(*surface);
    comSat.advance();
}

void Game::drawSprite() {
    aHero->drawSprite(static_cast<float>(heroSpriteAngle));
}

void Game::drawTitles() {
    titles.draw(*surface);
}

// Shows the blips given during the previous frame.
void Game::drawRadar() {
    radar->drawRadar(*surface);
}

void Game::drawMissiles() {
    if (!ps.pauseGame) {
        ssw->drawMissiles(*surface, palette.missile);
    }
}

// The island under the ship, and every island while the right button is held.
void Game::outlineIslands() {
    OutlineBatch outlines(*surface);
    const int under = ps.islands.islandTouching(aHero->boundingRect());
    if (under >= 0) {
        outlines.add(ps.islands.pixelRectOf(under));
    }
    for (int i = 0; ps.input.rightMouseHeld && i < ps.islands.count(); ++i) {
        outlines.add(ps.islands.pixelRectOf(i));
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
    radar->setHeroPos(ps.sharedPoint);
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

void Game::fadeTitles() {
    if (ps.frameTick % 20 == 0 && !ps.pauseGame) {
        titles.fadeStep(ps.titleAlpha);
    }
}

void Game::drawPlatform() {
    platformPts.wobble();
    platformPts.draw(*surface);
}

void Game::drawHeroOutline() {
    OutlineBatch(*surface).add(aHero->outlinePoints(), SpaceShip::kShipPoints);
}

void Game::updateLiff() {
    ps.liff.updateAndDraw(*surface);
}

// Every other frame; the flock leaves red set, so the rocks after it are outlined in red.
void Game::stepFlock() {
    if (ps.frameTick % 2 == 0) {
        newBoids->drawBoids(*surface);
    }
}

void Game::drawAndAdvanceRocks() {
    OutlineBatch outlines(*surface);
    for (SpaceJunk& rock : rocks) {
        const SDL_Point* outline = rock.outlinePoints();
        outlines.add(outline, rock.rockPointCount);
        if (!ps.pauseGame) {
            const Point first(outline[0].x, outline[0].y);
            rock.updateRock();
            radar->addBlip(first);
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

void Game::levelStepAndHeadsUp() {
    waves.levelStep(rocks, ps.level, ps.input.milkRunMode);
    headsUp.refresh(ps.level, static_cast<int>(rocks.size()),
                    ssw->getMaxMissiles() - ssw->getNumMissiles());
    if (arcadeRun) {
        headsUp.drawTimeLeft(runFramesLeft());
    }
}

int Game::runFramesLeft() const {
    return arcadeRun ? static_cast<int>(kRunFrames - runFramesPlayed) : 0;
}

// A showing that has ended moves the portal to another pair of islands first.
void Game::portalStep() {
    if (portal->isOpen() == 0) {
        placePortal(*portal, ps.islands, rndPortalIds);
        portal->reopen();
        portal->drawPortal();
        portal->updatePortal();
        return;
    }
    portal->drawPortal();
    if (portal->heroEnters(aHero->boundingRect(), exitPortal)) {
        aHero->teleport(exitPortal.x, exitPortal.y);
    }
    portal->updatePortal();
}

void Game::drawSystemMessage() {
    headsUp.drawSystemMessage();
}

void Game::applyHeldKeys() {
    if (ps.input.fireHeld) {
        fireCommand();
    }
    if (ps.input.thrustHeld) {
        aHero->thrust(0.1f);
        playEffect(ps.sounds.thrust);
    }
    if (ps.input.turnLeftHeld) {
        aHero->turnLeft(heroPolyAngle, heroSpriteAngle);
    }
    if (ps.input.turnRightHeld) {
        aHero->turnRight(heroPolyAngle, heroSpriteAngle);
    }
}

// The help panel comes just before the overlay; neither changes the draw colour.
void Game::drawHelpAndOverlay() {
    // The settings panel, while open, stands in for the help.
    const InputTranslator& events = *platform.input.events;
    const SettingsPanel* settings = events.settingsPanel();
    const std::optional<PadFamily> pad = events.padFamily();
    keepPanelsClear();
    if (settings != nullptr && settings->isOpen()) {
        headsUp.drawSettings(settings->lines(pad, events.touchedLast()), settings->chosenLine());
    } else if (pad && headsUp.helpShown()) {
        headsUp.drawHelp(padHelpLines(*pad), events.helpHighlight());
    } else {
        headsUp.drawHelp(arcadeRun ? runHelpLines() : helpLines());
    }
    if (ps.input.debugOverlay) {
        headsUp.drawOverlay(overlayValues());
    }
}

void Game::keepPanelsClear() {
    const TouchControls* touch = platform.input.events->touch();
    headsUp.keepPanelsBelow(touch != nullptr ? touch->clearBelow() : 0);
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
    // A run ends by itself with its last frame, as if Q had been pressed.
    if (arcadeRun && ++runFramesPlayed == kRunFrames) {
        quit = true;
    }
}

void Game::present() {
    view.present(platform.input.events->touch());
    platform.sleep(14);
}
