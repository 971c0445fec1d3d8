#include "persist/game_state.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "geometry/calendar_clock.h"
#include "geometry/utf8_path.h"
#include "persist/safe_file.h"

namespace {
SaveFileEdge& fileEdge() {
    static SaveFileEdge edge;
    return edge;
}
} // namespace

void setSaveFileEdge(SaveFileEdge edge) {
    fileEdge() = std::move(edge);
}

std::optional<std::string> readWholeFile(const std::string& path, std::size_t limit) {
    std::ifstream in(fromUtf8(path), std::ios::binary);
    if (!in.is_open()) {
        return std::nullopt;
    }
    std::string text;
    char chunk[1 << 16];
    while (text.size() <= limit && in.read(chunk, sizeof chunk).gcount() > 0) {
        text.append(chunk, static_cast<std::size_t>(in.gcount()));
    }
    if (text.size() > limit) {
        text.resize(limit + 1);
    }
    return text;
}

GameState::GameState() {
    load();
}

GameState::~GameState() {
    // Mend: an exit before the save routine ran (help, a failed start) keeps the old file.
    if (filled) {
        save();
    }
}

void GameState::load() {
    const SaveFileEdge& edge = fileEdge();
    const std::optional<std::string> text =
        edge.readGameFile ? edge.readGameFile() : readWholeFile(fileName);
    if (!text) {
        std::cout << "Unable to open file" << std::flush;
        return;
    }
    std::istringstream in(*text);
    for (std::string line; std::getline(in, line);) {
        // Mend: a file saved with Windows line ends loads the same values.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        readLine(line);
    }
}

void GameState::readLine(const std::string& line) {
    if (line.size() < 2) {
        std::cout << "empty line skipping\n";
        return;
    }
    std::string key = line;
    std::string value = line;
    std::size_t eq = line.rfind('=');
    if (eq == 0) {
        return;
    }
    if (eq != std::string::npos) {
        key = line.substr(0, eq);
        value = line.substr(eq + 1);
    }
    auto keyIs = [&](const std::string& suffix) {
        return key.find(userId + suffix) != std::string::npos;
    };
    if (keyIs(lfptSuffix)) {
        std::size_t comma = value.rfind(',');
        std::string x = comma == std::string::npos ? value : value.substr(0, comma);
        std::string y = comma == std::string::npos ? value : value.substr(comma + 1);
        lfpts.emplace_back(parseNumber(x), parseNumber(y));
    } else if (keyIs("_score")) {
        loadedScore = parseNumber(value);
    } else if (keyIs("_level")) {
        loadedLevel = parseNumber(value);
    } else if (keyIs("_liff_cycle_freeze")) {
        loadedFreeze = parseBool(value);
    } else if (keyIs("_pause_game")) {
        loadedPause = parseBool(value);
    } else {
        store.emplace_back(key, value);
    }
}

void GameState::clear() {
    store.clear();
    lfpts.clear();
    filled = true;
}

void GameState::put(std::string key, std::string value) {
    store.emplace_back(std::move(key), std::move(value));
}

void GameState::save() {
    writeStore(fileName);
}

void GameState::saveAs(std::string& name) {
    name += std::to_string(calendarSeconds()) + ".txt";
    lastSaveName = name;
    writeStore(name);
}

void GameState::writeStore(const std::string& name) {
    if (!fileEdge().writes) {
        return;
    }
    std::string text;
    for (const auto& [key, value] : store) {
        text += key + "=" + value + "\n";
    }
    // Mend: written crash-safely; a failed write leaves the old file as it was.
    const Written how = writeWholeFile(name, text);
    if (how == Written::InPlace && !warnedInPlace) {
        warnedInPlace = true;
        std::cerr << name << ": its folder takes no new files, so saves are written in place"
                  << " (a crash while saving can leave the file cut short)\n";
    }
    if (how == Written::Failed) {
        std::cout << "Unable to open file:v" << name << std::flush;
    }
}

std::int32_t GameState::parseNumber(const std::string& s) {
    if (!s.empty() && s[0] == '-') {
        std::cout << "negative number error!!\n";
        return 0;
    }
    // Mend: unsigned arithmetic wraps where the signed sum would overflow.
    std::uint32_t n = 0;
    for (char c : s) {
        auto digit = static_cast<std::int32_t>(static_cast<signed char>(c)) - 48;
        n = n * 10u + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(n);
}

bool GameState::parseBool(const std::string& s) {
    if (s == "true" || s == "1") {
        return true;
    }
    if (s != "false" && s != "0") {
        std::cout << "_s == " << s << std::endl;
    }
    return false;
}

void GameState::fill(const std::vector<Point>& live, int score, int level, bool frozen,
                     bool paused) {
    clear();
    for (const Point& p : live) {
        put(userId + lfptSuffix, std::to_string(p.x) + "," + std::to_string(p.y));
    }
    put(userId + "_score", std::to_string(score));
    put(userId + "_level", std::to_string(level));
    put(userId + "_liff_cycle_freeze", frozen ? "1" : "0");
    put(userId + "_pause_game", paused ? "1" : "0");
}
