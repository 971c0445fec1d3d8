#include "replay/recording_reader.h"

#include <charconv>
#include <string_view>

namespace {

template <typename T> bool parseNumber(std::string_view text, T& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && !text.empty();
}

// Splits at single spaces; at most `limit` words, else false.
bool splitWords(std::string_view text, std::vector<std::string_view>& words, std::size_t limit) {
    words.clear();
    while (!text.empty()) {
        const std::size_t sp = text.find(' ');
        if (words.size() == limit) {
            return false;
        }
        words.push_back(text.substr(0, sp));
        if (sp == std::string_view::npos) {
            break;
        }
        text.remove_prefix(sp + 1);
    }
    return true;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

bool unescape(std::string_view text, std::string& out) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == 'n') {
            out += '\n';
            ++i;
        } else if (i + 3 < text.size() && text[i + 1] == 'x' && hexValue(text[i + 2]) >= 0 &&
                   hexValue(text[i + 3]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 2]) * 16 + hexValue(text[i + 3]));
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

bool parseInput(const std::vector<std::string_view>& w, PlayerInput& in) {
    const bool upOrDown = w.size() > 2 && (w[2] == "down" || w[2] == "up");
    in = PlayerInput{};
    if (w[0] == "quit" && w.size() == 1) {
        return true;
    }
    if (w[0] == "key" && upOrDown && (w.size() == 3 || (w.size() == 4 && w[3] == "repeat"))) {
        in.kind = PlayerInput::Kind::Key;
        in.down = w[2] == "down";
        in.repeat = w.size() == 4;
        return parseNumber(w[1], in.code);
    }
    if (w[0] == "mouse" && upOrDown && w.size() == 5) {
        in.kind = PlayerInput::Kind::Mouse;
        in.down = w[2] == "down";
        return parseNumber(w[1], in.code) && parseNumber(w[3], in.x) && parseNumber(w[4], in.y);
    }
    return false;
}

bool parseDigest(const std::vector<std::string_view>& w, StateDigest& d) {
    for (std::size_t i = 1; i < w.size(); ++i) {
        const std::size_t eq = w[i].find('=');
        std::uint32_t value = 0;
        if (eq == std::string_view::npos || eq == 0) {
            return false;
        }
        std::string_view hex = w[i].substr(eq + 1);
        const char* end = hex.data() + hex.size();
        auto [ptr, ec] = std::from_chars(hex.data(), end, value, 16);
        if (ec != std::errc() || ptr != end || hex.empty()) {
            return false;
        }
        d.parts.emplace_back(std::string(w[i].substr(0, eq)), value);
    }
    return !d.parts.empty();
}

constexpr std::size_t kMaxWords = 64;

} // namespace

RecordingReader::RecordingReader(std::istream& stream) : in(stream) {}

RecordingReader::Line RecordingReader::readLine() {
    if (havePending) {
        havePending = false;
        return Line::Ok;
    }
    line.clear();
    std::streambuf* buf = in.rdbuf();
    for (;;) {
        const int c = buf->sbumpc();
        if (c == std::char_traits<char>::eof()) {
            // A last line without its line end is a cut-off write: not a whole line.
            return Line::Eof;
        }
        if (c == '\n') {
            ++lineNumber;
            return Line::Ok;
        }
        if (line.size() == kMaxLineBytes) {
            return Line::TooLong;
        }
        line += static_cast<char>(c);
    }
}

bool RecordingReader::fail(const std::string& what) {
    failure = "line " + std::to_string(lineNumber) + ": " + what;
    return false;
}

