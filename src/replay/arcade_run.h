// A run: the game started fresh on a fixed field for a fixed number of frames, so its score
// compares with every other run's. A daily run also starts every clock reading at its date's
// midnight (UTC), so everyone plays that day's field. Its recording names it on its run line.
#pragma once

#include <cstdint>
#include <string>

inline constexpr std::uint32_t kRunFrames = 9000;
inline constexpr int kRunFieldWidth = 1920;
inline constexpr int kRunFieldHeight = 1080;

struct ArcadeRun {
    enum class Kind { Arcade, Daily };
    Kind kind = Kind::Arcade;
    // "YYYY-MM-DD" for a daily run; empty for the other.
    std::string date;

    bool operator==(const ArcadeRun&) const = default;
};
