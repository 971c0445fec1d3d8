#include "shell/game.h"

#include <SDL_mixer.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "geometry/data_path.h"
#include "geometry/numeric.h"

namespace {
constexpr const char* kWindowTitle = "Mogu Lira: Void-Angler";

// Runs silent on SDL's dummy audio driver; the override beats SDL_AUDIODRIVER.
void forceDummyAudio() {
    std::cerr << "retrying with SDL's silent dummy audio driver" << std::endl;
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
}

int openMixer() {
    return Mix_OpenAudio(44100, AUDIO_S16LSB, 1, 1024);
}
} // namespace

Game::Game(ProcessState& state, Platform platformSeams)
    : ps(state), platform(std::move(platformSeams)) {}

int Game::run(int argc, char** argv) {
    if (std::optional<int> status = startUp(argc, argv)) {
        return *status;
    }
    while (!quit) {
        runFrame();
    }
    return shutDown();
}

std::optional<int> Game::startUp(int argc, char** argv) {
    fillRandomTable(100);
    openAudioAndVideo();
    if (!ps.sounds.loadAll()) {
        // A missing sound is a failed start, not a clean exit.
        return abandonStartUp(EXIT_FAILURE);
    }
    std::cout << "successful load of shot.wav" << std::endl;

    heroPolyAngle = 0;
    heroSpriteAngle = 90;
    rockCount = 10;
    maxRocks = 180;
    std::cout << "center=:" << ps.center << std::endl;
    std::cout << "origin=:" << ps.origin << std::endl;
    std::cout << "Q_rsqrt=" << Q_rsqrt(3.0f) << std::endl;

    if (!readCommandLine(argc, argv)) {
        return abandonStartUp(EXIT_SUCCESS);
    }
    std::cout << "loding game...\n" << std::flush;
    SDL_Init(SDL_INIT_EVERYTHING);
    if (!openWindow()) {
        return abandonStartUp(EXIT_FAILURE);
    }

    ssw.emplace(WINDOW_SIZE_X, WINDOW_SIZE_Y);
    ssw->addMaxMissiles(ps.score / 1000 * 20);
    ps.windowSize = Point(WINDOW_SIZE_X, WINDOW_SIZE_Y);
    std::cout << "WINDOW_SIZE_X:" << WINDOW_SIZE_X << std::endl;
    std::cout << "WINDOW_SIZE_Y:" << WINDOW_SIZE_Y << std::endl;

    createRocks(rocks, rockCount);
    adjustFirstRocks();

    if (!openRenderer()) {
        return abandonStartUp(EXIT_FAILURE);
    }
    createHero();
    openFont();

    if (!ps.input.soundMuted) {
        ps.sounds.startRadarLoop();
    }
    quit = false;
    return std::nullopt;
}

void Game::fillRandomTable(int n) {
    std::srand(ps.randomSeed);
    for (int i = 0; i < n; ++i) {
        ps.randV.push_back(std::rand() % 10 + 1);
        platform.sleep(50);
        // In 64 bits: rand() near RAND_MAX plus i must not overflow.
        ps.randV.push_back(static_cast<int>((static_cast<long long>(std::rand()) + i) % 15));
    }
}

void Game::openAudioAndVideo() {
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::printf("SDL could not initialize! SDL Error: %s\n", SDL_GetError());
        std::fflush(stdout);
        forceDummyAudio();
        // A failed SDL_Init also undid the video part: initialise both again.
        SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    }
    if (openMixer() < 0) {
        std::printf("SDL_mixer could not initialize! SDL_mixer Error: %s\n", SDL_GetError());
        std::fflush(stdout);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        forceDummyAudio();
        SDL_InitSubSystem(SDL_INIT_AUDIO);
        if (openMixer() < 0) {
            std::cerr << "mixer still unavailable: " << SDL_GetError() << std::endl;
        }
    }
}

bool Game::readCommandLine(int argc, char** argv) {
    bool runTests = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-test") == 0) {
            std::cout << "~#!#~...run tests...~#!#~\n" << std::flush;
            runTests = true;
        } else if (std::strcmp(argv[i], "-help") == 0) {
            std::cout << "-help show this message..\n"
                      << "-test run tests...\n"
                      << "-run_lvl=n run game at lvl n...\n"
                      << "-demo_mode run demo mode\n"
                      << std::flush;
            return false;
        }
    }
    if (runTests) {
        // The self-test set is added by the self-checks.
    }
    return true;
}

bool Game::openWindow() {
    window = platform.display.openWindow(kWindowTitle, WINDOW_SIZE_X, WINDOW_SIZE_Y);
    if (window == nullptr) {
        std::cerr << "cannot create the window: " << SDL_GetError() << std::endl;
        return false;
    }
    std::cerr << "video driver: " << SDL_GetCurrentVideoDriver() << std::endl;
    std::cout << "FullScreen Window Size X=" << WINDOW_SIZE_X << ", y=" << WINDOW_SIZE_Y
              << std::endl;
    return true;
}

bool Game::openRenderer() {
    renderer = platform.display.openRenderer(window);
    if (renderer == nullptr) {
        std::cerr << "cannot create a renderer: " << SDL_GetError() << std::endl;
        return false;
    }
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0) {
        std::cerr << "renderer: " << info.name << std::endl;
    }
    return true;
}

void Game::createHero() {
    aHero.emplace(renderer, ".\\dat\\shipThrust0.png", ps.windowSize);
    std::vector<std::string> shields;
    for (int i = 0; i <= 6; ++i) {
        shields.push_back(".\\dat\\shipShield" + std::to_string(i) + ".png");
    }
    aHero->loadShieldImages(shields);
    std::vector<std::string> thrustShields;
    for (int i = 0; i <= 2; ++i) {
        thrustShields.push_back(".\\dat\\shipThrustShield" + std::to_string(i) + ".png");
    }
    aHero->loadThrustShieldImages(thrustShields);
    aHero->addThrustImage(".\\dat\\shipThrust1.png");
    aHero->addThrustImage(".\\dat\\shipThrust2.png");
    ps.theHero = &*aHero;
}

void Game::openFont() {
    TTF_Init();
    font = TTF_OpenFont(dataPath(ps.fontPath).c_str(), 20);
    if (font == nullptr) {
        std::cout << "Failed to load font:" << SDL_GetError() << std::endl;
    }
}

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
    ps.sounds.freeAll();
    Mix_CloseAudio();
    SDL_DestroyRenderer(renderer);
    renderer = nullptr;
    SDL_DestroyWindow(window);
    window = nullptr;
    SDL_Quit();
    // Not left to process exit, so the leak check sees nothing of ours.
    if (font != nullptr) {
        TTF_CloseFont(font);
        font = nullptr;
    }
    TTF_Quit();

    std::cout << "capacity is now:" << rocks.capacity() << std::endl;
    rocks.clear();
    rocks.shrink_to_fit();
    std::cout << "after clear and shrink_to_fit, capacity is now:" << rocks.capacity() << std::endl;
    return EXIT_SUCCESS;
}

void Game::showSystemMessage(const std::string& text, bool log) {
    ps.systemMessage.visible = true;
    ps.systemMessage.countdown = 400;
    strBuffer = text;
    ps.systemMessage.text = strBuffer;
    if (log) {
        std::cout << text << std::endl;
    }
}

void Game::playEffect(Mix_Chunk* chunk) const {
    if (!ps.input.soundMuted) {
        SoundEffects::play(chunk);
    }
}
