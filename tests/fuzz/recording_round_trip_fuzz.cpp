// A fuzzed game, as the recorder would write it: any flags a recording keeps, any field, any
// saved game, frames of any inputs and clock readings; written, then read. It must read back
// whole, with the verdict its ending gives: in sync with the end mark, cut off when the file
// stops anywhere after its first frame (never damaged).
#include <fuzzer/FuzzedDataProvider.h>

#include "geometry/utc_date.h"
#include "platform/field_size.h"
#include "recording_fuzz_kit.h"

namespace {

template <typename T> std::vector<T> some(FuzzedDataProvider& in, int most, auto make) {
    std::vector<T> items(in.ConsumeIntegralInRange(0, most));
    for (T& item : items) {
        item = make();
    }
    return items;
}

RecordingHeader fuzzedHeader(FuzzedDataProvider& in) {
    RecordingHeader h{"1.0.0", kSimVersion, some<std::string>(in, 4, [&] {
                          const std::string flags[] = {"-test", "-demo_mode", "-run_lvl="};
                          const std::string flag = flags[in.ConsumeIntegralInRange(0, 2)];
                          return flag.ends_with('=') ? flag + in.ConsumeRandomLengthString(64)
                                                     : flag;
                      })};
    h.width = in.ConsumeIntegralInRange(kMinFieldWidth, kMaxFieldSide);
    h.height = in.ConsumeIntegralInRange(kMinFieldHeight, kMaxFieldSide);
    if (in.ConsumeBool()) {
        h.savedGame = in.ConsumeRandomLengthString(1 << 12);
    }
    h.clock = some<std::int64_t>(in, 3, [&] { return in.ConsumeIntegral<std::int64_t>(); });
    if (in.ConsumeBool()) {
        // Any day of the years a date line holds.
        const bool daily = in.ConsumeBool();
        h.run = ArcadeRun{daily ? ArcadeRun::Kind::Daily : ArcadeRun::Kind::Arcade,
                          daily ? utcDateOf(86400LL * in.ConsumeIntegralInRange(0, 2932896)) : ""};
    }
    return h;
}

RecordedFrame fuzzedFrame(FuzzedDataProvider& in, std::uint32_t number) {
    RecordedFrame f{number};
    f.inputs = some<PlayerInput>(in, 8, [&] {
        const auto kind = in.PickValueInArray(
            {PlayerInput::Kind::Key, PlayerInput::Kind::Mouse, PlayerInput::Kind::Quit});
        const bool mouse = kind == PlayerInput::Kind::Mouse, quit = kind == PlayerInput::Kind::Quit;
        // Only what the platform makes: the writer is never given more.
        return PlayerInput{kind,
                           quit    ? 0
                           : mouse ? in.ConsumeIntegralInRange(kMinMouseButton, kMaxMouseButton)
                                   : in.ConsumeIntegralInRange(0, kMaxKeyCode),
                           !quit && in.ConsumeBool(),
                           kind == PlayerInput::Kind::Key && in.ConsumeBool(),
                           mouse ? in.ConsumeIntegral<int>() : 0,
                           mouse ? in.ConsumeIntegral<int>() : 0};
    });
    f.clock = some<std::int64_t>(in, 4, [&] { return in.ConsumeIntegral<std::int64_t>(); });
    for (const char* part : kDigestParts) {
        f.digest.parts.emplace_back(part, in.ConsumeIntegral<std::uint32_t>());
    }
    f.digest.rocks = in.ConsumeBool() ? "0af9" : "";
    return f;
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
    // Only frame 1's digest line starts with "digest": saved-game lines start with "| ".
    const std::size_t firstFrameEnd = text.find('\n', text.find("\ndigest") + 1) + 1;
    const std::size_t cut = in.ConsumeIntegralInRange(firstFrameEnd, text.size());
    if (!readsBack(text, h, frames,
                   end ? RecordingReader::Next::End : RecordingReader::Next::Truncated) ||
        !readsBack(text.substr(0, cut), h, frames,
                   end && cut == text.size() ? RecordingReader::Next::End
                                             : RecordingReader::Next::Truncated)) {
        std::abort();
    }
    return 0;
}
