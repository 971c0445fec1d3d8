// A recorded game: everything that made it differ from another game (version,
// flags, field size, the saved game it started from, every clock reading, every
// input) and, per frame, a digest of the state it reached. Text, line by line;
// docs/recording-format.md describes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/player_input.h"
#include "replay/arcade_run.h"
#include "replay/state_digest.h"

// Format 2 is format 1 with a run line; a recording of no run is still written as format 1, so
// games that read only format 1 read it as before.
inline constexpr int kRecordingFormat = 2;
inline constexpr int kRecordingFormatPlain = 1;
inline constexpr const char* kRecordingMagic = "void-angler recording";
// The version of the game's rules: raised only when the same inputs would give another game
// (2: sin, cos, atan2 and log from the game's own maths module, correctly rounded).
inline constexpr int kSimVersion = 2;
// A recording without a "sim" line was made before the rules were numbered: by rules 1.
inline constexpr int kSimVersionUnwritten = 1;

// Limits on what a recording may hold: the reader refuses more instead of allocating for it,
// and each is above what the writer can be given, so every recording the game writes reads.
// A frame's inputs: kMaxFrameInputs, and kMaxKeyPressesPerFrame of one key, the platform's own
// bounds.
// Three readings per rock built, at most twice the rock limit in one frame (a wave from N, then
// a level's), one per Liff cell rebuilt and per missile, and the start-up's few: far below.
inline constexpr std::size_t kMaxFrameClockReadings = 1u << 17;
inline constexpr std::size_t kMaxLineBytes = 1u << 20;
inline constexpr std::size_t kMaxSavedGameBytes = 16u << 20;
// The recorder refuses a command line past these before the game starts.
inline constexpr std::size_t kMaxFlags = 1024;
inline constexpr std::size_t kMaxFlagBytes = kMaxLineBytes / 8;
// A saved-game line longer than this is written as several "| " lines (its escapes take at
// most four bytes a byte), which the reader joins.
inline constexpr std::size_t kSavedGameChunkBytes = 1u << 16;

// The flags a recording keeps (-help is never recorded: it plays no game).
bool isRecordedFlag(const std::string& flag);

struct RecordingHeader {
    std::string gameVersion;
    int sim = kSimVersion;
    std::vector<std::string> flags;
    int width = 0;
    int height = 0;
    // The whole "game.txt" read at start; nothing when there was none.
    std::optional<std::string> savedGame;
    // Clock readings of the start-up, before the first frame.
    std::vector<std::int64_t> clock;
    // The run it records (its own line); nothing for a game started otherwise.
    std::optional<ArcadeRun> run;
};

struct RecordedFrame {
    std::uint32_t number = 0;
    std::vector<PlayerInput> inputs;
    std::vector<std::int64_t> clock;
    StateDigest digest;
};
