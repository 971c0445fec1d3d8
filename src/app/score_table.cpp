#include "app/score_table.h"

#include <algorithm>
#include <charconv>
#include <sstream>

#include "geometry/utc_date.h"

namespace {
constexpr const char* kMagic = "void-angler scores 1";
constexpr const char* kKeys[] = {"initials", "score", "level", "date", "kind", "sim", "recording"};

bool readNumber(const std::string& text, std::int32_t& out) {
    if (text.empty() || text.size() > 10 || text.front() < '0' || text.front() > '9') {
        return false;
    }
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc{} && end == text.data() + text.size();
}

// Three letters, or "---" where none were given.
bool isInitials(const std::string& s) {
    return s == "---" || (s.size() == 3 && std::all_of(s.begin(), s.end(), [](char c) {
                              return c >= 'A' && c <= 'Z';
                          }));
}

std::string lineOf(const ScoreEntry& e) {
    return "initials=" + e.initials + " score=" + std::to_string(e.score) +
           " level=" + std::to_string(e.level) + " date=" + e.date + " kind=" + e.kind +
           " sim=" + std::to_string(e.sim) + " recording=" + e.recording;
}

// A plain name in the table's folder: never a path, so an edited table names nothing elsewhere.
bool isRecordingName(const std::string& s) {
    return s.size() > 4 && s.size() <= 128 && s.ends_with(".rec") && s.front() != '.' &&
           std::all_of(s.begin(), s.end(), [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '_' || c == '.';
           });
}

// One entry: the seven keys, each once, in the writer's order.
std::optional<ScoreEntry> readEntry(const std::string& line, std::string& why) {
    std::istringstream words(line);
    std::string values[std::size(kKeys)];
    std::string word;
    std::size_t i = 0;
    for (; words >> word; ++i) {
        const std::string key = i < std::size(kKeys) ? std::string(kKeys[i]) + "=" : "";
        if (key.empty() || !word.starts_with(key)) {
            why = "expected " + (key.empty() ? std::string("the line to end") : key + "VALUE");
            return std::nullopt;
        }
        values[i] = word.substr(key.size());
    }
    ScoreEntry e{values[0], 0, 0, values[3], values[4], 0, values[6]};
    std::int32_t sim = 0;
    if (i != std::size(kKeys) || !isInitials(e.initials) || !readNumber(values[1], e.score) ||
        !readNumber(values[2], e.level) || !utcMidnightOf(e.date) ||
        (e.kind != "arcade" && e.kind != "daily") || !readNumber(values[5], sim) || sim < 1 ||
        !isRecordingName(e.recording)) {
        why = "an entry it cannot read";
        return std::nullopt;
    }
    e.sim = sim;
    // Only as the writer writes it (one space, no leading zero), so what is kept reads the same.
    if (lineOf(e) != line) {
        why = "an entry not written as the game writes one";
        return std::nullopt;
    }
    return e;
}
} // namespace

std::optional<ScoreTable> ScoreTable::read(const std::string& text, std::string& error) {
    std::istringstream in(text);
    std::string line;
    if (!std::getline(in, line) || line != kMagic) {
        error = "line 1: not a table of scores";
        return std::nullopt;
    }
    ScoreTable table;
    for (int n = 2; std::getline(in, line); ++n) {
        std::string why;
        std::optional<ScoreEntry> e = readEntry(line, why);
        if (!e || std::count(table.all.begin(), table.all.end(), *e) > 0) {
            error = "line " + std::to_string(n) + ": " + (e ? "an entry given twice" : why);
            return std::nullopt;
        }
        table.all.push_back(*e);
    }
    if (!text.empty() && text.back() != '\n') {
        error = "the last line is cut off";
        return std::nullopt;
    }
    return table;
}

std::string ScoreTable::text() const {
    std::string out = std::string(kMagic) + "\n";
    for (const ScoreEntry& e : all) {
        out += lineOf(e) + "\n";
    }
    return out;
}

bool ScoreTable::sameTable(const ScoreEntry& a, const ScoreEntry& b) {
    return a.kind == b.kind && (a.kind != "daily" || a.date == b.date);
}

std::vector<ScoreEntry> ScoreTable::table(const std::string& kind, const std::string& date) const {
    std::vector<ScoreEntry> out;
    const ScoreEntry like{"", 0, 0, date, kind, 0, ""};
    std::copy_if(all.begin(), all.end(), std::back_inserter(out),
                 [&](const ScoreEntry& e) { return sameTable(e, like); });
    // Stable: the entries are kept in the order they were added, so the older stays first.
    std::stable_sort(out.begin(), out.end(),
                     [](const ScoreEntry& a, const ScoreEntry& b) { return a.score > b.score; });
    return out;
}

bool ScoreTable::places(const ScoreEntry& entry) const {
    const std::vector<ScoreEntry> rows = table(entry.kind, entry.date);
    return rows.size() < kPlaces || entry.score > rows.back().score;
}

bool ScoreTable::add(const ScoreEntry& entry) {
    if (!places(entry)) {
        return false;
    }
    all.push_back(entry);
    keepTopTen(entry);
    return true;
}

void ScoreTable::keepTopTen(const ScoreEntry& like) {
    const std::vector<ScoreEntry> rows = table(like.kind, like.date);
    for (std::size_t i = kPlaces; i < rows.size(); ++i) {
        all.erase(std::find(all.begin(), all.end(), rows[i]));
    }
}

std::vector<std::string> ScoreTable::dropOldDailies(const std::string& today) {
    std::vector<std::string> dropped;
    const std::int64_t limit = utcMidnightOf(today).value_or(0) - kDailyDaysKept * 86400LL;
    std::erase_if(all, [&](const ScoreEntry& e) {
        const bool old = e.kind == "daily" && utcMidnightOf(e.date).value_or(0) < limit;
        if (old) {
            dropped.push_back(e.recording);
        }
        return old;
    });
    return dropped;
}
