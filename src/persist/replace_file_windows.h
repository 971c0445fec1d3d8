// The save writer's Windows calls: the same crash-safe replace as on POSIX systems.
#pragma once

#include <string>

// Writes text to a temporary file beside target, flushes it to the disk and moves it over
// target; false (and no temporary file left) when that cannot be done.
bool replaceFileOnWindows(const std::string& target, const std::string& text);
