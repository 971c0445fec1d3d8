// The frame's inputs, and what each key does.
#include <iostream>

#include "game/game.h"
#include "weapons/fire_rule.h"

void Game::handleEvents() {
    PlayerInput input;
    while (platform.input.poll(input)) {
        heard(input);
        act(input);
    }
}

void Game::heard(const PlayerInput& input) const {
    if (platform.input.heard) {
        platform.input.heard(input);
    }
}

void Game::act(const PlayerInput& input) {
    switch (input.kind) {
    case PlayerInput::Kind::Quit:
        quit = true;
        break;
    case PlayerInput::Kind::Key:
        onKey(input.code, input.down);
        break;
    case PlayerInput::Kind::Mouse:
        if (input.down) {
            onMouseDown(input);
        } else {
            ps.input.rightMouseHeld = false;
        }
        break;
    }
}

void Game::onKey(int key, bool down) {
    for (const KeyBinding& binding : keyTable()) {
        if (binding.key != key) {
            continue;
        }
        void (Game::*action)() = down ? binding.press : binding.release;
        if (action != nullptr) {
            (this->*action)();
        }
        return;
    }
}

void Game::onMouseDown(const PlayerInput& button) {
    std::cout << "!!!!mouse button down event!!!!!" << std::flush;
    if (button.code != SDL_BUTTON_RIGHT) {
        return;
    }
    ps.input.rightMouseHeld = true;
    std::cout << "Mouse x=" << button.x << ", y=" << button.y << std::endl;
    ps.sharedPoint = ps.liff.cellAt(button.x, button.y);
    std::cout << "Liff Block " << ps.sharedPoint << std::endl;
    headsUp.showSystemMessage("lIFF BLOCK POINT: " + ps.sharedPoint.toString(), false);
}

void Game::fireCommand() {
    const float angle = missileAngle(aHero->centerPoint(), aHero->nosePoint(), heroSpriteAngle);
    const bool launched = ssw->fireMissile(aHero->getTVelocity(), aHero->nosePoint(), angle);
    playEffect(launched ? ps.sounds.shot : ps.sounds.emptyGun);
}

// The message names a different number than the one set.
void Game::keyLiffPeriod() {
    ps.liff.setPeriod(66500);
    headsUp.showSystemMessage("New Liff Cycle Period of : 6650", true);
}

void Game::keyCheckpoint() {
    saveRoutine();
    // saveAs appends to the name it is given, so each checkpoint starts afresh.
    std::string name = "checkpoint";
    ps.gameState.saveAs(name);
    headsUp.showSystemMessage("Saved game state as: " + ps.gameState.lastSaveName, false);
    std::cout << "Save checkpoint as: " << ps.gameState.lastSaveName << std::endl;
    if (platform.storage.filesWritten) {
        platform.storage.filesWritten();
    }
}

void Game::keyDebugOverlay() {
    ps.input.debugOverlay = !ps.input.debugOverlay;
}

void Game::keyRecentre() {
    aHero->recentre();
}

void Game::keyLiffFreeze() {
    headsUp.showSystemMessage("Liff Cycle Freeze == true", true);
    ps.liff.setFreeze(true);
}

void Game::keyMute() {
    ps.input.soundMuted = !ps.input.soundMuted;
    if (ps.input.soundMuted) {
        SoundEffects::haltRadarLoop();
    } else {
        ps.sounds.startRadarLoop();
    }
    platform.settings->change([this](PlayerSettings& s) { s.sound = !ps.input.soundMuted; });
}

void Game::keyHelp() {
    std::cout << "display help menu..." << std::endl;
    headsUp.toggleHelp();
}

void Game::keyLiffRandomize() {
    headsUp.showSystemMessage("New Randomized Liff...", true);
    ps.liff.randomize();
}

void Game::keyMilkRun() {
    ps.input.milkRunMode = !ps.input.milkRunMode;
    if (ps.input.milkRunMode) {
        std::cout << "starting milk_run_mode" << std::endl;
        headsUp.showSystemMessage("milk_run_mode:ON", false);
    } else {
        std::cout << "ending milk_run_mode" << std::endl;
        headsUp.showSystemMessage("milk_run_mode:OFF", false);
    }
}

void Game::keyMoreRocks() {
    waves.moreRocks(rocks);
}

void Game::keyPause() {
    ps.pauseGame = !ps.pauseGame;
}

void Game::keyQuit() {
    quit = true;
}

void Game::keyShield() {
    aHero->toggleShield();
    ps.input.shieldShown = !ps.input.shieldShown;
}

void Game::keyRangeRequest() {
    ps.input.rangeRequest = true;
}

void Game::keyRockReport() {
    std::cout << "Inside SCANCODE_W" << std::endl;
    for (SpaceJunk& rock : rocks) {
        std::cout << "##### Printing the rocks that are missing #####" << std::endl;
        std::cout << "##### Then apply fixLostRock() and print out the results #####" << std::endl;
        rock.printCords();
        std::cout << "velocity:" << rock.getSpeed() << std::endl;
        rock.fixLostRock();
        rock.printCords();
        std::cout << "velocity:" << rock.getSpeed() << std::endl;
    }
}

void Game::keyPrintPoly() {
    std::cout << "printPoly():" << std::endl;
    aHero->printPoly();
    aHero->syncToSprite();
    std::cout << "printPoly():" << std::endl;
    aHero->printPoly();
}

void Game::keyTurnOutline() {
    heroPolyAngle += 10;
    aHero->rotate(static_cast<float>(-heroPolyAngle));
    heroPolyAngle += 10;
    aHero->rotate(static_cast<float>(-heroPolyAngle));
}

void Game::keyRandomTable() {
    for (std::size_t i = 0; i < ps.randV.size() && i < 20; ++i) {
        std::cout << "randV:" << ps.randV[i] << std::endl;
    }
}

void Game::keyFire() {
    ps.input.fireHeld = true;
    fireCommand();
}

void Game::keyFireUp() {
    ps.input.fireHeld = false;
}

void Game::keyRight() {
    ps.input.turnRightHeld = true;
}

void Game::keyRightUp() {
    ps.input.turnRightHeld = false;
}

void Game::keyLeft() {
    ps.input.turnLeftHeld = true;
}

void Game::keyLeftUp() {
    ps.input.turnLeftHeld = false;
}

void Game::keyDown() {
    ps.input.rangeUp = false;
    ps.input.rangeDown = true;
}

void Game::keyUp() {
    ps.input.thrustHeld = true;
    ps.input.rangeDown = false;
    ps.input.rangeUp = true;
}

void Game::keyUpUp() {
    ps.input.thrustHeld = false;
}
