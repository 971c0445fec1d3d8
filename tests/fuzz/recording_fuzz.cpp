// Feeds arbitrary bytes to the recording reader: it must end every input with a
// result (never a crash, a hang or an allocation sized by the file), keep each frame
// within its caps, and whatever it accepted must survive being written and read again.
#include "recording_fuzz_kit.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Read first = readAll(std::string(reinterpret_cast<const char*>(data), size));
    // A recording always holds a frame: the writer starts it with the first one.
    if (first.result == RecordingReader::HeaderResult::Ok && !first.frames.empty() &&
        !readsBack(written(first.header, first.frames, true), first.header, first.frames,
                   RecordingReader::Next::End)) {
        std::abort();
    }
    return 0;
}
