#include "replay/recording_reader.h"

#include "geometry/utc_date.h"
#include "platform/field_size.h"
#include "replay/recording_words.h"
#include "replay/recording_writer.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

constexpr std::size_t kMaxWords = 64;

// Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "\"" + a temporary string.
std::string inQuotes(const std::string& text) {
    std::string out = "\"";
    out.append(text, 0, 40).append(text.size() > 40 ? "...\"" : "\"");
    return out;
}

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
            sawEof = true;
            return line.size() > kMaxLineBytes ? (++lineNumber, tooLong()) : Line::Eof;
        }
        if (c == '\n') {
            ++lineNumber;
            // Mailed or edited on Windows: the writer never writes a bare carriage return.
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return line.size() > kMaxLineBytes ? tooLong() : Line::Ok;
        }
        if (line.size() > kMaxLineBytes) {
            ++lineNumber;
            return tooLong();
        }
        line += static_cast<char>(c);
    }
}

// Whatever follows is not read: the line's own tail would pass for a line of its own.
RecordingReader::Line RecordingReader::tooLong() {
    fail("a line over the " + std::to_string(kMaxLineBytes >> 20) + " MiB cap");
    return Line::TooLong;
}

bool RecordingReader::fail(const std::string& what) {
    if (failure.empty()) {
        failure = "line " + std::to_string(lineNumber) + ": " + what;
    }
    return false;
}

RecordingReader::HeaderResult RecordingReader::readHeader(RecordingHeader& h) {
    const std::string magic = std::string(kRecordingMagic) + " ";
    if (readLine() != Line::Ok || !startsWith(line, magic) ||
        !parseNumber(std::string_view(line).substr(magic.size()), declaredFormat)) {
        failure.clear();
        fail("not a void-angler recording");
        return HeaderResult::NotRecording;
    }
    if (declaredFormat != kRecordingFormat && declaredFormat != kRecordingFormatPlain) {
        fail("recording format " + std::to_string(declaredFormat));
        return HeaderResult::OtherFormat;
    }
    HeaderSeen seen;
    h.sim = kSimVersionUnwritten;
    for (;;) {
        const Line got = readLine();
        if (got == Line::Ok && startsWith(line, "frame ")) {
            havePending = true;
            return headerComplete(seen) ? HeaderResult::Ok : HeaderResult::Garbage;
        }
        if (got != Line::Ok || !readHeaderLine(h, seen)) {
            break;
        }
    }
    if (sawEof && failure.empty()) {
        fail("the recording stops before its first frame");
        return HeaderResult::CutOff;
    }
    fail("unexpected " + inQuotes(line));
    return HeaderResult::Garbage;
}

bool RecordingReader::headerComplete(const HeaderSeen& seen) {
    if (declaredFormat == kRecordingFormat && !seen.run) {
        return fail("the header lacks its run line");
    }
    if (!seen.game) {
        return fail("the header lacks its game line");
    }
    if (!seen.field) {
        return fail("the header lacks its field line");
    }
    return seen.saved || fail("the header lacks its saved line");
}

// One line of the header; each kind of line once, as the writer writes them.
bool RecordingReader::readHeaderLine(RecordingHeader& h, HeaderSeen& seen) {
    if (startsWith(line, "flag ")) {
        return readFlag(h);
    }
    std::vector<std::string_view> w;
    if (!splitWords(line, w, kMaxWords) || w.empty()) {
        return false;
    }
    // Printable, as the game writes its own: a carriage return at its end would be lost when
    // written again.
    if (w[0] == "game" && w.size() == 2 && !seen.game) {
        h.gameVersion = std::string(w[1]);
        seen.game = true;
        return std::all_of(w[1].begin(), w[1].end(), [](char c) { return c > ' ' && c < 0x7f; });
    }
    if (w[0] == "sim" && w.size() == 2 && !seen.sim) {
        seen.sim = true;
        return parseNumber(w[1], h.sim) && h.sim > 0;
    }
    // Only format 2 has one, so a game reading format 1 alone never mistakes a run for a game.
    if (w[0] == "run" && declaredFormat == kRecordingFormat && !seen.run) {
        seen.run = true;
        return readRun(w, h);
    }
    if (w[0] == "field" && w.size() == 3 && !seen.field) {
        seen.field = true;
        return readField(w, h);
    }
    if (w[0] == "saved" && w.size() == 2 && !seen.saved) {
        seen.saved = true;
        return w[1] == "none" || (w[1] == "file" && readSavedGame(h));
    }
    if (w[0] == "clock" && w.size() == 2) {
        if (h.clock.size() == kMaxFrameClockReadings) {
            return fail("the start-up is over its clock reading cap");
        }
        return parseNumber(w[1], h.clock.emplace_back());
    }
    return false;
}

