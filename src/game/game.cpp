// Start-up, in its fixed order.
#include "game/game.h"

#include <SDL_mixer.h>

#include <cstdlib>
#include <iostream>

#include "audio/audio_device.h"
#include "game/rock_waves.h"
#include "geometry/numeric.h"
#include "geometry/player_notice.h"
#include "geometry/sdl_surface.h"
#include "portal/placement.h"
#include "selfcheck/island_checks.h"
#include "selfcheck/test_set.h"

namespace {
constexpr const char* kWindowTitle = "Mogu Lira: Void-Angler";
} // namespace

Game::Game(ProcessState& state, Platform platformSeams)
    : ps(state), platform(std::move(platformSeams)), waves(state.randV, state.windowSize),
      headsUp(state.systemMessage) {}

int Game::run(const CommandLine& line) {
    if (std::optional<int> status = startUp(line)) {
        return *status;
    }
    if (platform.storage.saveOnLeave) {
        // A closed browser page never quits: it gets the save a quit would write.
        platform.storage.saveOnLeave([this] {
            saveRoutine();
            ps.gameState.save();
        });
    }
    while (!quit) {
        runFrame();
        if (platform.frameEnded && !platform.frameEnded()) {
            quit = true;
        }
    }
    if (arcadeRun && runFramesPlayed == kRunFrames && platform.runEnded) {
        showRunEnd();
    }
    if (platform.storage.saveOnLeave) {
        platform.storage.saveOnLeave(nullptr);
    }
    return shutDown();
}

std::optional<int> Game::startUp(const CommandLine& line) {
    if (std::optional<int> status = prepare(line)) {
        return status;
    }
    return openPlayField();
}

std::optional<int> Game::prepare(const CommandLine& line) {
    runStartUpChecks();
    createFlock();
    seedLiff();
    restoreSavedGame();
    fillRandomTable(ps.randV, ps.randomSeed, 100, platform.sleep);
    openAudioAndVideo();
    if (!loadSounds()) {
        // A missing sound is a failed start, not a clean exit.
        return abandonStartUp(EXIT_FAILURE);
    }
    randintBlockCheck();
    logStartValues();
    if (!readCommandLine(line)) {
        return abandonStartUp(EXIT_SUCCESS);
    }
    if (!readDisplayFlags(line.display)) {
        return abandonStartUp(EXIT_FAILURE);
    }
    return std::nullopt;
}

std::optional<int> Game::openPlayField() {
    std::cout << "loding game...\n" << std::flush;
    SDL_Init(SDL_INIT_EVERYTHING);
    Gamepads::startSubsystem();
    if (!openWindow()) {
        return abandonStartUp(EXIT_FAILURE);
    }
    sizeLiffField();
    createRadarAndWeapons();
    createFirstWave();
    if (!openRenderer()) {
        return abandonStartUp(EXIT_FAILURE);
    }
    createHero();
    createPortal();
    createLabels();
    loadBackdrop();
    applySoundSettings();
    applyLook(platform.settings->values());
    startRadarLoop();
    quit = false;
    return std::nullopt;
}

void Game::runStartUpChecks() {
    tSJ = rockCheck();
    rectScaleCheck(*tSJ);
    islandCheck(ps.testIsland);
    islandsCheck(ps.islands, seedPattern);
    vectorCheck();
}

void Game::createFlock() {
    mboids.emplace();
    newBoids.emplace();
}

void Game::seedLiff() {
    ps.liff.setCells(seedPattern);
    std::cout << "nbrOfLiff" << ps.liff.rowCount() << std::endl;
}

// The Liff cells and freeze flag in the file are not read back: the layer always
// starts from the seed pattern, frozen.
void Game::restoreSavedGame() {
    ps.score = ps.gameState.getScore();
    ps.level = ps.gameState.getLevel();
    ps.pauseGame = ps.gameState.isPaused();
    ps.liff.setFreeze(true);
}

bool Game::loadSounds() {
    if (!ps.sounds.loadAll()) {
        return false;
    }
    std::cout << "successful load of shot.wav" << std::endl;
    return true;
}

