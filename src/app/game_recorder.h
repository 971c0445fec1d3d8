// Records a game as it is played: sits on the clock, "game.txt", the window's
// size and the input source, and writes what the game consumed; it never
// changes what the game sees.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/played_game.h"
#include "platform/platform.h"
#include "replay/recording_writer.h"

class GameRecorder {
  public:
    GameRecorder(const std::string& path, std::vector<std::string> flags);

    bool isOpen() const { return writer->isOpen(); }
    const std::string& error() const { return writer->error(); }
    // Before the process-wide state is built: it reads the clock and "game.txt".
    void install();
    Platform wrap(Platform base);
    void attach(PlayedGame game) { recorded = std::move(game); }
    // The end mark after a game that ended in order; a game that never reached its first
    // frame leaves no file.
    void finish(int status);

  private:
    void beginFrame();
    bool endFrame();

    std::string path;
    std::optional<RecordingWriter> writer;
    RecordingHeader header;
    std::shared_ptr<std::vector<std::int64_t>> readings;
    RecordedFrame frame;
    bool inFrame = false;
    bool headerWritten = false;
    bool failureShown = false;
    PlayedGame recorded;
};
