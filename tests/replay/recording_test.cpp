#include <sstream>

#include "replay/recording_reader.h"
#include "replay/recording_writer.h"
#include "support/kit.h"

namespace fs = std::filesystem;

namespace {

RecordingHeader sampleHeader() {
    RecordingHeader h;
    h.gameVersion = "1.0.0";
    h.flags = {"-test", "-run_lvl=3"};
    h.width = 640;
    h.height = 480;
    // Every kind of byte a hand-edited file may hold, and no line end at the end.
    h.savedGame = std::string("a=1\r\nback\\slash\n\n") + '\0' + "\xff=\x7f" + "tail";
    h.clock = {1700000000, -5};
    return h;
}

RecordedFrame sampleFrame(std::uint32_t n) {
    RecordedFrame f;
    f.number = n;
    f.inputs = {{PlayerInput::Kind::Key, 44, true, true},
                {PlayerInput::Kind::Mouse, 3, false, false, -2, 700},
                {PlayerInput::Kind::Quit}};
    f.clock = {1700000001};
    f.digest.parts = {{"rng", 0xdeadbeef}, {"rocks", 2}};
    f.digest.rocks = "0a1f";
    return f;
}

std::string writeSample(int frames, bool end) {
    const fs::path path = fs::current_path() / "sample.rec";
    {
        RecordingWriter w(path.string());
        w.writeHeader(sampleHeader());
        for (int i = 1; i <= frames; ++i) {
            w.writeFrame(sampleFrame(static_cast<std::uint32_t>(i)));
        }
        if (end) {
            w.writeEnd(static_cast<std::uint32_t>(frames));
        }
    }
    return readFile(path);
}

// What reading the text gives: the header's result, then each frame's, in order.
std::string readAll(const std::string& text, std::string* error = nullptr) {
    std::istringstream in(text);
    RecordingReader r(in);
    RecordingHeader h;
    std::string trace = std::to_string(static_cast<int>(r.readHeader(h)));
    RecordedFrame f;
    for (int i = 0; i < 10 && (trace.back() == '0' || trace.back() == 'F'); ++i) {
        trace += "FETG"[static_cast<int>(r.next(f))];
    }
    if (error != nullptr) {
        *error = r.error();
    }
    return trace;
}

} // namespace

TEST(RecordingTest, EveryFieldComesBackAsWrittenAndTheEndMarkClosesIt) {
    WorkDir dir;
    std::istringstream in(writeSample(2, true));
    RecordingReader r(in);
    RecordingHeader h;
    ASSERT_EQ(r.readHeader(h), RecordingReader::HeaderResult::Ok) << r.error();
    const RecordingHeader want = sampleHeader();
    EXPECT_EQ(std::tie(h.gameVersion, h.sim, h.flags, h.width, h.height, h.savedGame, h.clock),
              std::tie(want.gameVersion, want.sim, want.flags, want.width, want.height,
                       want.savedGame, want.clock));
    RecordedFrame f;
    for (std::uint32_t n = 1; n <= 2; ++n) {
        ASSERT_EQ(r.next(f), RecordingReader::Next::Frame) << r.error();
        const RecordedFrame expected = sampleFrame(n);
        EXPECT_EQ(std::tie(f.number, f.inputs, f.clock, f.digest),
                  std::tie(expected.number, expected.inputs, expected.clock, expected.digest));
    }
    EXPECT_EQ(r.next(f), RecordingReader::Next::End);
    EXPECT_EQ(r.framesRead(), 2u);
}

