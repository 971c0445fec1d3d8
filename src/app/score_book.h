// The table of scores on disk: "scores.txt" and the runs' recordings beside it, in the player's
// own folder. Written whole and crash-safe, re-read and merged just before each write under a
// lock, so two games finishing at once both keep their entries.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "app/score_table.h"

class ScoreBook {
  public:
    explicit ScoreBook(std::filesystem::path folder) : dir(std::move(folder)) {}

    std::filesystem::path file() const { return dir / "scores.txt"; }
    std::filesystem::path recording(const ScoreEntry& e) const { return dir / e.recording; }

    // The table; none, with why in `error`, when it cannot be read. A missing file is an empty
    // table.
    std::optional<ScoreTable> read(std::string& error) const;
    // Enters a run: its entry where it places (false where it does not), daily tables past their
    // 30 days dropped with their recordings, and other runs' recordings no table names removed,
    // but for `keep` (the last run's). A damaged table is renamed aside, never overwritten.
    // Gives false in `written` when the table could not be written.
    bool enter(const ScoreEntry& entry, const std::string& today, const std::string& keep,
               bool& written);

  private:
    void removeStrays(const ScoreTable& table, const std::string& keep) const;

    std::filesystem::path dir;
};
