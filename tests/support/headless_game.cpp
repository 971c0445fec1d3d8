#include "support/headless_game.h"

#include <fstream>

#include "geometry/calendar_clock.h"
#include "persist/safe_file.h"

void HeadlessGame::pushKey(Uint32 type, SDL_Scancode key, bool repeat) {
    const Uint8 state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    SDL_Event e{
        .key = {type, 0, 0, state, Uint8(repeat), 0, 0, {key, SDL_GetKeyFromScancode(key), 0, 0}}};
    SDL_PushEvent(&e);
}

void HeadlessGame::pushMouse(Uint32 type, Uint8 button, int x, int y) {
    const Uint8 state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    SDL_Event e{.button = {type, 0, 0, 0, button, state, 1, 0, x, y}};
    SDL_PushEvent(&e);
}

SDL_Joystick* HeadlessGame::plugPad(Uint16 vendor, Uint16 product) {
    SDL_VirtualJoystickDesc desc{};
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.vendor_id = vendor;
    desc.product_id = product;
    return SDL_JoystickOpen(SDL_JoystickAttachVirtualEx(&desc));
}

HeadlessGame::HeadlessGame(int width, int height, const std::string& gameTxt,
                           const std::optional<std::string>& settingsTxt)
    : headless(width, height) {
    setCalendarClock([] { return kPinnedSecond; });
    if (!gameTxt.empty()) {
        std::ofstream(workDir.path() / "game.txt") << gameTxt;
    }
    if (settingsTxt) {
        std::ofstream(workDir.path() / "settings.txt", std::ios::binary) << *settingsTxt;
        settings =
            std::make_shared<SettingsKeeper>(workDir.path() / "settings.txt", writeFileSafely);
    }
    state = std::make_unique<ProcessState>();
    state->randomSeed = 1; // not the pinned second: the random table must come from its own seed
    makeGame();
}

void HeadlessGame::makeGame() {
    Platform platform = platformOn(display, [this](Uint32 ms) { sleptMs += ms; });
    platform.settings = settings;
    platform.input.heard = [this](const PlayerInput& in) { heard.push_back(in); };
    events = platform.input.events;
    game = std::make_unique<Game>(*state, std::move(platform));
}

// Member by member: mingw's GCC 12 warns falsely (maybe-uninitialized) on the aggregate.
Platform HeadlessGame::platformOn(const Display& display, std::function<void(Uint32)> sleep) {
    Platform platform;
    platform.sleep = std::move(sleep);
    platform.display = display;
    return platform;
}

HeadlessGame::~HeadlessGame() {
    exitProcess();
    setCalendarClock({});
}

// The command line as the process reads it: display flags to the display, the rest in order.
CommandLine HeadlessGame::commandLine(const std::vector<std::string>& args) {
    CommandLine line;
    std::vector<std::string> display;
    for (const std::string& a : args) {
        (a.starts_with("-window=") || a.starts_with("-scale=") ? display : line.gameFlags)
            .push_back(a);
    }
    line.display = readDisplayOptions(display);
    return line;
}

std::optional<int> HeadlessGame::start(std::vector<std::string> args) {
    std::optional<int> status = game->startUp(commandLine(args));
    started = !status.has_value();
    return status;
}

void HeadlessGame::exitProcess() {
    if (started && !stopped) {
        stop();
    }
    game.reset();
    state.reset();
}

int HeadlessGame::stop() {
    stopped = true;
    return game->shutDown();
}

bool HeadlessGame::playing(Mix_Chunk* chunk) const {
    for (int ch = 0; ch < Mix_AllocateChannels(-1); ++ch) {
        if (Mix_Playing(ch) != 0 && Mix_GetChunk(ch) == chunk) {
            return true;
        }
    }
    return false;
}
