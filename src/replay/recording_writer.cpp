#include "replay/recording_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "geometry/utf8_path.h"

namespace {
std::string hex32(std::uint32_t v) {
    char buf[9];
    std::snprintf(buf, sizeof buf, "%08x", v);
    return buf;
}
} // namespace

std::string formatInput(const PlayerInput& in) {
    switch (in.kind) {
    case PlayerInput::Kind::Key:
        return "key " + std::to_string(in.code) + (in.down ? " down" : " up") +
               (in.repeat ? " repeat" : "");
    case PlayerInput::Kind::Mouse:
        return "mouse " + std::to_string(in.code) + (in.down ? " down " : " up ") +
               std::to_string(in.x) + " " + std::to_string(in.y);
    case PlayerInput::Kind::Quit:
        break;
    }
    return "quit";
}

std::string escapeBytes(const std::string& bytes) {
    std::string out;
    for (char ch : bytes) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\n') {
            out += "\\n";
        } else if (c < 0x20 || c > 0x7e || c == '\\') {
            char buf[5];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        } else {
            out += ch;
        }
    }
    return out;
}

bool isRecordedFlag(const std::string& flag) {
    return flag == "-test" || flag == "-demo_mode" || flag.starts_with("-run_lvl=");
}

// A stream on a path made from UTF-8: Windows' fopen would read the name as ANSI.
RecordingWriter::RecordingWriter(const std::string& name)
    : path(name), file(fromUtf8(name), std::ios::binary | std::ios::trunc) {
    if (!file.is_open()) {
        failure = std::strerror(errno);
    }
}

// Nothing after a failure: a frame after a lost one would not read as the game played.
void RecordingWriter::put(const std::string& text) {
    if (!file.is_open() || !failure.empty()) {
        return;
    }
    if (limit != 0 && written + text.size() > limit) {
        failure = "it reached its limit of " + (limit % (1u << 20) == 0
                                                    ? std::to_string(limit >> 20) + " MiB"
                                                    : std::to_string(limit) + " bytes");
        return;
    }
    written += text.size();
    // Written by length: a version or flag read from a file may hold a NUL byte.
    if (!file.write(text.data(), static_cast<std::streamsize>(text.size()))) {
        failure = std::strerror(errno);
    }
}

void RecordingWriter::flush() {
    if (file.is_open() && !file.flush() && failure.empty()) {
        failure = std::strerror(errno);
    }
}

void RecordingWriter::writeHeader(const RecordingHeader& h) {
    const int format = h.run ? kRecordingFormat : kRecordingFormatPlain;
    put(std::string(kRecordingMagic) + " " + std::to_string(format) + "\n");
    put("game " + h.gameVersion + "\n");
    put("sim " + std::to_string(h.sim) + "\n");
    if (h.run) {
        put(h.run->kind == ArcadeRun::Kind::Daily ? "run daily " + h.run->date + "\n"
                                                  : "run arcade\n");
    }
    for (const std::string& flag : h.flags) {
        put("flag " + escapeBytes(flag) + "\n");
    }
    put("field " + std::to_string(h.width) + " " + std::to_string(h.height) + "\n");
    if (!h.savedGame) {
        put("saved none\n");
    } else {
        put("saved file\n");
        // One line of the file per line here, so a diff shows which line changed; a very
        // long one in pieces, each within the reader's line cap.
        std::size_t start = 0;
        while (start < h.savedGame->size()) {
            std::size_t end = h.savedGame->find('\n', start);
            end = end == std::string::npos ? h.savedGame->size() : end + 1;
            end = std::min(end, start + kSavedGameChunkBytes);
            put("| " + escapeBytes(h.savedGame->substr(start, end - start)) + "\n");
            start = end;
        }
    }
    for (std::int64_t t : h.clock) {
        put("clock " + std::to_string(t) + "\n");
    }
    flush();
}

void RecordingWriter::writeFrame(const RecordedFrame& f) {
    std::string text;
    text.reserve(256 + f.digest.rocks.size());
    text.append("frame ").append(std::to_string(f.number)).append("\n");
    for (const PlayerInput& in : f.inputs) {
        text.append(formatInput(in)).append("\n");
    }
    for (std::int64_t t : f.clock) {
        text.append("clock ").append(std::to_string(t)).append("\n");
    }
    if (!f.digest.rocks.empty()) {
        text.append("rocks ").append(f.digest.rocks).append("\n");
    }
    text.append("digest");
    for (const auto& [key, value] : f.digest.parts) {
        text.append(" ").append(key).append("=").append(hex32(value));
    }
    put(text.append("\n"));
    flush();
}

void RecordingWriter::moveTo(const std::string& target) {
    if (!file.is_open()) {
        return;
    }
    flush();
    // Closed first: Windows renames no open file.
    file.close();
    std::error_code ec;
    std::filesystem::rename(fromUtf8(path), fromUtf8(target), ec);
    if (ec) {
        failure = ec.message();
        return;
    }
    path = target;
    file.open(fromUtf8(path), std::ios::binary | std::ios::app);
    if (!file.is_open() && failure.empty()) {
        failure = std::strerror(errno);
    }
}

void RecordingWriter::writeEnd(std::uint32_t frames) {
    put("end " + std::to_string(frames) + "\n");
    flush();
}
