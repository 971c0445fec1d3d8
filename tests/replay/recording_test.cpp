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
    EXPECT_EQ(std::tie(h.gameVersion, h.flags, h.width, h.height, h.savedGame, h.clock),
              std::tie(want.gameVersion, want.flags, want.width, want.height, want.savedGame,
                       want.clock));
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
    const std::string overCap(kMaxLineBytes + 1, 'k');
    std::string crlf;
    for (char c : whole) {
        crlf += c == '\n' ? "\r\n" : std::string(1, c);
    }
    // Header: 0 ok, 1 damaged, 2 other format, 3 not a recording, 4 cut off before a frame;
    // then F frame, E end, T cut off, G damaged.
    const std::vector<std::pair<std::string, std::string>> cases = {
        {head + "saved none\n" + clocks + "frame 1\n", "1"},
        {head + "saved file\n| a\\\nframe 1\n", "1"}, // an escape cut off
        {"void-angler recording 1\ngame 1\nsize 1 1\nfield 1 1\nsaved none\nframe 1\n", "1"},
        {whole.substr(0, frame2) + "frame 2\n" + clocks + "digest rng=1\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\nzzz 12\ndigest rng=1\n", "0FG"},
        {whole, "0FFE"},
        {crlf, "0FFE"},
        {writeSample(2, false), "0FFT"},
        {whole.substr(0, frame2 + 4), "0FT"},        // half a frame line
        {whole.substr(0, whole.size() - 4), "0FFT"}, // the end mark cut mid-line
        {whole + "frame 3\n", "0FFG"},
        {"", "3"},
        {"void-angler recording 2\n", "2"},
        {"void-angler recording 1\ngame 1.0.0\nfield 1 1\nsaved none\n", "4"}, // no frames
        {"void-angler recording 1\ngame 1\nfield 1 1\nsaved file\n| \\q\nframe 1\n", "1"},
        {head + "saved file\n| " + overCap + "\nflag -test\nframe 1\n", "1"},
        {head + "saved none\n" + overCap, "1"},
        {whole.substr(0, frame2) + "frame 3\n", "0FG"},
        {whole.substr(0, frame2) + "end 2\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\nkey x down\ndigest rng=1\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\nmouse 1 down 5\ndigest rng=1\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\ndigest rng=123456789\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\nrocks 0g\ndigest rng=1\n", "0FG"},
        {whole.substr(0, frame2) + "frame 2\n" + overCap, "0FG"},
    };
    for (const auto& [text, trace] : cases) {
        EXPECT_EQ(readAll(text), trace) << text.substr(0, 120);
    }
}

TEST(RecordingTest, EachRefusalNamesItsLineAndWhy) {
    WorkDir dir;
    const std::string whole = writeSample(2, true);
    const std::string frame2 = whole.substr(0, whole.find("frame 2")) + "frame 2\n";
    const std::string magic = "void-angler recording 1\n";
    std::string crowded = frame2;
    for (std::size_t i = 0; i <= kMaxFrameInputs; ++i) {
        crowded += "quit\n";
    }
    const std::vector<std::pair<std::string, std::string>> cases = {
        {magic + "game 1\nfield 0 5\nsaved none\nframe 1\n",
         "line 3: a field of 0 x 5: each side must be 1 to 16384"},
        {magic + "game 1\nfield 5 16385\nsaved none\nframe 1\n",
         "line 3: a field of 5 x 16385: each side must be 1 to 16384"},
        {magic + "field 5 5\nsaved none\nframe 1\n", "line 4: the header lacks its game line"},
        {magic + "game 1\nsaved none\nframe 1\n", "line 4: the header lacks its field line"},
        {magic + "game 1\nfield 5 5\nframe 1\n", "line 4: the header lacks its saved line"},
        {magic + "game 1\nflag -help\n", "line 3: the flag \"-help\" is not one a recording keeps"},
        {magic + "game 1\nfield 5 5\nsaved file\n| " + std::string(kMaxLineBytes + 1, 'a'),
         "line 5: a line over the 1 MiB cap"},
        {frame2 + "pad 1 down\ndigest rng=1\n",
         "frame 2 holds a line it cannot read: \"pad 1 down\""},
        {frame2 + "joystick 3 up\ndigest rng=1\n",
         "frame 2 holds a line it cannot read: \"joystick 3 up\""},
        {crowded + "digest rng=1\n", "frame 2 is over its input cap"},
        {whole.substr(0, whole.find("digest", whole.find("frame 2"))) + "digest rng\n",
         "frame 2 holds a line it cannot read: \"digest rng\""},
        {whole + "\n", "a line after the end mark"},
    };
    for (const auto& [text, why] : cases) {
        std::string error;
        readAll(text, &error);
        EXPECT_NE(error.find(why), std::string::npos) << error << " / " << why;
    }
}

// The largest game the limits allow, written and read back whole: a saved game of one 16 MiB
// line of bytes that each take four to escape, every flag, a full frame.
TEST(RecordingTest, TheLargestGameTheLimitsAllowReadsBackAsWritten) {
    WorkDir dir;
    RecordingHeader h = sampleHeader();
    h.width = h.height = 16384;
    h.savedGame = std::string(kMaxSavedGameBytes, '\x01');
    h.flags.assign(kMaxFlags - 1, "-test");
    h.flags.push_back("-run_lvl=" + std::string(kMaxFlagBytes / 4 - 3, '\x01'));
    RecordedFrame f = sampleFrame(1);
    f.inputs.resize(kMaxFrameInputs, {PlayerInput::Kind::Mouse, 255, true, false, -99999, 99999});
    f.clock.assign(kMaxFrameClockReadings, INT64_MIN);
    {
        RecordingWriter w("big.rec");
        w.writeHeader(h);
        w.writeFrame(f);
        w.writeEnd(1);
    }
    std::ifstream in("big.rec", std::ios::binary);
    RecordingReader r(in);
    RecordingHeader got;
    ASSERT_EQ(r.readHeader(got), RecordingReader::HeaderResult::Ok) << r.error();
    EXPECT_TRUE(std::tie(got.flags, got.width, got.height, got.savedGame) ==
                std::tie(h.flags, h.width, h.height, h.savedGame));
    RecordedFrame back;
    ASSERT_EQ(r.next(back), RecordingReader::Next::Frame) << r.error();
    EXPECT_TRUE(std::tie(back.inputs, back.clock) == std::tie(f.inputs, f.clock));
    EXPECT_EQ(r.next(back), RecordingReader::Next::End) << r.error();
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
