// Events and keys: one handler per key where the action is more than a line.
#include <iostream>

#include "geometry/angles.h"
#include "shell/game.h"

void Game::handleEvents() {
    SDL_Event event;
    while (SDL_PollEvent(&event) != 0) {
        switch (event.type) {
        case SDL_QUIT:
            quit = true;
            break;
        case SDL_KEYDOWN:
            onKeyDown(event.key.keysym.scancode);
            break;
        case SDL_KEYUP:
            onKeyUp(event.key.keysym.scancode);
            break;
        case SDL_MOUSEBUTTONDOWN:
            onMouseDown(event.button);
            break;
        case SDL_MOUSEBUTTONUP:
            ps.input.rightMouseHeld = false;
            break;
        default:
            break;
        }
    }
}

void Game::onKeyDown(SDL_Scancode key) {
    InputFlags& in = ps.input;
    switch (key) {
    case SDL_SCANCODE_A:
        keyLiffPeriod();
        break;
    case SDL_SCANCODE_C:
        keyCheckpoint();
        break;
    case SDL_SCANCODE_D:
        in.debugOverlay = !in.debugOverlay;
        break;
    case SDL_SCANCODE_E:
        aHero->recentre();
        break;
    case SDL_SCANCODE_F:
        keyLiffFreeze();
        break;
    case SDL_SCANCODE_G:
        keyMute();
        break;
    case SDL_SCANCODE_H:
        std::cout << "display help menu..." << std::endl;
        break;
    case SDL_SCANCODE_L:
        keyLiffRandomize();
        break;
    case SDL_SCANCODE_M:
        keyMilkRun();
        break;
    case SDL_SCANCODE_N:
        keyMoreRocks();
        break;
    case SDL_SCANCODE_P:
        ps.pauseGame = !ps.pauseGame;
        break;
    case SDL_SCANCODE_Q:
        quit = true;
        break;
    case SDL_SCANCODE_S:
        keyShield();
        break;
    case SDL_SCANCODE_V:
        in.rangeRequest = true;
        break;
    case SDL_SCANCODE_W:
        keyRockReport();
        break;
    case SDL_SCANCODE_1:
        keyPrintPoly();
        break;
    case SDL_SCANCODE_2:
        keyTurnOutline();
        break;
    case SDL_SCANCODE_3:
        keyRandomTable();
        break;
    case SDL_SCANCODE_SPACE:
        in.fireHeld = true;
        fireCommand();
        break;
    case SDL_SCANCODE_RIGHT:
        in.turnRightHeld = true;
        break;
    case SDL_SCANCODE_LEFT:
        in.turnLeftHeld = true;
        break;
    case SDL_SCANCODE_DOWN:
        in.rangeUp = false;
        in.rangeDown = true;
        break;
    case SDL_SCANCODE_UP:
        in.thrustHeld = true;
        in.rangeDown = false;
        in.rangeUp = true;
        break;
    default:
        break;
    }
}

void Game::onKeyUp(SDL_Scancode key) {
    switch (key) {
    case SDL_SCANCODE_SPACE:
        ps.input.fireHeld = false;
        break;
    case SDL_SCANCODE_RIGHT:
        ps.input.turnRightHeld = false;
        break;
    case SDL_SCANCODE_LEFT:
        ps.input.turnLeftHeld = false;
        break;
    case SDL_SCANCODE_UP:
        ps.input.thrustHeld = false;
        break;
    default:
        break;
    }
}

void Game::onMouseDown(const SDL_MouseButtonEvent& button) {
    std::cout << "!!!!mouse button down event!!!!!" << std::flush;
    if (button.button != SDL_BUTTON_RIGHT) {
        return;
    }
    ps.input.rightMouseHeld = true;
    std::cout << "Mouse x=" << button.x << ", y=" << button.y << std::endl;
    // The Liff cell under the pointer is picked by the Liff layer.
}

void Game::fireCommand() {
    float heading = getDirection(aHero->centerPoint(), aHero->nosePoint());
    int g = heroSpriteAngle % 360;
    if (g == 0 || g == 180 || g == -180) {
        heading += 20;
    } else if (g == 90 || g == 270 || g == -90 || g == -270) {
        heading -= 20;
    }
    bool launched = ssw->fireMissile(aHero->getTVelocity(), aHero->nosePoint(), heading + 90);
    playEffect(launched ? ps.sounds.shot : ps.sounds.emptyGun);
}

void Game::keyLiffPeriod() {
    // Sets the Liff cycle period; arrives with the Liff layer.
}

void Game::keyCheckpoint() {
    // Saves a checkpoint; arrives with the game-state file.
}

void Game::keyLiffFreeze() {
    // Freezes the Liff cycle; arrives with the Liff layer.
}

void Game::keyLiffRandomize() {
    // Randomizes the Liff layer; arrives with it.
}

void Game::keyMute() {
    ps.input.soundMuted = !ps.input.soundMuted;
    if (ps.input.soundMuted) {
        SoundEffects::haltRadarLoop();
    } else {
        ps.sounds.startRadarLoop();
    }
}

void Game::keyMilkRun() {
    ps.input.milkRunMode = !ps.input.milkRunMode;
    if (ps.input.milkRunMode) {
        std::cout << "starting milk_run_mode" << std::endl;
        showSystemMessage("milk_run_mode:ON", false);
    } else {
        std::cout << "ending milk_run_mode" << std::endl;
        showSystemMessage("milk_run_mode:OFF", false);
    }
}

void Game::keyMoreRocks() {
    std::cout << "##### Create new rocks pluss 10 ####" << std::endl;
    rockCount += 10;
    createRocks(rocks, rockCount);
}

void Game::keyShield() {
    aHero->toggleShield();
    ps.input.shieldShown = !ps.input.shieldShown;
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
