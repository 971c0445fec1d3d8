// A fuzzed game, as the recorder would write it: any flags a recording keeps, any field, any
// saved game, frames of any inputs and clock readings up to the caps; written, then read.
// Whatever the writer wrote must read back whole, with the verdict its ending gives: the end
// mark, or a file cut off anywhere (only ever "cut off", never damaged).
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

#include "replay/recording_reader.h"
#include "replay/recording_writer.h"

namespace {

constexpr const char* kParts[] = {"rng", "tick", "ship.pos", "rocks", "score", "portal"};

RecordingHeader fuzzedHeader(FuzzedDataProvider& in) {
    RecordingHeader h;
    h.gameVersion = "1.0.0";
    for (int n = in.ConsumeIntegralInRange(0, 4); n > 0; --n) {
        const int kind = in.ConsumeIntegralInRange(0, 2);
        h.flags.push_back(kind == 0   ? "-test"
                          : kind == 1 ? "-demo_mode"
                                      : "-run_lvl=" + in.ConsumeRandomLengthString(64));
    }
    h.width = in.ConsumeIntegralInRange(1, 16384);
    h.height = in.ConsumeIntegralInRange(1, 16384);
    if (in.ConsumeBool()) {
        h.savedGame = in.ConsumeRandomLengthString(1 << 12);
    }
    for (int n = in.ConsumeIntegralInRange(0, 3); n > 0; --n) {
        h.clock.push_back(in.ConsumeIntegral<std::int64_t>());
    }
    return h;
}

PlayerInput fuzzedInput(FuzzedDataProvider& in) {
    PlayerInput p;
    p.kind = in.PickValueInArray(
        {PlayerInput::Kind::Key, PlayerInput::Kind::Mouse, PlayerInput::Kind::Quit});
    if (p.kind == PlayerInput::Kind::Quit) {
        return p;
    }
    p.code = in.ConsumeIntegral<decltype(p.code)>();
    p.down = in.ConsumeBool();
    if (p.kind == PlayerInput::Kind::Key) {
        p.repeat = in.ConsumeBool();
    } else {
        p.x = in.ConsumeIntegral<decltype(p.x)>();
        p.y = in.ConsumeIntegral<decltype(p.y)>();
    }
    return p;
}

RecordedFrame fuzzedFrame(FuzzedDataProvider& in, std::uint32_t number) {
    RecordedFrame f;
    f.number = number;
    for (int n = in.ConsumeIntegralInRange(0, 8); n > 0; --n) {
        f.inputs.push_back(fuzzedInput(in));
    }
    for (int n = in.ConsumeIntegralInRange(0, 4); n > 0; --n) {
        f.clock.push_back(in.ConsumeIntegral<std::int64_t>());
    }
    for (const char* part : kParts) {
        f.digest.parts.emplace_back(part, in.ConsumeIntegral<std::uint32_t>());
    }
    for (int n = in.ConsumeIntegralInRange(0, 6); n > 0; --n) {
        f.digest.rocks += "0123456789abcdef"[in.ConsumeIntegralInRange(0, 15)];
    }
    return f;
}

std::string written(const RecordingHeader& h, const std::vector<RecordedFrame>& frames, bool end) {
    const std::string path = "round-trip-" + std::to_string(::getpid()) + ".rec";
    {
        RecordingWriter writer(path);
        writer.writeHeader(h);
        for (const RecordedFrame& f : frames) {
            writer.writeFrame(f);
        }
        if (end) {
            writer.writeEnd(static_cast<std::uint32_t>(frames.size()));
        }
    }
    std::ifstream file(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), {});
    std::filesystem::remove(path);
    return text;
}

bool sameFrame(const RecordedFrame& a, const RecordedFrame& b) {
    return a.number == b.number && a.inputs == b.inputs && a.clock == b.clock &&
           a.digest == b.digest;
}

// Reads the text back: every frame whole and equal, then the expected ending.
void readBack(const std::string& text, const RecordingHeader& h,
              const std::vector<RecordedFrame>& frames, bool end) {
    std::istringstream in(text);
    RecordingReader reader(in);
    RecordingHeader got;
    if (reader.readHeader(got) != RecordingReader::HeaderResult::Ok ||
        std::tie(got.gameVersion, got.flags, got.width, got.height, got.savedGame, got.clock) !=
            std::tie(h.gameVersion, h.flags, h.width, h.height, h.savedGame, h.clock)) {
        std::abort();
    }
    RecordedFrame f;
    for (const RecordedFrame& want : frames) {
        if (reader.next(f) != RecordingReader::Next::Frame || !sameFrame(f, want)) {
            std::abort();
        }
    }
    const RecordingReader::Next last = reader.next(f);
    if (last != (end ? RecordingReader::Next::End : RecordingReader::Next::Truncated)) {
        std::abort();
    }
}

// The file cut anywhere after its first frame: the frames before the cut, then "cut off".
void readCut(const std::string& text, std::size_t at) {
    std::istringstream in(text.substr(0, at));
    RecordingReader reader(in);
    RecordingHeader got;
    if (reader.readHeader(got) != RecordingReader::HeaderResult::Ok) {
        std::abort();
    }
    RecordedFrame f;
    RecordingReader::Next next;
    while ((next = reader.next(f)) == RecordingReader::Next::Frame) {
    }
    if (next != RecordingReader::Next::Truncated && next != RecordingReader::Next::End) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const RecordingHeader h = fuzzedHeader(in);
    std::vector<RecordedFrame> frames;
    for (std::uint32_t n = 1, count = in.ConsumeIntegralInRange(1, 6); n <= count; ++n) {
        frames.push_back(fuzzedFrame(in, n));
    }
    const bool end = in.ConsumeBool();
    const std::string text = written(h, frames, end);
    readBack(text, h, frames, end);
    // Only frame 1's digest line starts with "digest": saved-game lines start with "| ".
    const std::size_t firstFrameEnd = text.find('\n', text.find("\ndigest") + 1) + 1;
    readCut(text, in.ConsumeIntegralInRange(firstFrameEnd, text.size()));
    return 0;
}