bool RecordingReader::readField(const std::vector<std::string_view>& w, RecordingHeader& h) {
    if (!parseNumber(w[1], h.width) || !parseNumber(w[2], h.height)) {
        return fail("a field line it cannot read");
    }
    // The game plays no smaller field, so it never wrote one.
    const auto fits = [](int side, int least) { return side >= least && side <= kMaxFieldSide; };
    return (fits(h.width, kMinFieldWidth) && fits(h.height, kMinFieldHeight)) ||
           fail("a field of " + std::to_string(h.width) + " x " + std::to_string(h.height) +
                ": the game plays " + std::to_string(kMinFieldWidth) + " x " +
                std::to_string(kMinFieldHeight) + " to " + std::to_string(kMaxFieldSide) + " x " +
                std::to_string(kMaxFieldSide));
}

bool RecordingReader::readRun(const std::vector<std::string_view>& w, RecordingHeader& h) {
    if (w.size() == 2 && w[1] == "arcade") {
        h.run = ArcadeRun{};
        return true;
    }
    if (w.size() == 3 && w[1] == "daily" && utcMidnightOf(std::string(w[2]))) {
        h.run = ArcadeRun{ArcadeRun::Kind::Daily, std::string(w[2])};
        return true;
    }
    return fail("a run line it cannot read");
}

bool RecordingReader::readFlag(RecordingHeader& h) {
    if (h.flags.size() == kMaxFlags) {
        return fail("more flags than a recording keeps");
    }
    std::string flag;
    if (!unescape(std::string_view(line).substr(5), flag) || !isRecordedFlag(flag)) {
        return fail("the flag " + inQuotes(line.substr(5)) + " is not one a recording keeps");
    }
    if (escapeBytes(flag).size() > kMaxFlagBytes) {
        return fail("a flag over its " + std::to_string(kMaxFlagBytes >> 10) + " KiB cap");
    }
    h.flags.push_back(std::move(flag));
    return true;
}

bool RecordingReader::readSavedGame(RecordingHeader& h) {
    h.savedGame.emplace();
    while (readLine() == Line::Ok) {
        if (!startsWith(line, "| ")) {
            havePending = true;
            return true;
        }
        if (!unescape(std::string_view(line).substr(2), *h.savedGame)) {
            return fail("a saved-game line that does not decode");
        }
        if (h.savedGame->size() > kMaxSavedGameBytes) {
            return fail("the saved game is over its " + std::to_string(kMaxSavedGameBytes >> 20) +
                        " MiB cap");
        }
    }
    return false;
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
            return afterEnd();
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
    return readFrameBody(f);
}

RecordingReader::Next RecordingReader::readFrameBody(RecordedFrame& f) {
    presses.clear();
    for (bool done = false; !done;) {
        const Line l = readLine();
        if (l == Line::Eof) {
            return Next::Truncated;
        }
        if (l == Line::TooLong || !readFrameLine(f, done)) {
            fail("frame " + std::to_string(f.number) +
                 " holds a line it cannot read: " + inQuotes(line));
            return Next::Garbage;
        }
    }
    lastFrame = f.number;
    return Next::Frame;
}

// The end mark is the file's last line.
RecordingReader::Next RecordingReader::afterEnd() {
    if (readLine() == Line::Eof && line.empty()) {
        return Next::End;
    }
    fail("a line after the end mark");
    return Next::Garbage;
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
    PlayerInput& in = f.inputs.emplace_back();
    if (!parseInput(w, in)) {
        return false;
    }
    if (in.kind == PlayerInput::Kind::Key && in.down &&
        ++presses[in.code] > kMaxKeyPressesPerFrame) {
        return fail("frame " + std::to_string(f.number) + " presses key " +
                    std::to_string(in.code) + " more than " +
                    std::to_string(kMaxKeyPressesPerFrame) + " times");
    }
    return true;
}
