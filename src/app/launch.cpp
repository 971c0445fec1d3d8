#include "app/launch.h"

#include <cstdlib>
#include <iostream>

#include "app/arguments.h"
#include "app/game_link.h"
#include "app/game_playback.h"
#include "app/game_recorder.h"
#include "game/game.h"
#include "geometry/utf8_path.h"
#include "persist/safe_file.h"
#include "platform/headless_screen.h"
#include "platform/settings_folder.h"

namespace {

constexpr int kBadArguments = 2;

Platform realPlatform() {
    return Platform::real(Game::helpLines());
}

// The player's settings, from -settings=FILE or the settings folder; none where there is no
// folder. A replay reads none: it plays what was recorded.
Platform playersPlatform(const Arguments& args) {
    Platform platform = realPlatform();
    std::optional<std::filesystem::path> file = fromUtf8(args.settings);
    if (args.settings.empty()) {
        file = settingsFolder();
        if (file) {
            *file /= "settings.txt";
        }
    }
    if (!file) {
        return platform;
    }
    platform.settings = std::make_shared<SettingsKeeper>(
        *file, [](const std::string& path, const std::string& text) {
            return writeFileSafely(path, text) != Written::Failed;
        });
    platform.settings->written = platform.storage.filesWritten;
    if (args.game.display.field.kind != FieldRequest::Kind::Desktop) {
        platform.settings->displayFromFlags();
    }
    return platform;
}

int play(ProcessState& state, const Arguments& args) {
    Game game(state, playersPlatform(args));
    return game.run(args.game);
}

int record(const Arguments& args, const std::function<ProcessState&()>& buildState) {
    GameRecorder recorder(args.record, args.game.gameFlags);
    if (const std::string refusal = recorder.start(); !refusal.empty()) {
        std::cerr << "cannot write the recording " << args.record << ": " << refusal << std::endl;
        return EXIT_FAILURE;
    }
    return runLinked(recorder, playersPlatform(args), buildState, args.game);
}

int replay(const std::string& path, PlaybackMode mode,
           const std::function<ProcessState&()>& buildState) {
    GamePlayback playback(path, mode);
    if (std::optional<int> status = playback.open()) {
        return *status;
    }
    std::optional<HeadlessScreen> headless;
    Platform platform;
    if (mode == PlaybackMode::Verify) {
        // No display and no sound card needed: the pictures load, nothing is drawn.
        HeadlessScreen::chooseDummyDrivers();
        platform =
            headless.emplace(playback.header().width, playback.header().height, false).platform();
    } else {
        platform = realPlatform();
    }
    if (mode == PlaybackMode::Timedemo) {
        // As fast as the machine goes; the sounds still load, into a silent device.
        platform.sleep = [](Uint32) {};
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    return runLinked(playback, std::move(platform), buildState,
                     recordedCommandLine(playback.header()));
}

} // namespace

int launch(int argc, char** argv, const std::function<ProcessState&()>& buildState,
           const std::filesystem::path& startedIn) {
    Arguments args = examineArguments(argc, argv, std::cerr);
    placeFilesIn(args, startedIn);
    // "-help" anywhere: our flags do nothing and create nothing; the game prints its help.
    if (args.help) {
        Game game(buildState(), realPlatform());
        return game.run(args.game);
    }
    if (!args.emptyValue.empty()) {
        std::cerr << "void-angler: " << args.emptyValue << " names no file" << std::endl;
        return kBadArguments;
    }
    const int modes =
        !args.record.empty() + !args.replay.empty() + !args.timedemo.empty() + !args.verify.empty();
    if (modes > 1) {
        std::cerr << "void-angler: -record, -replay, -timedemo and -verify exclude one another"
                  << std::endl;
        return kBadArguments;
    }
    if (!args.record.empty()) {
        return record(args, buildState);
    }
    if (!args.replay.empty()) {
        return replay(args.replay, PlaybackMode::Watch, buildState);
    }
    if (!args.timedemo.empty()) {
        return replay(args.timedemo, PlaybackMode::Timedemo, buildState);
    }
    if (!args.verify.empty()) {
        return replay(args.verify, PlaybackMode::Verify, buildState);
    }
    return play(buildState(), args);
}
