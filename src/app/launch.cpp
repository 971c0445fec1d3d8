#include "app/launch.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <optional>
#include <random>

#include "app/arguments.h"
#include "app/game_link.h"
#include "app/game_playback.h"
#include "app/game_recorder.h"
#include "app/recording_target.h"
#include "app/run_end_panel.h"
#include "app/scores_command.h"
#include "game/game.h"
#include "geometry/utc_date.h"
#include "geometry/utf8_path.h"
#include "persist/safe_file.h"
#include "platform/headless_screen.h"
#include "platform/own_program.h"
#include "platform/page_scores.h"
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
            return writeFileSafely(path, text);
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
    const std::optional<std::filesystem::path> scores = settingsFolder();
    if (scores && isInOwnFolder(args.record, *scores)) {
        std::cerr << "cannot write the recording " << args.record
                  << ": that is in the folder of the table of scores" << std::endl;
        return EXIT_FAILURE;
    }
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

// A run's recording, beside the table of scores: named by its kind, date and second, and a
// random tail, so two runs started at once never share a file.
std::filesystem::path runRecordingPath(const std::filesystem::path& folder, const ArcadeRun& run,
                                       std::time_t now) {
    const auto second = static_cast<std::int64_t>(now);
    char tail[32];
    std::snprintf(tail, sizeof tail, "%05lld-%04x", static_cast<long long>(second % 86400),
                  static_cast<unsigned>(std::random_device{}() & 0xffffu));
    const char* kind = run.kind == ArcadeRun::Kind::Daily ? "daily-" : "arcade-";
    return folder / (kind + utcDateOf(second) + "-" + tail + ".rec");
}

std::optional<std::string> arcadeRefusal(const Arguments& args) {
    if (args.arcade != "-arcade" && args.arcade != "-arcade=daily") {
        return "-arcade= takes daily, not \"" + args.arcade.substr(8) + "\"";
    }
    if (!args.others.empty()) {
        return "-arcade plays alone, not with " + args.others.front();
    }
    return std::nullopt;
}

// Fresh, on the run's field shown scaled to the screen, recorded beside the table of scores.
int arcade(const Arguments& args, const std::function<ProcessState&()>& buildState,
           const std::vector<std::string>& argv) {
    const std::optional<std::filesystem::path> folder = settingsFolder();
    std::error_code ec;
    if (!folder || (std::filesystem::create_directories(*folder, ec), ec)) {
        std::cerr << "void-angler: -arcade: no folder for the table of scores"
                  << (folder ? ": " + ec.message() : " (set HOME or XDG_CONFIG_HOME)") << std::endl;
        return EXIT_FAILURE;
    }
    const std::time_t now = std::time(nullptr);
    const ArcadeRun run = args.arcade == "-arcade=daily"
                              ? ArcadeRun{ArcadeRun::Kind::Daily, utcDateOf(now)}
                              : ArcadeRun{};
    const std::string path = utf8(runRecordingPath(*folder, run, now));
    GameRecorder recorder(path, {});
    recorder.recordRun(run);
    if (const std::string refusal = recorder.start(); !refusal.empty()) {
        std::cerr << "cannot write the recording " << path << ": " << refusal << std::endl;
        return EXIT_FAILURE;
    }
    const CommandLine line{
        {}, {fullScreenField(kRunFieldWidth, kRunFieldHeight), {}}, run, args.game.helpExtras};
    Platform platform = playersPlatform(args);
    RunEndPanel::Leave leave = RunEndPanel::Leave::Quit;
    // At the run's last frame: its recording ends there, and is checked while the panel shows.
    platform.runEnded = [&](RunEndScreen& screen) {
        recorder.finish(EXIT_SUCCESS);
        RunEndPanel panel(ScoreBook(*folder), path, run, utcDateOf(now), ownProgram());
        leave = panel.show(screen);
    };
    const int status = runLinked(recorder, std::move(platform), buildState, line);
    std::cerr << "run recorded to " << path << std::endl;
    if (status == EXIT_SUCCESS && leave == RunEndPanel::Leave::Again && !startAgain(argv)) {
        std::cerr << "void-angler: another run could not be started" << std::endl;
    }
    return status;
}

} // namespace

int launch(int argc, char** argv, const std::function<ProcessState&()>& buildState,
           const std::filesystem::path& startedIn) {
    if (const std::optional<std::filesystem::path> folder = settingsFolder()) {
        offerScoreRows([book = ScoreBook(*folder)] { return scoreRows(book); });
    }
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
    if (args.scores) {
        const std::optional<std::filesystem::path> folder = settingsFolder();
        if (!folder) {
            std::cerr << "void-angler: -scores: no folder for the table of scores" << std::endl;
            return EXIT_FAILURE;
        }
        return listScores(ScoreBook(*folder), ownProgram(), std::cout, std::cerr);
    }
    if (!args.arcade.empty()) {
        if (const std::optional<std::string> refusal = arcadeRefusal(args)) {
            std::cerr << "void-angler: " << *refusal << std::endl;
            return kBadArguments;
        }
        return arcade(args, buildState, std::vector<std::string>(argv, argv + argc));
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
