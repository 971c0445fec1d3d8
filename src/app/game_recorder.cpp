#include "app/game_recorder.h"

#include "version.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <tuple>

#include "geometry/calendar_clock.h"
#include "geometry/data_path.h"
#include "geometry/utc_date.h"
#include "geometry/utf8_path.h"
#include "persist/game_state.h"

namespace {
bool fitsRecording(const std::vector<std::string>& flags) {
    return flags.size() <= kMaxFlags &&
           std::all_of(flags.begin(), flags.end(), [](const std::string& flag) {
               return escapeBytes(flag).size() <= kMaxFlagBytes;
           });
}
} // namespace

GameRecorder::GameRecorder(const std::string& file, std::vector<std::string> flags)
    : target{file, file, ""}, readings(std::make_shared<std::vector<std::int64_t>>()) {
    header.gameVersion = kGameVersion;
    header.flags = std::move(flags);
}

void GameRecorder::recordRun(const ArcadeRun& run) {
    header.run = run;
    if (run.kind == ArcadeRun::Kind::Daily) {
        daily = std::make_shared<DailyClock>(utcMidnightOf(run.date).value_or(0));
    }
}

std::string GameRecorder::start() {
    target = chooseRecordingTarget(target.path);
    if (!target.refusal.empty()) {
        return target.refusal;
    }
    if (!fitsRecording(header.flags)) {
        return "more flags, or a longer one, than a recording keeps";
    }
    // Read once here, and the game reads this very text: what is kept is what it saw.
    header.savedGame = header.run ? std::nullopt : readWholeFile("game.txt", kMaxSavedGameBytes);
    if (header.savedGame && header.savedGame->size() > kMaxSavedGameBytes) {
        return "\"game.txt\" is larger than a recording holds (" +
               std::to_string(kMaxSavedGameBytes >> 20) + " MiB)";
    }
    writer.emplace(target.writeTo);
    return writer->isOpen() ? "" : writer->error();
}

void GameRecorder::install() {
    auto log = readings;
    setCalendarClock([log, clock = daily] {
        const std::time_t now = clock ? clock->now() : std::time(nullptr);
        log->push_back(static_cast<std::int64_t>(now));
        return now;
    });
    std::optional<std::string> text = header.savedGame;
    // A run builds its store through the usual path from no file, and saves nothing.
    setSaveFileEdge({[text] { return text; }, !header.run});
}

Platform GameRecorder::wrap(Platform base) {
    writer->limitTo(base.storage.recordingLimit);
    if (daily) {
        base.sleep = DailyClock::sleepWith(daily, std::move(base.sleep));
    }
    auto poll = base.input.poll;
    base.input.poll = [this, poll](PlayerInput& in) {
        beginFrame();
        return poll(in);
    };
    base.input.heard = [this](const PlayerInput& input) { frame.inputs.push_back(input); };
    base.frameEnded = [this] { return endFrame(); };
    return base;
}

void GameRecorder::beginFrame() {
    if (inFrame) {
        return;
    }
    inFrame = true;
    if (!headerWritten) {
        // The field the game settled on, whatever chose it (-scale, -window, the desktop).
        std::tie(header.width, header.height) = recorded.field();
        header.clock = std::move(*readings);
        readings->clear();
        writer->writeHeader(header);
        headerWritten = true;
    }
}

bool GameRecorder::endFrame() {
    beginFrame();
    frame.number += 1;
    frame.clock = std::move(*readings);
    readings->clear();
    frame.digest = recorded.digest();
    writer->writeFrame(frame);
    if (frame.number == 1 && target.writeTo != target.path) {
        writer->moveTo(target.path);
    }
    frame.inputs.clear();
    inFrame = false;
    if (!writer->error().empty() && !failureShown) {
        // The game goes on; the player learns the recording is incomplete.
        std::cerr << "recording stopped at frame " << frame.number << ": " << writer->error()
                  << std::endl;
        failureShown = true;
    }
    return true;
}

int GameRecorder::finish(int status) {
    if (!writer) {
        return status;
    }
    if (frame.number > 0 && status == EXIT_SUCCESS) {
        writer->writeEnd(frame.number);
        // Closed: a run's end is written as its last frame ends, before the game shuts down.
        writer.reset();
    } else if (frame.number == 0 && target.writeTo != target.path) {
        writer.reset();
        std::error_code ignored;
        std::filesystem::remove(fromUtf8(target.writeTo), ignored);
    }
    return status;
}
