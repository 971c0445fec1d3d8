// Plays a recording back: the recorded clock readings, "game.txt", flags and
// inputs replace the viewer's, and each frame's state digest is checked against
// the recorded one. The viewer's own inputs only pause or end it.
#pragma once

#include <chrono>
#include <cstdint>
#include <ctime>
#include <deque>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/daily_clock.h"
#include "app/played_game.h"
#include "platform/platform.h"
#include "replay/recording_reader.h"
#include "replay/recording_writer.h"

enum class PlaybackMode {
    Watch,    // at the game's pace, in a window of the recorded size
    Timedemo, // as fast as the machine goes, timed
    Verify,   // as fast as the machine goes, nothing drawn, no viewer, timed
    Check,    // for tests: no viewer, the caller supplies the display
    Redigest, // replays the inputs and writes every digest anew to `rewrite`
};

class GamePlayback {
  public:
    GamePlayback(std::string path, PlaybackMode mode);

    // Reads the header and the first frame: a status to end with when it cannot play.
    std::optional<int> open();
    const RecordingHeader& header() const { return head; }
    // Before the process-wide state is built: its clock and "game.txt" come from here.
    void install();
    Platform wrap(Platform base);
    void attach(PlayedGame game) { played = std::move(game); }
    // The process's status, with the closing line on standard error.
    int finish(int gameStatus);

    // Called after each checked frame; inputFrame when the frame handled an input.
    std::function<void(std::uint32_t frame, bool inputFrame)> afterFrame;
    // Redigest: the new recording; firstChange is the first frame whose digest moved.
    RecordingWriter* rewrite = nullptr;
    std::uint32_t firstChange = 0;

  private:
    struct Clock {
        std::deque<std::int64_t> readings;
        std::int64_t last = 0;
        bool overrun = false;
        // A daily run's: every reading must be the one its date's clock gives.
        std::shared_ptr<DailyClock> daily;
    };

    bool poll(PlayerInput& input);
    bool watched() const;
    bool beginFrame();
    bool frameEnded();
    std::optional<int> readStart();
    int unreadable(int error);
    int damaged();
    bool readNext();
    bool takeNext(RecordingReader::Next next);
    void watchViewer();
    void outOfSync(const std::string& part);

    std::string path;
    PlaybackMode mode;
    std::ifstream file;
    std::unique_ptr<RecordingReader> reader;
    RecordingHeader head;
    RecordedFrame current;
    std::shared_ptr<Clock> clock;
    PlayedGame played;
    std::shared_ptr<InputTranslator> viewer;
    bool inFrame = false;
    std::size_t nextInput = 0;
    std::uint32_t checked = 0;
    StateDigest lastState; // after the last frame checked, for -timedemo's line
    bool stopRequested = false;
    bool quitGiven = false;
    bool paused = false;
    bool cutOff = false;
    std::optional<int> status;
    std::chrono::steady_clock::time_point wallStart;
    std::clock_t cpuStart = 0;
};