void Game::logStartValues() {
    heroPolyAngle = 0;
    heroSpriteAngle = 90;
    waves.reset();
    std::cout << "center=:" << ps.center << std::endl;
    std::cout << "origin=:" << ps.origin << std::endl;
    std::cout << "Q_rsqrt=" << Q_rsqrt(3.0f) << std::endl;
}

bool Game::readCommandLine(const CommandLine& line) {
    arcadeRun = line.run;
    bool runTests = false;
    for (const std::string& flag : line.gameFlags) {
        if (flag == "-test") {
            std::cout << "~#!#~...run tests...~#!#~\n" << std::flush;
            runTests = true;
        } else if (flag == "-help") {
            std::cout << "-help show this message..\n"
                      << "-test run tests...\n"
                      << "-run_lvl=n run game at lvl n...\n"
                      << "-demo_mode run demo mode\n"
                      << std::flush;
            std::cerr << line.helpExtras << std::flush;
            return false;
        }
    }
    if (runTests) {
        runTestSet();
    }
    return true;
}

// Acts once every argument has been examined; a bad value ends the start with one line.
bool Game::readDisplayFlags(const DisplayOptions& options) {
    if (!options.error.empty()) {
        std::cerr << "void-angler: " << options.error << std::endl;
        return false;
    }
    fieldRequest = options.field;
    return true;
}

bool Game::openWindow() {
    if (fieldRequest.kind == FieldRequest::Kind::Window) {
        WINDOW_SIZE_X = fieldRequest.width;
        WINDOW_SIZE_Y = fieldRequest.height;
    }
    if (!fieldFitsDesktop()) {
        return false;
    }
    window = platform.display.openWindow(kWindowTitle, WINDOW_SIZE_X, WINDOW_SIZE_Y);
    if (window == nullptr) {
        tellPlayer(std::string("cannot create the window: ") + SDL_GetError());
        return false;
    }
    if (!settleField()) {
        return false;
    }
    std::cerr << "video driver: " << SDL_GetCurrentVideoDriver() << std::endl;
    std::cout << "FullScreen Window Size X=" << WINDOW_SIZE_X << ", y=" << WINDOW_SIZE_Y
              << std::endl;
    return true;
}

// A field too small for this screen is refused before any window shows.
bool Game::fieldFitsDesktop() {
    int width = 0;
    int height = 0;
    if (fieldRequest.kind != FieldRequest::Kind::Scale || !platform.display.desktopSize ||
        !platform.display.desktopSize(width, height)) {
        return true;
    }
    const FieldChoice field = decideField(fieldRequest, width, height);
    if (!field.error.empty()) {
        std::cerr << "void-angler: " << field.error << std::endl;
    }
    return field.error.empty();
}

// From here on the window sizes in the log and the game are the field's.
bool Game::settleField() {
    const FieldChoice field = decideField(fieldRequest, WINDOW_SIZE_X, WINDOW_SIZE_Y);
    if (!field.error.empty()) {
        std::cerr << "void-angler: " << field.error << std::endl;
        return false;
    }
    WINDOW_SIZE_X = field.width;
    WINDOW_SIZE_Y = field.height;
    return true;
}

// The right-most 135 pixels are left out of the Liff field.
void Game::sizeLiffField() {
    ps.liff.setFieldSize(Point(WINDOW_SIZE_X - 135, WINDOW_SIZE_Y));
    std::cout << "lfbs offset=" << ps.liff.getOffsets() << std::endl;
    ps.islands.setCellSize(ps.liff.getOffsets());
}

void Game::createRadarAndWeapons() {
    radar.emplace(Point(WINDOW_SIZE_X, WINDOW_SIZE_Y));
    ssw.emplace(WINDOW_SIZE_X, WINDOW_SIZE_Y);
    ssw->addMaxMissiles(ps.score / 1000 * 20);
    ps.windowSize = Point(WINDOW_SIZE_X, WINDOW_SIZE_Y);
    std::cout << "WINDOW_SIZE_X:" << WINDOW_SIZE_X << std::endl;
    std::cout << "WINDOW_SIZE_Y:" << WINDOW_SIZE_Y << std::endl;
}

