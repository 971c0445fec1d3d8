#include "app/recording_target.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>

#include "geometry/data_path.h"
#include "platform/compared_path.h"
#include "replay/recording.h"

namespace fs = std::filesystem;

namespace {

// Absolute, links followed as far as the path exists, its names as the file system compares
// them; empty when that fails.
fs::path resolved(const fs::path& path) {
    std::error_code ec;
    const fs::path whole = fs::weakly_canonical(fs::absolute(path, ec), ec);
    return ec ? fs::path() : comparedPath(whole);
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
    if (isCheckpointName(utf8(whole.filename())) && whole.parent_path() == resolved(".")) {
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

// Its whole first line is the magic words and a format number: a note that only starts with
// the words is somebody's text.
bool startsAsRecording(const fs::path& target) {
    std::ifstream in(target, std::ios::binary);
    std::string first;
    for (int c = 0; first.size() < 64 && (c = in.get()) != '\n' && c != EOF;) {
        first += static_cast<char>(c);
    }
    if (first.ends_with('\r')) {
        first.pop_back();
    }
    const std::string magic = std::string(kRecordingMagic) + " ";
    const std::string number = first.substr(std::min(first.size(), magic.size()));
    return first.starts_with(magic) && !number.empty() && number.size() < 10 &&
           std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The save and the checkpoints are written through ".NAME.tmp" beside them.
bool isTemporaryOf(const fs::path& target, const std::function<bool(const fs::path&)>& kept) {
    const std::string name = utf8(comparedPath(target.filename()));
    if (name.size() <= 5 || !name.starts_with('.') || !name.ends_with(".tmp")) {
        return false;
    }
    return kept(target.parent_path() / fromUtf8(name.substr(1, name.size() - 5)));
}

bool isSave(const fs::path& target) {
    return sameFile(target, "game.txt");
}

std::string refusal(const fs::path& target) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    // A name too long, a loop of links, a folder that may not be entered: nothing is known.
    if (ec && status.type() != fs::file_type::not_found) {
        return ec.message();
    }
    if (isSave(target)) {
        return "that is the saved game";
    }
    if (isCheckpoint(target)) {
        return "that is a checkpoint";
    }
    if (isTemporaryOf(target, isSave) || isTemporaryOf(target, isCheckpoint)) {
        return "the game saves through that file";
    }
    if (isUnder(target, fromUtf8(dataPath("dat")))) {
        return "that is in the game's data folder";
    }
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
    std::error_code ec;
    // A name that cannot be looked at is left to the writer, which says why.
    for (int n = 1; fs::exists(fromUtf8(name), ec); ++n) {
        name = path + "." + std::to_string(n) + ".part";
    }
    return name;
}

// A link is written through to the file it names, as the save is, so the link stays a link.
fs::path followLinks(fs::path path) {
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, ec); ++hops) {
        const fs::path to = fs::read_symlink(path, ec);
        if (ec) {
            break;
        }
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    return path;
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
    if (!t.refusal.empty()) {
        return t;
    }
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (!fs::exists(status) || fs::is_regular_file(status)) {
        t.path = utf8(followLinks(target));
        t.writeTo = besideTarget(t.path);
    }
    return t;
}

bool isInOwnFolder(const std::string& path, const fs::path& folder) {
    // In the page the table shares the game's own folder, which takes its recording too.
    return resolved(folder) != resolved(".") && isUnder(fromUtf8(path), folder);
}
