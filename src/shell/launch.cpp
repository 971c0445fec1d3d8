#include "shell/launch.h"

#include <cstdlib>
#include <iostream>

#include "shell/arguments.h"
#include "shell/game.h"
#include "shell/game_playback.h"
#include "shell/game_recorder.h"

namespace {

constexpr int kBadArguments = 2;

int play(ProcessState& state, Platform platform, int argc, char** argv) {
    Game game(state, std::move(platform));
    return game.run(argc, argv);
}

int record(const Arguments& args, const std::function<ProcessState&()>& buildState, int argc,
           char** argv) {
    GameRecorder recorder(args.record, args.gameFlags);
    if (!recorder.isOpen()) {
        std::cerr << "cannot write the recording " << args.record << ": " << recorder.error()
                  << std::endl;
        return EXIT_FAILURE;
    }
    recorder.install();
    Game game(buildState(), recorder.wrap(Platform::real()));
    recorder.attach(game);
    const int status = game.run(argc, argv);
    recorder.finish(status);
    return status;
}

int replay(const std::string& path, bool timedemo,
           const std::function<ProcessState&()>& buildState) {
    GamePlayback playback(path, timedemo ? PlaybackMode::Timedemo : PlaybackMode::Watch);
    if (std::optional<int> status = playback.open()) {
        return *status;
    }
    Platform platform = Platform::real();
    if (timedemo) {
        // As fast as the machine goes; the sounds still load, into a silent device.
        platform.sleep = [](Uint32) {};
        SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    playback.install();
    Game game(buildState(), playback.wrap(std::move(platform)));
    playback.attach(game);
    std::vector<std::string> args = playback.arguments();
    // The recorded field, shown scaled in the viewer's window: the path of -window.
    args.push_back("-window=" + std::to_string(playback.header().width) + "x" +
                   std::to_string(playback.header().height));
    std::vector<char*> argv;
    for (std::string& a : args) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    return playback.finish(game.run(static_cast<int>(args.size()), argv.data()));
}

} // namespace

int launch(int argc, char** argv, const std::function<ProcessState&()>& buildState) {
    const Arguments args = examineArguments(argc, argv, std::cerr);
    // "-help" anywhere: our flags do nothing and create nothing; the game prints its help.
    if (args.help) {
        return play(buildState(), Platform::real(), argc, argv);
    }
    const int modes = !args.record.empty() + !args.replay.empty() + !args.timedemo.empty();
    if (modes > 1) {
        std::cerr << "void-angler: -record, -replay and -timedemo exclude one another" << std::endl;
        return kBadArguments;
    }
    if (!args.record.empty()) {
        return record(args, buildState, argc, argv);
    }
    if (!args.replay.empty() || !args.timedemo.empty()) {
        return replay(args.replay.empty() ? args.timedemo : args.replay, args.replay.empty(),
                      buildState);
    }
    return play(buildState(), Platform::real(), argc, argv);
}
