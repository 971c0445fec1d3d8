// What the recording tests and fuzzers share: a game written to a scratch file, and a text read
// whole.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "replay/recording_reader.h"
#include "replay/recording_writer.h"

struct Read {
    RecordingReader::HeaderResult result{};
    RecordingHeader header;
    std::vector<RecordedFrame> frames;
    RecordingReader::Next last{};
};

// Every frame the reader gives must keep within its caps, whatever the text.
inline Read readAll(const std::string& text) {
    std::istringstream in(text);
    RecordingReader reader(in);
    Read r;
    r.result = reader.readHeader(r.header);
    RecordedFrame f;
    while (r.result == RecordingReader::HeaderResult::Ok &&
           (r.last = reader.next(f)) == RecordingReader::Next::Frame) {
        if (f.inputs.size() > kMaxFrameInputs || f.clock.size() > kMaxFrameClockReadings ||
            f.digest.parts.size() != kDigestParts.size()) {
            std::abort();
        }
        r.frames.push_back(f);
    }
    return r;
}

inline std::string written(const RecordingHeader& h, const std::vector<RecordedFrame>& frames,
                           bool end) {
    const std::string path = "recording-" + std::to_string(::getpid()) + ".rec";
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
    file.close(); // Windows removes no open file
    std::filesystem::remove(path);
    return text;
}

// Whether the text reads back as the header, the frames as written (as many as are whole; all
// of them with the end mark), then the ending.
inline bool readsBack(const std::string& text, const RecordingHeader& h,
                      const std::vector<RecordedFrame>& frames, RecordingReader::Next ending) {
    const Read got = readAll(text);
    const RecordingHeader& g = got.header;
    bool same =
        got.result == RecordingReader::HeaderResult::Ok && got.last == ending &&
        (ending == RecordingReader::Next::End ? got.frames.size() == frames.size()
                                              : got.frames.size() <= frames.size()) &&
        std::tie(g.gameVersion, g.sim, g.flags, g.width, g.height, g.savedGame, g.clock, g.run) ==
            std::tie(h.gameVersion, h.sim, h.flags, h.width, h.height, h.savedGame, h.clock, h.run);
    for (std::size_t i = 0; same && i < got.frames.size(); ++i) {
        const RecordedFrame &f = got.frames[i], &w = frames[i];
        same = std::tie(f.number, f.inputs, f.clock, f.digest) ==
               std::tie(w.number, w.inputs, w.clock, w.digest);
    }
    return same;
}
