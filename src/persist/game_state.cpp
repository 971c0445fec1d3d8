#include "persist/game_state.h"

#ifdef _WIN32
#include "persist/replace_file_windows.h"
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "geometry/calendar_clock.h"
#include "geometry/utf8_path.h"

namespace {
#ifndef _WIN32

bool writeAll(int fd, const std::string& text) {
    const char* p = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Best effort: some file systems refuse fsync on a directory, and the rename is done.
void syncDirectory(const std::filesystem::path& dir) {
    int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A link is followed to the file it names, so a game.txt linked elsewhere stays a link.
std::filesystem::path followLinks(std::filesystem::path path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        fs::path to = fs::read_symlink(path, ec);
        if (ec) {
            break;
        }
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return path;
}

enum class Written { Replaced, NoTemporary, Failed };

// The platform's part: text to a temporary file beside target, flushed to disk, then
// renamed over target, so a crash leaves either the old file or the new one.
Written replaceFile(const std::filesystem::path& target, const std::string& text) {
    namespace fs = std::filesystem;
    fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    // A fixed name: a stale one left by a crash is simply replaced.
    fs::path tmp = dir / ("." + target.filename().string() + ".tmp");
    ::unlink(tmp.c_str());
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        // A folder that takes no new entries; anything else is a plain failure.
        return errno == EACCES || errno == EPERM ? Written::NoTemporary : Written::Failed;
    }
    struct stat old {};
    bool ok = true;
    if (::stat(target.c_str(), &old) == 0) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
    }
    ok = ok && writeAll(fd, text) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(tmp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tmp.c_str());
        return Written::Failed;
    }
    syncDirectory(dir);
    return Written::Replaced;
}

// The fallback for a writable file in a read-only folder: no crash safety, but saved.
bool writeInPlace(const std::filesystem::path& target, const std::string& text) {
    int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    bool ok = writeAll(fd, text) && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

#else

enum class Written { Replaced, NoTemporary, Failed };

// Names stay UTF-8 strings here; the Windows calls widen them.
std::string followLinks(const std::string& path) {
    return path;
}

Written replaceFile(const std::string& target, const std::string& text) {
    return replaceFileOnWindows(target, text) ? Written::Replaced : Written::Failed;
}

bool writeInPlace(const std::string&, const std::string&) {
    return false;
}

#endif

SaveFileEdge& fileEdge() {
    static SaveFileEdge edge;
    return edge;
}
} // namespace

bool writeFileSafely(const std::string& path, const std::string& text) {
    return replaceFile(followLinks(path), text) == Written::Replaced;
}

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
    const auto target = followLinks(name);
    // Mend: written crash-safely; a failed write leaves the old file as it was.
    Written how = replaceFile(target, text);
    if (how == Written::NoTemporary && writeInPlace(target, text)) {
        if (!warnedInPlace) {
            warnedInPlace = true;
            std::cerr << name << ": its folder takes no new files, so saves are written in place"
                      << " (a crash while saving can leave the file cut short)\n";
        }
        return;
    }
    if (how != Written::Replaced) {
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
