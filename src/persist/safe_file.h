// Whole files written crash-safely: to a temporary file beside the target, flushed to the disk,
// then renamed over it, so a crash leaves either the old file or the new one.
#pragma once

#include <string>

enum class Written {
    Replaced,
    // The folder takes no new files, so the file was written in place: no crash safety.
    InPlace,
    // Nothing written; the old file is as it was.
    Failed,
};

// A link is followed to the file it names; the old file's permission bits are kept. A folder
// that takes no new files gets the file written in place.
Written writeWholeFile(const std::string& name, const std::string& text);
// The same, never in place: false when the file could not be replaced whole.
bool writeFileSafely(const std::string& path, const std::string& text);
