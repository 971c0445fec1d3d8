// Records a game as it is played: sits on the clock, "game.txt" and the input source, and
// writes what the game consumed and the field it played on; it never changes what the game
// sees.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/daily_clock.h"
#include "app/played_game.h"
#include "app/recording_target.h"
#include "platform/platform.h"
#include "replay/recording_writer.h"

class GameRecorder {
  public:
    GameRecorder(const std::string& path, std::vector<std::string> flags);

    // A run: fresh, as on a first start, reading and writing no save; a daily run reads its
    // date's clock, moved by the game's sleeps. Before start().
    void recordRun(const ArcadeRun& run);
    // Before anything else: reads "game.txt" (not for a run) and opens the file; empty, or why it
    // cannot record (then nothing was created or changed).
    std::string start();
    // Before the process-wide state is built: it reads the clock and "game.txt".
    void install();
    Platform wrap(Platform base);
    void attach(PlayedGame game) { recorded = std::move(game); }
    // The end mark after a game that ended in order; a game that never reached its first
    // frame leaves no file and the target as it was. Gives the status back; once closed, the
    // recording is left as it is.
    int finish(int status);

  private:
    void beginFrame();
    bool endFrame();

    RecordingTarget target;
    std::optional<RecordingWriter> writer;
    RecordingHeader header;
    std::shared_ptr<DailyClock> daily;
    std::shared_ptr<std::vector<std::int64_t>> readings;
    RecordedFrame frame;
    bool inFrame = false;
    bool headerWritten = false;
    bool failureShown = false;
    PlayedGame recorded;
};
