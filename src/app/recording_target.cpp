#include "app/recording_target.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "geometry/data_path.h"
#include "replay/recording.h"

namespace fs = std::filesystem;

namespace {

// Absolute, links followed as far as the path exists; empty when that fails.
fs::path resolved(const fs::path& path) {
    std::error_code ec;
    const fs::path whole = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::path() : whole;
}

// The same file after following links, or the same name for one not written yet.
bool sameFile(const fs::path& a, const fs::path& b) {
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    const fs::path x = resolved(a), y = resolved(b);
    return !x.empty() && x == y;
}

bool isCheckpointName(const std::string& name) {
    const std::string head = "checkpoint", tail = ".txt";
    if (name.size() <= head.size() + tail.size() || !name.starts_with(head) ||
        !name.ends_with(tail)) {
        return false;
    }
    const std::string digits = name.substr(head.size(), name.size() - head.size() - tail.size());
    return std::all_of(digits.begin(), digits.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// A checkpoint already written (under any name that links to it), or one the game may write.
bool isCheckpoint(const fs::path& target) {
    std::error_code ec;
    const fs::path whole = resolved(target);
    if (isCheckpointName(utf8(whole.filename())) &&
        whole.parent_path() == resolved(fs::current_path())) {
        return true;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(".", ec)) {
        if (isCheckpointName(utf8(entry.path().filename())) && sameFile(entry.path(), target)) {
            return true;
        }
    }
    return false;
}

bool isUnder(const fs::path& target, const fs::path& folder) {
    const fs::path inner = resolved(target), outer = resolved(folder);
    return !outer.empty() &&
           std::mismatch(outer.begin(), outer.end(), inner.begin(), inner.end()).first ==
               outer.end();
}

bool startsAsRecording(const fs::path& target) {
    std::ifstream in(target, std::ios::binary);
    std::string first(std::string_view(kRecordingMagic).size(), '\0');
    in.read(first.data(), static_cast<std::streamsize>(first.size()));
    return in && first == kRecordingMagic;
}

std::string refusal(const fs::path& target) {
    std::error_code ec;
    if (sameFile(target, "game.txt")) {
        return "that is the saved game";
    }
    if (isCheckpoint(target)) {
        return "that is a checkpoint";
    }
    if (isUnder(target, fromUtf8(dataPath("dat")))) {
        return "that is in the game's data folder";
    }
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status)) {
        return "that is a folder";
    }
    if (fs::is_regular_file(status) && fs::file_size(target, ec) > 0 &&
        !startsAsRecording(target)) {
        return "that file is not a recording, and is left as it is";
    }
    return "";
}

// A name beside the target that no file has yet.
std::string besideTarget(const std::string& path) {
    std::string name = path + ".part";
    for (int n = 1; fs::exists(fromUtf8(name)); ++n) {
        name = path + "." + std::to_string(n) + ".part";
    }
    return name;
}

} // namespace

RecordingTarget chooseRecordingTarget(const std::string& path) {
    RecordingTarget t{path, path, ""};
    if (path.empty()) {
        t.refusal = "no file named";
        return t;
    }
    const fs::path target = fromUtf8(path);
    t.refusal = refusal(target);
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (!fs::exists(status) || fs::is_regular_file(status)) {
        t.writeTo = besideTarget(path);
    }
    return t;
}
