#include "app/game_recorder.h"

#include "version.h"

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "geometry/calendar_clock.h"
#include "geometry/utf8_path.h"
#include "persist/game_state.h"

GameRecorder::GameRecorder(const std::string& file, std::vector<std::string> flags)
    : path(file), writer(std::in_place, file),
      readings(std::make_shared<std::vector<std::int64_t>>()) {
    header.gameVersion = kGameVersion;
    header.flags = std::move(flags);
}

void GameRecorder::install() {
    auto log = readings;
    setCalendarClock([log] {
        const std::time_t now = std::time(nullptr);
        log->push_back(static_cast<std::int64_t>(now));
        return now;
    });
    // Read once here, and the game reads this very text: what is kept is what it saw.
    header.savedGame = readWholeFile("game.txt");
    std::optional<std::string> text = header.savedGame;
    setSaveFileEdge({[text] { return text; }, true});
}

Platform GameRecorder::wrap(Platform base) {
    auto openWindow = base.display.openWindow;
    base.display.openWindow = [this, openWindow](const char* title, int& w, int& h) {
        SDL_Window* window = openWindow(title, w, h);
        header.width = w;
        header.height = h;
        return window;
    };
    auto poll = base.input.poll;
    base.input.poll = [this, poll](SDL_Event& e) {
        beginFrame();
        return poll(e);
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

void GameRecorder::finish(int status) {
    if (headerWritten && status == EXIT_SUCCESS) {
        writer->writeEnd(frame.number);
    } else if (!headerWritten) {
        writer.reset();
        std::error_code ignored;
        std::filesystem::remove(fromUtf8(path), ignored);
    }
}
