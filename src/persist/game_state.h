// The game-state file: "game.txt" is read when the store is built and written
// when it is destroyed; checkpoints are written on demand. Lines are key=value.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "geometry/point.h"
#include "persist/safe_file.h"

// The files edge. A recording keeps the "game.txt" it read; a replay hands the
// recorded text in and keeps every save off the disk.
struct SaveFileEdge {
    // The text of "game.txt", or nothing when there is none; empty: read the disk.
    std::function<std::optional<std::string>()> readGameFile;
    bool writes = true;
};
void setSaveFileEdge(SaveFileEdge edge);
// A whole file, or nothing when it cannot be opened. Past limit it stops: a text one byte over
// the limit says the file is larger.
std::optional<std::string> readWholeFile(const std::string& path,
                                         std::size_t limit = static_cast<std::size_t>(-1));

class GameState {
  public:
    // Loads "game.txt" from the working directory.
    GameState();
    // Writes "game.txt", but only once the save routine has filled the store.
    ~GameState();
    GameState(const GameState&) = delete;
    GameState& operator=(const GameState&) = delete;

    void load();
    // Empties the store for the save routine, which arms the write at exit.
    void clear();
    void put(std::string key, std::string value);
    // The save routine: clear, then one line per live cell and the four state keys.
    void fill(const std::vector<Point>& live, int score, int level, bool frozen, bool paused);
    void save();
    // Appends the calendar second and ".txt" to name and writes the store there.
    void saveAs(std::string& name);

    std::int32_t getScore() const { return loadedScore; }
    std::int32_t getLevel() const { return loadedLevel; }
    bool isPaused() const { return loadedPause; }
    std::vector<Point>& getLfpts() { return lfpts; }

    static std::int32_t parseNumber(const std::string& s);
    static bool parseBool(const std::string& s);

    std::string userId = "fart_user_1";
    std::string fileName = "game.txt";
    std::int32_t loadedScore = 0;
    std::int32_t loadedLevel = 0;
    bool loadedFreeze = false;
    bool loadedPause = false;
    std::vector<std::pair<std::string, std::string>> store;
    std::vector<Point> lfpts;
    std::string lfptSuffix = "_lfpt";
    std::string lastSaveName;

  private:
    void readLine(const std::string& line);
    void writeStore(const std::string& name);

    // Set by clear(): loading alone never lets the exit overwrite the file.
    bool filled = false;
    // The in-place fallback is announced once per run.
    bool warnedInPlace = false;
};
