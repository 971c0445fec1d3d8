// Where the game keeps "game.txt" and its checkpoints: the working directory, unless the game
// was started in its own folder and that folder cannot take a new file (a game unzipped under
// Program Files). Then the files go to the player's own folder and dat/ is read beside the
// program.
#pragma once

#include <filesystem>

bool canTakeNewFile(const std::filesystem::path& folder);

bool mustKeepFilesElsewhere(const std::filesystem::path& workDir,
                            const std::filesystem::path& programDir,
                            bool (*canTake)(const std::filesystem::path&) = canTakeNewFile);

// Windows only (elsewhere the installed command picks the folder): enters the player's own
// folder when it must, with one line on standard error naming it. Runs before the process-wide
// state reads "game.txt". Returns the folder the player started in when it left it, else empty.
std::filesystem::path chooseWorkFolder();
