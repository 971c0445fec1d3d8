// Data files are named with backslashes (".\dat\x.png"); on disk they are "dat/x.png".
// Also the lines on standard error that tell a player which data file did not load.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "geometry/utf8_path.h"

std::string dataPath(std::string_view name);
// Where dat/ is read from when it is not the working directory (a game that keeps its files in
// the player's own folder reads its data beside the program). Empty: the working directory.
void setDataFolder(const std::filesystem::path& folder);

// A picture or font that did not load: one line naming it; the game goes on without it.
void reportUnloaded(std::string_view path, std::string_view reason);

// A file the game cannot start without: what is wrong in the working directory and where to
// start the game instead, looking for a dat/ beside the program, above it (a build folder in
// the source tree) or in the installed share folder.
std::string missingDataAdvice(std::string_view path, const std::filesystem::path& workDir,
                              const std::filesystem::path& programDir);
// Prints that advice for the current working directory and this program, as one line.
void reportMissingData(std::string_view path);