TEST(RecordingTest, CutOffAndDamagedFilesAreToldApartWithoutReadingPastACap) {
    WorkDir dir;
    const std::string whole = writeSample(2, true);
    const std::size_t frame2 = whole.find("frame 2");
    std::string clocks;
    for (std::size_t i = 0; i <= kMaxFrameClockReadings; ++i) {
        clocks += "clock 1\n";
    }
    const std::string head = "void-angler recording 1\ngame 1\nfield 1 1\n";
    // 0 header ok, 1 garbage, 2 other format; then F frame, E end, T truncated, G garbage.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {head + "saved none\n" + clocks + "frame 1\n", "1"},
        {head + "saved file\n| a\\\nframe 1\n", "1"}, // an escape cut off
        {"void-angler recording 1\ngame 1\nsize 1 1\nfield 1 1\nsaved none\nframe 1\n", "1"},
        {whole.substr(0, frame2) + "frame 2\n" + clocks + "digest rng=1\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\nzzz 12\ndigest rng=1\n", "0FG"},
        {whole, "0FFE"},
        {writeSample(2, false), "0FFT"},
        {whole.substr(0, frame2 + 4), "0FT"},        // half a frame line
        {whole.substr(0, whole.size() - 4), "0FFT"}, // the end mark cut mid-line
        {"", "1"},
        {"void-angler recording 2\n", "2"},
        {"void-angler recording 1\ngame 1.0.0\nfield 1 1\nsaved none\n", "1"}, // no frames
        {"void-angler recording 1\ngame 1.0.0\nfield 0 1\nsaved none\nframe 1\n", "1"},
        {"void-angler recording 1\ngame 1.0.0\nsaved none\nframe 1\n", "1"}, // no field
        {"void-angler recording 1\ngame 1\nfield 1 1\nsaved file\n| \\q\nframe 1\n", "1"},
        {head + "sim 0\nsaved none\nframe 1\n", "1"},
        {head + "sim two\nsaved none\nframe 1\n", "1"},
        {head + "sim 2\nsim 2\nsaved none\nframe 1\n", "1"},
        {whole.substr(0, frame2) + "frame 3\n", "0FG"},
        {whole.substr(0, frame2) + "end 2\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\nkey x down\ndigest rng=1\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\nmouse 1 down 5\ndigest rng=1\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\ndigest rng=123456789\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\nrocks 0g\ndigest rng=1\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\n" + std::string(kMaxLineBytes + 1, 'k'), "0FG"},
    };
    for (const auto& [text, trace] : cases) {
        EXPECT_EQ(readAll(text), trace) << text.substr(0, 120);
    }
    std::string crowded = whole.substr(0, frame2) + "frame 2\n";
    for (std::size_t i = 0; i <= kMaxFrameInputs; ++i) {
        crowded += "quit\n";
    }
    std::string error;
    EXPECT_EQ(readAll(crowded + "digest rng=1\n", &error), "0FG");
    EXPECT_NE(error.find("frame 2 is over its input cap"), std::string::npos) << error;
}

TEST(RecordingTest, TheFirstDifferingPartIsNamedDownToTheRock) {
    StateDigest a;
    a.parts = {{"rng", 1}, {"rocks", 3}, {"rock.shapes", 7}, {"score", 0}};
    a.rocks = "001122";
    EXPECT_EQ(firstDifference(a, a), std::nullopt);
    StateDigest b = a;
    b.parts[3].second = 1;
    b.parts[2].second = 8;
    b.rocks = "001222";
    EXPECT_EQ(firstDifference(a, b), "rock 1's centre");
    b.rocks = "002122";
    EXPECT_EQ(firstDifference(a, b), "rock 1's outline");
    b.rocks = a.rocks; // a change the nibbles cannot place
    EXPECT_EQ(firstDifference(a, b), "the rocks");
    b.parts[0].second = 2;
    EXPECT_EQ(firstDifference(a, b), "the random generator");
    b = a;
    b.parts.pop_back();
    EXPECT_EQ(firstDifference(a, b), "the score");
}

// -timedemo's one-line state: every part and the rocks' digits count, the order too.
TEST(RecordingTest, TheFoldedStateTakesEveryPartOfTheDigest) {
    StateDigest base;
    base.parts = {{"rng", 1}, {"tick", 2}, {"score", 3}};
    base.rocks = "0a";
    std::vector<StateDigest> changed(4, base);
    changed[0].parts[0].second = 0;
    changed[1].parts[2].second = 7;
    changed[2].rocks = "0b";
    std::swap(changed[3].parts[1], changed[3].parts[2]);
    const std::string folded = foldedDigest(base);
    EXPECT_EQ(folded.size(), 8u);
    EXPECT_EQ(folded.find_first_not_of("0123456789abcdef"), std::string::npos) << folded;
    EXPECT_EQ(foldedDigest(StateDigest(base)), folded);
    for (const StateDigest& d : changed) {
        EXPECT_NE(foldedDigest(d), folded) << d.rocks;
    }
}