RecordingReader::HeaderResult RecordingReader::readHeader(RecordingHeader& h) {
    const std::string magic = std::string(kRecordingMagic) + " ";
    if (readLine() != Line::Ok || !startsWith(line, magic) ||
        !parseNumber(std::string_view(line).substr(magic.size()), declaredFormat)) {
        fail("not a void-angler recording");
        return HeaderResult::Garbage;
    }
    if (declaredFormat != kRecordingFormat) {
        fail("recording format " + std::to_string(declaredFormat));
        return HeaderResult::OtherFormat;
    }
    bool haveGame = false, haveField = false, haveSaved = false, haveSim = false;
    h.sim = kSimVersionUnwritten;
    std::vector<std::string_view> w;
    while (readLine() == Line::Ok) {
        if (startsWith(line, "frame ")) {
            havePending = true;
            if (!haveGame || !haveField || !haveSaved) {
                fail("the header lacks its game, field or saved line");
                return HeaderResult::Garbage;
            }
            return HeaderResult::Ok;
        }
        bool ok = splitWords(line, w, kMaxWords) && !w.empty();
        if (ok && w[0] == "game" && w.size() == 2 && !haveGame) {
            h.gameVersion = std::string(w[1]);
            haveGame = true;
        } else if (ok && w[0] == "sim" && w.size() == 2 && !haveSim) {
            ok = parseNumber(w[1], h.sim) && h.sim > 0;
            haveSim = true;
        } else if (ok && startsWith(line, "flag ") && h.flags.size() < kMaxWords) {
            h.flags.emplace_back(line.substr(5));
        } else if (ok && w[0] == "field" && w.size() == 3 && !haveField) {
            ok = parseNumber(w[1], h.width) && parseNumber(w[2], h.height) && h.width > 0 &&
                 h.height > 0 && h.width <= 16384 && h.height <= 16384;
            haveField = true;
        } else if (ok && w[0] == "saved" && w.size() == 2 && !haveSaved) {
            haveSaved = true;
            ok = w[1] == "none" || (w[1] == "file" && readSavedGame(h));
        } else if (ok && w[0] == "clock" && w.size() == 2 &&
                   h.clock.size() < kMaxFrameClockReadings) {
            ok = parseNumber(w[1], h.clock.emplace_back());
        } else {
            ok = false;
        }
        if (!ok) {
            if (failure.empty()) {
                fail("unexpected \"" + line.substr(0, 40) + "\"");
            }
            return HeaderResult::Garbage;
        }
    }
    fail("the recording has no frames");
    return HeaderResult::Garbage;
}

bool RecordingReader::readSavedGame(RecordingHeader& h) {
    h.savedGame.emplace();
    while (readLine() == Line::Ok) {
        if (!startsWith(line, "| ")) {
            havePending = true;
            return true;
        }
        if (!unescape(std::string_view(line).substr(2), *h.savedGame) ||
            h.savedGame->size() > kMaxSavedGameBytes) {
            return fail("a saved-game line that does not decode, or too much of it");
        }
    }
    return true;
}

RecordingReader::Next RecordingReader::next(RecordedFrame& f) {
    f = RecordedFrame{};
    const Line got = readLine();
    if (got == Line::Eof) {
        return Next::Truncated;
    }
    std::vector<std::string_view> w;
    if (got == Line::TooLong || !splitWords(line, w, 2) || w.size() != 2) {
        fail("expected a frame or the end mark");
        return Next::Garbage;
    }
    std::uint32_t n = 0;
    if (!parseNumber(w[1], n) || n != lastFrame + 1) {
        if (w[0] == "end" && parseNumber(w[1], n) && n == lastFrame) {
            return Next::End;
        }
        fail("expected frame " + std::to_string(lastFrame + 1) + " or \"end " +
             std::to_string(lastFrame) + "\"");
        return Next::Garbage;
    }
    if (w[0] != "frame") {
        fail("expected a frame");
        return Next::Garbage;
    }
    f.number = n;
    for (bool done = false; !done;) {
        const Line l = readLine();
        if (l == Line::Eof) {
            return Next::Truncated;
        }
        if (l == Line::TooLong || !readFrameLine(f, done)) {
            if (failure.empty()) {
                fail("frame " + std::to_string(n) + " holds a line it should not");
            }
            return Next::Garbage;
        }
    }
    lastFrame = n;
    return Next::Frame;
}

bool RecordingReader::readFrameLine(RecordedFrame& f, bool& done) {
    std::vector<std::string_view> w;
    if (!splitWords(line, w, kMaxWords) || w.empty()) {
        return false;
    }
    if (w[0] == "clock" && w.size() == 2) {
        if (f.clock.size() == kMaxFrameClockReadings) {
            return fail("frame " + std::to_string(f.number) + " is over its clock reading cap");
        }
        return parseNumber(w[1], f.clock.emplace_back());
    }
    if (w[0] == "rocks" && w.size() == 2 && f.digest.rocks.empty()) {
        f.digest.rocks = std::string(w[1]);
        return f.digest.rocks.find_first_not_of("0123456789abcdef") == std::string::npos;
    }
    if (w[0] == "digest") {
        done = true;
        return parseDigest(w, f.digest);
    }
    if (f.inputs.size() == kMaxFrameInputs) {
        return fail("frame " + std::to_string(f.number) + " is over its input cap");
    }
    return parseInput(w, f.inputs.emplace_back());
}
