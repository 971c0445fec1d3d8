// The table of scores: each kind of run keeps its ten best (runs in one table, each date's daily
// run in its own), and each entry names the recording that proves it. Key=value text, one entry
// a line; docs/scores.md describes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ScoreEntry {
    std::string initials; // three letters A to Z
    std::int32_t score = 0;
    std::int32_t level = 0;
    std::string date;      // YYYY-MM-DD: the day it was played (a daily run's own date)
    std::string kind;      // "arcade" or "daily"
    int sim = 0;           // the rules it was played by
    std::string recording; // a file name beside the table

    bool operator==(const ScoreEntry&) const = default;
};

class ScoreTable {
  public:
    static constexpr std::size_t kPlaces = 10;
    static constexpr int kDailyDaysKept = 30;

    // Nothing, with why in `error`, for a text the writer never writes: the whole table is then
    // held damaged, never half read.
    static std::optional<ScoreTable> read(const std::string& text, std::string& error);
    std::string text() const;

    const std::vector<ScoreEntry>& entries() const { return all; }
    // The entries of one table, best first; equal scores keep the older first.
    std::vector<ScoreEntry> table(const std::string& kind, const std::string& date) const;
    // Whether the score would enter its table.
    bool places(const ScoreEntry& entry) const;
    // Adds it where it places, dropping what falls below the tenth; false when it does not place.
    bool add(const ScoreEntry& entry);
    // Drops daily tables more than 30 days before `today`; gives the recordings they named.
    std::vector<std::string> dropOldDailies(const std::string& today);

  private:
    static bool sameTable(const ScoreEntry& a, const ScoreEntry& b);
    void keepTopTen(const ScoreEntry& like);

    std::vector<ScoreEntry> all;
};
