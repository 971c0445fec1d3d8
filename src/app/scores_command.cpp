#include "app/scores_command.h"

#include <cstdio>
#include <set>

#include "app/run_proof.h"
#include "geometry/utf8_path.h"
#include "replay/recording.h"

namespace {
constexpr int kStatusUnverified = 3;
constexpr int kStatusUnreadable = 1;

std::string row(std::size_t place, const ScoreEntry& e) {
    char text[96];
    std::snprintf(text, sizeof text, "%3zu. %s %10d  level %-4d %s  ", place, e.initials.c_str(),
                  static_cast<int>(e.score), static_cast<int>(e.level), e.date.c_str());
    return text;
}

// The runs' table first, then each day's, newest first.
std::vector<std::pair<std::string, std::vector<ScoreEntry>>> titledTables(const ScoreTable& table) {
    std::set<std::string, std::greater<>> days;
    for (const ScoreEntry& e : table.entries()) {
        if (e.kind == "daily") {
            days.insert(e.date);
        }
    }
    std::vector<std::pair<std::string, std::vector<ScoreEntry>>> tables{
        {"Runs", table.table("arcade", "")}};
    for (const std::string& day : days) {
        tables.emplace_back("Daily run " + day, table.table("daily", day));
    }
    return tables;
}
} // namespace

int listScores(const ScoreBook& book, const std::string& program, std::ostream& out,
               std::ostream& err) {
    std::string error;
    const std::optional<ScoreTable> table = book.read(error);
    if (!table) {
        err << "cannot read the table of scores " << utf8(book.file()) << ": " << error
            << std::endl;
        return kStatusUnreadable;
    }
    bool allVerified = true;
    for (const auto& [title, rows] : titledTables(*table)) {
        out << title << (rows.empty() ? ": no entry yet" : "") << "\n";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const ScoreEntry& e = rows[i];
            out << row(i + 1, e);
            if (e.sim != kSimVersion) {
                out << "made by other rules (sim " << e.sim << "), not checked\n";
                continue;
            }
            const RunProof proof = proveRun(utf8(book.recording(e)), e, program);
            allVerified = allVerified && proof.verified;
            out << (proof.verified ? "verified" : "NOT verified: " + proof.why) << "\n";
        }
    }
    out << std::flush;
    return allVerified ? 0 : kStatusUnverified;
}

std::string scoreRows(const ScoreBook& book) {
    std::string error;
    const std::optional<ScoreTable> table = book.read(error);
    if (!table) {
        return "damaged\t" + error + "\n";
    }
    std::string text;
    for (const auto& [title, rows] : titledTables(*table)) {
        text += "table\t" + title + "\n";
        for (const ScoreEntry& e : rows) {
            text += "entry\t" + e.initials + "\t" + std::to_string(e.score) + "\t" +
                    std::to_string(e.level) + "\t" + e.date + "\t" + e.recording + "\n";
        }
    }
    return text;
}
