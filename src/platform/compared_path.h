// A path as the file system compares names: on Windows without case, and without the trailing
// dots and spaces it drops from each name ("GAME.TXT" and "game.txt." open game.txt); elsewhere
// as it is.
#pragma once

#include <filesystem>

std::filesystem::path comparedPath(const std::filesystem::path& path);
