// Where a recording may go. Never over the save, a checkpoint or the game's data, never over
// a file that is not a recording; it is written beside its target first and takes the
// target's name once its first frame is down, so a start that fails leaves an older file be.
#pragma once

#include <filesystem>
#include <string>

struct RecordingTarget {
    std::string path;
    // Where the writer starts: a new file beside path, or path itself when that is no plain
    // file (a pipe, a device), which cannot be replaced.
    std::string writeTo;
    // Empty when path may take the recording; else why not.
    std::string refusal;
};

RecordingTarget chooseRecordingTarget(const std::string& path);
// Whether path lies in folder (links followed), which is not the working folder: where the
// table of scores keeps its runs, -record writes nothing.
bool isInOwnFolder(const std::string& path, const std::filesystem::path& folder);
