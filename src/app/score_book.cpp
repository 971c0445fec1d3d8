#include "app/score_book.h"

#include <algorithm>
#include <chrono>
#include <iostream>
#include <thread>

#include "geometry/utf8_path.h"
#include "persist/game_state.h"

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kMaxTableBytes = 1u << 20;

// A folder made only by the first of two processes; one left by a crash is taken after a minute.
class FolderLock {
  public:
    explicit FolderLock(fs::path path) : lock(std::move(path)) {
        std::error_code ec;
        for (int tries = 0; tries < 100; ++tries) {
            if (fs::create_directory(lock, ec)) {
                return;
            }
            const auto age = fs::file_time_type::clock::now() - fs::last_write_time(lock, ec);
            if (!ec && age > std::chrono::minutes(1)) {
                fs::remove(lock, ec);
                continue;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        held = false; // written anyway: a table lost to a race beats a run never entered
    }
    ~FolderLock() {
        std::error_code ec;
        if (held) {
            fs::remove(lock, ec);
        }
    }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    fs::path lock;
    bool held = true;
};

bool isRunRecording(const std::string& name) {
    return (name.starts_with("arcade-") || name.starts_with("daily-")) && name.ends_with(".rec");
}
} // namespace

std::optional<ScoreTable> ScoreBook::read(std::string& error) const {
    std::error_code ec;
    if (!fs::exists(file(), ec)) {
        return ScoreTable{};
    }
    const std::optional<std::string> text = readWholeFile(utf8(file()), kMaxTableBytes);
    if (!text) {
        error = "it cannot be opened";
        return std::nullopt;
    }
    if (text->size() > kMaxTableBytes) {
        error = "it is larger than a table of scores grows";
        return std::nullopt;
    }
    return ScoreTable::read(*text, error);
}

bool ScoreBook::enter(const ScoreEntry& entry, const std::string& today, const std::string& keep,
                      bool& written) {
    FolderLock lock(dir / ".scores.lock");
    std::string error;
    std::optional<ScoreTable> table = read(error);
    if (!table) {
        // A second damage the same day keeps the first one's file too.
        fs::path aside = dir / ("scores.txt.damaged-" + today);
        std::error_code ec;
        for (int n = 2; fs::exists(aside, ec); ++n) {
            aside = dir / ("scores.txt.damaged-" + today + "-" + std::to_string(n));
        }
        fs::rename(file(), aside, ec);
        std::cerr << utf8(file()) << " is damaged (" << error << "): kept as " << utf8(aside)
                  << " with its recordings, and a new table begun" << std::endl;
        table.emplace();
    }
    const bool placed = table->add(entry);
    for (const std::string& old : table->dropOldDailies(today)) {
        std::error_code ec;
        fs::remove(dir / old, ec);
    }
    written = writeFileSafely(utf8(file()), table->text());
    if (written) {
        removeStrays(*table, keep);
    }
    return placed;
}

// Only recordings an hour old: a run still being played in another process keeps its file. A
// table renamed aside keeps the recordings it names.
void ScoreBook::removeStrays(const ScoreTable& table, const std::string& keep) const {
    std::error_code ec;
    std::string asideText;
    for (const fs::directory_entry& f : fs::directory_iterator(dir, ec)) {
        if (utf8(f.path().filename()).starts_with("scores.txt.damaged-")) {
            asideText += readWholeFile(utf8(f.path()), kMaxTableBytes).value_or("");
        }
    }
    const auto now = fs::file_time_type::clock::now();
    for (const fs::directory_entry& f : fs::directory_iterator(dir, ec)) {
        const std::string name = utf8(f.path().filename());
        const bool named = asideText.find(name) != std::string::npos ||
                           std::any_of(table.entries().begin(), table.entries().end(),
                                       [&](const ScoreEntry& e) { return e.recording == name; });
        std::error_code timeError;
        const auto age = now - f.last_write_time(timeError);
        if (isRunRecording(name) && name != keep && !named && !timeError &&
            age > std::chrono::hours(1)) {
            fs::remove(f.path(), timeError);
        }
    }
}
