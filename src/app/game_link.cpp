#include "app/game_link.h"

#include <string>

#include "game/game_digest.h"

PlayedGame watchGame(const Game& game) {
    return PlayedGame{[&game] { return digestGame(game); },
                      [&game] { return game.quitRequested(); },
                      [&game] {
                          const Point size = game.state().windowSize;
                          return std::pair(size.x, size.y);
                      }};
}

CommandLine recordedCommandLine(const RecordingHeader& head) {
    // Read as -window reads it, so a field the desktop would refuse is refused here too.
    const std::string field =
        "-window=" + std::to_string(head.width) + "x" + std::to_string(head.height);
    return CommandLine{head.flags, readDisplayOptions({field}), head.run, {}};
}
