// Shut-down, in its fixed order.
#include <SDL_mixer.h>

#include <cstdlib>
#include <iostream>

#include "game/game.h"

int Game::abandonStartUp(int status) {
    ps.sounds.freeAll();
    Mix_CloseAudio();
    if (window != nullptr) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
    SDL_Quit();
    return status;
}

int Game::shutDown() {
    saveRoutine();
    platform.settings->save();
    ps.sounds.freeAll();
    Mix_CloseAudio();
    headsUp.deleteScoreLabel();
    closeMedia();
    releaseRocks();
    ps.theHero = nullptr;
    return EXIT_SUCCESS;
}

// Fills the store; the checkpoint key writes it, process exit writes "game.txt".
void Game::saveRoutine() {
    ps.gameState.fill(ps.liff.getLivePoints(), ps.score, ps.level, ps.liff.isFrozen(),
                      ps.pauseGame);
}

void Game::closeMedia() {
    titles.destroy();
    view.close();
    SDL_DestroyRenderer(renderer);
    renderer = nullptr;
    SDL_DestroyWindow(window);
    window = nullptr;
    platform.input.events->closePads();
    SDL_Quit();
    // Not left to process exit, so the leak check sees nothing of ours.
    headsUp.closeFont();
}

void Game::releaseRocks() {
    std::cout << "capacity is now:" << rocks.capacity() << std::endl;
    rocks.clear();
    rocks.shrink_to_fit();
    std::cout << "after clear and shrink_to_fit, capacity is now:" << rocks.capacity() << std::endl;
}