void Game::createFirstWave() {
    createRocks(rocks, waves.rockCount(), ps.randV, ps.windowSize);
    diceCheck();
    adjustFirstRocks(rocks);
}

bool Game::openRenderer() {
    renderer = platform.display.openRenderer(window);
    if (renderer == nullptr) {
        std::cerr << "cannot create a renderer: " << SDL_GetError() << std::endl;
        return false;
    }
    surface = platform.display.openSurface ? platform.display.openSurface(renderer)
                                           : std::make_unique<SdlSurface>(renderer);
    view.open(*surface, WINDOW_SIZE_X, WINDOW_SIZE_Y);
    attachInput();
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0) {
        std::cerr << "renderer: " << info.name << std::endl;
    }
    return true;
}

// The window's keys and the fingers need the window and its field. The help panel's lines
// after its title are the key table's rows, in order.
void Game::attachInput() {
    platform.input.events->keepSettings(platform.settings);
    platform.input.events->bindRows(inputRows());
    platform.input.events->setSettingsLineAt([this](int x, int y) {
        const SDL_Rect box = headsUp.settingsPanel().shownBox();
        return x >= box.x && x < box.x + box.w ? headsUp.settingsPanel().lineAt(y) : -1;
    });
    platform.settings->applied = [this](const PlayerSettings& chosen) { applySettings(chosen); };
    platform.input.events->attach(window, WINDOW_SIZE_X, WINDOW_SIZE_Y);
    platform.input.events->setPanel({[this] { return headsUp.helpPanel().shownBox(); },
                                     [this](int y) {
                                         const int line = headsUp.helpPanel().lineAt(y);
                                         const std::span<const KeyBinding> keys = keyTable();
                                         return line >= 1 && line <= static_cast<int>(keys.size())
                                                    ? keys[static_cast<std::size_t>(line - 1)].key
                                                    : SDL_SCANCODE_UNKNOWN;
                                     }});
}

void Game::createHero() {
    aHero.emplace(*surface, ".\\dat\\shipThrust0.png", ps.windowSize);
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

void Game::createPortal() {
    std::vector<std::string> pathImages;
    for (int i = 0; i < 90; ++i) {
        pathImages.push_back(".\\dat\\portal_layers\\RGB\\" + std::to_string(i) + ".png");
    }
    exitPortal = ExitPortal{};
    portal.emplace(*surface, pathImages, Point(200, 400));
    rndPortalIds = {0, 0};
    placePortal(*portal, ps.islands, rndPortalIds);
}

void Game::createLabels() {
    headsUp.openFont(ps.fontPath);
    headsUp.createLabels(*surface, ps.windowSize, ps.score, static_cast<int>(rocks.size()),
                         ssw->getNumMissiles());
}

void Game::loadBackdrop() {
    titles.load(renderer, WINDOW_SIZE_X, WINDOW_SIZE_Y);
    moon.load(renderer);
    comSat.load(renderer);
    platformPts = LandingPlatform{};
}

// Only a player's own choice changes the mixer: with none, the sound is as it always was.
void Game::applySoundSettings() {
    const PlayerSettings& chosen = platform.settings->values();
    ps.input.soundMuted = ps.input.soundMuted || !chosen.sound;
    if (chosen.volume != PlayerSettings{}.volume) {
        SoundEffects::setVolume(chosen.volume);
    }
}

// A change made in the settings panel, heard at once.
void Game::applySettings(const PlayerSettings& chosen) {
    applyLook(chosen);
    SoundEffects::setVolume(chosen.volume);
    if (ps.input.soundMuted == chosen.sound) {
        keyMute();
    }
}

void Game::applyLook(const PlayerSettings& chosen) {
    palette = chosen.clearColours ? kClearPalette : kUsualPalette;
    headsUp.setLook(palette, chosen.largeText);
}

void Game::startRadarLoop() {
    if (!ps.input.soundMuted) {
        ps.sounds.startRadarLoop();
    }
}

void Game::playEffect(Mix_Chunk* chunk) const {
    if (!ps.input.soundMuted) {
        SoundEffects::play(chunk);
    }
}
