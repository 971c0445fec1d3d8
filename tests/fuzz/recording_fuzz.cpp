// Feeds arbitrary bytes to the recording reader: it must end every input with a
// result (never a crash, a hang or an allocation sized by the file), keep each frame
// within its caps, and whatever it accepted must survive being written and read again.
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

struct Read {
    RecordingReader::HeaderResult result{};
    RecordingHeader header;
    std::vector<RecordedFrame> frames;
    RecordingReader::Next last{};
};

Read readAll(const std::string& text) {
    std::istringstream in(text);
    RecordingReader reader(in);
    Read r;
    r.result = reader.readHeader(r.header);
    if (r.result != RecordingReader::HeaderResult::Ok) {
        return r;
    }
    RecordedFrame f;
    while ((r.last = reader.next(f)) == RecordingReader::Next::Frame) {
        if (f.inputs.size() > kMaxFrameInputs || f.clock.size() > kMaxFrameClockReadings) {
            std::abort();
        }
        r.frames.push_back(f);
    }
    return r;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Read first = readAll(std::string(reinterpret_cast<const char*>(data), size));
    // A recording always holds a frame: the writer starts it with the first one.
    if (first.result != RecordingReader::HeaderResult::Ok || first.frames.empty()) {
        return 0;
    }
    const std::string path = "recording-" + std::to_string(::getpid()) + ".rec";
    {
        RecordingWriter writer(path);
        writer.writeHeader(first.header);
        for (const RecordedFrame& f : first.frames) {
            writer.writeFrame(f);
        }
        writer.writeEnd(static_cast<std::uint32_t>(first.frames.size()));
    }
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    std::filesystem::remove(path);
    const Read again = readAll(text);
    bool same =
        again.result == RecordingReader::HeaderResult::Ok &&
        again.last == RecordingReader::Next::End && again.frames.size() == first.frames.size() &&
        again.header.savedGame == first.header.savedGame &&
        again.header.clock == first.header.clock && again.header.flags == first.header.flags;
    for (std::size_t i = 0; same && i < first.frames.size(); ++i) {
        same = again.frames[i].inputs == first.frames[i].inputs &&
               again.frames[i].clock == first.frames[i].clock &&
               again.frames[i].digest == first.frames[i].digest;
    }
    if (!same) {
        std::abort();
    }
    return 0;
}
