#include "fuzz/recording_fuzz_kit.h"
#include "support/kit.h"

namespace {

// A digest line with every part, as the writer writes one.
std::string digestLine() {
    std::string line = "digest";
    for (const char* part : kDigestParts) {
        line.append(" ").append(part).append("=1");
    }
    return line;
}

RecordingHeader sampleHeader() {
    // Every kind of byte a hand-edited file may hold, and no line end at the end.
    const std::string saved = std::string("a=1\r\nback\\slash\n\n") + '\0' + "\xff=\x7f" + "tail";
    return {"1.0.0", kSimVersion, {"-test", "-run_lvl=3"}, 800, 600, saved, {1700000000, -5}, {}};
}

RecordedFrame sampleFrame(std::uint32_t n) {
    RecordedFrame f;
    f.number = n;
    // SDL's first and last scancodes and buttons.
    f.inputs = {{PlayerInput::Kind::Key, 511, true, true},
                {PlayerInput::Kind::Key, 0, false},
                {PlayerInput::Kind::Mouse, 1, false, false, -2, 700},
                {PlayerInput::Kind::Mouse, 255, true, false, 0, 0},
                {PlayerInput::Kind::Quit}};
    f.clock = {1700000001};
    for (const char* part : kDigestParts) {
        f.digest.parts.emplace_back(part, 0xdeadbeef);
    }
    f.digest.rocks = "0a1f";
    return f;
}

// What reading the text gives: the header's result, then each frame's, in order.
std::string readTrace(const std::string& text, std::string& error) {
    std::istringstream in(text);
    RecordingReader r(in);
    RecordingHeader h;
    std::string trace = std::to_string(static_cast<int>(r.readHeader(h)));
    RecordedFrame f;
    for (int i = 0; i < 10 && (trace.back() == '0' || trace.back() == 'F'); ++i) {
        trace += "FETG"[static_cast<int>(r.next(f))];
    }
    error = r.error();
    return trace;
}

// Texts built from one written game of two frames, for the reader's tables.
class RecordingTest : public testing::Test {
  protected:
    std::string whole = written(sampleHeader(), {sampleFrame(1), sampleFrame(2)}, true);
    std::string frame2 = whole.substr(0, whole.find("frame 2")) + "frame 2\n";
    std::string magic = "void-angler recording 1\n", head = magic + "game 1\nfield 800 600\n";
    std::string overCap = std::string(kMaxLineBytes + 1, 'k'), d = "\n" + digestLine() + "\n";
    std::string clocks, crowded = frame2, presses = frame2, crlf;
    RecordingTest() {
        for (char c : whole) {
            crlf += c == '\n' ? "\r\n" : std::string(1, c);
        }
        for (std::size_t i = 0; i <= kMaxFrameInputs; ++i) {
            clocks += "clock 1\nclock 1\n";
            crowded += "quit\n";
        }
        for (std::size_t i = 0; i < kMaxKeyPressesPerFrame; ++i) {
            presses += "key 17 down\nkey 17 up\nkey 18 down repeat\n";
        }
    }
};

// Each case: the text, what reading it gives, and the refusal's words where it has one.
// Header: 0 ok, 1 damaged, 2 other format, 3 not a recording (4, cut off before a frame, and a
// flag not kept: the playback's cases); then F frame, E end, T cut off, G damaged.
using ReadCases = std::vector<std::tuple<std::string, std::string, std::string>>;

void expectReads(const ReadCases& cases) {
    for (const auto& [text, trace, why] : cases) {
        std::string error;
        EXPECT_EQ(readTrace(text, error), trace) << text.substr(0, 120);
        EXPECT_NE(error.find(why), std::string::npos) << error << " / " << why;
    }
}

} // namespace

TEST_F(RecordingTest, CutOffFilesAndDamagedHeadersAreToldApart) {
    const std::string atCap = "| " + std::string(kMaxLineBytes - 2, 'k'); // the cap is inclusive
    expectReads({
        {whole, "0FFE", ""},
        {crlf, "0FFE", ""},
        {written(sampleHeader(), {sampleFrame(1), sampleFrame(2)}, false), "0FFT", ""},
        {frame2.substr(0, frame2.size() - 4), "0FT", ""}, // half a frame line
        {whole.substr(0, whole.size() - 4), "0FFT", ""},  // the end mark cut mid-line
        {"", "3", "line 0: not a void-angler recording"},
        {"void-angler recording 3\n", "2", ""},
        {head + "saved none\n" + clocks + "frame 1\n", "1", "start-up is over its clock"},
        {head + "saved file\n| a\\\nframe 1\n", "1", "line 5: a saved-game line that does not"},
        {head + "saved file\n| \\q\nframe 1\n", "1", "line 5: a saved-game line that does not"},
        {magic + "game 1\nsize 1 1\n", "1", "line 3: unexpected \"size 1 1\""},
        {magic + "game 1\r\r\nfield 800 600\nsaved none\nframe 1\n", "1",
         "line 2: unexpected \"game 1\r\""},
        // The game plays no field smaller than 800 x 600, so it never records one.
        {magic + "game 1\nfield 1 1\nsaved none\nframe 1\n", "1",
         "line 3: a field of 1 x 1: the game plays 800 x 600 to 16384 x 16384"},
        {magic + "game 1\nfield 800 599\nsaved none\nframe 1\n", "1", "line 3: a field of 800"},
        {magic + "game 1\nfield 800 16385\nsaved none\nframe 1\n", "1", "line 3: a field of"},
        {magic + "field 800 600\nsaved none\nframe 1\n", "1", "line 4: the header lacks its game"},
        {magic + "game 1\nsaved none\nframe 1\n", "1", "line 4: the header lacks its field line"},
        {magic + "game 1\nfield 800 600\nframe 1\n", "1", "line 4: the header lacks its saved"},
        {head + "flag -run_lvl=" + std::string(kMaxFlagBytes - 8, '7') + "\nsaved none\n", "1",
         "line 4: a flag over its 128 KiB cap"},
        {head + "sim 0\nsaved none\nframe 1\n", "1", "line 4: unexpected \"sim 0\""},
        {head + "sim two\nsaved none\nframe 1\n", "1", "line 4: unexpected \"sim two\""},
        {head + "sim 2\nsim 2\nsaved none\nframe 1\n", "1", "line 5: unexpected \"sim 2\""},
        {head + "saved file\n" + atCap + "\n" + whole.substr(whole.find("frame 1")), "0FFE", ""},
        {head + "saved file\n| " + overCap + "\nflag -test\nframe 1\n", "1",
         "line 5: a line over the 1 MiB cap"},
    });
}

// A run's line, in format 2 only, and every format 2 file has one.
TEST_F(RecordingTest, ARunsLineStandsInFormat2AloneAndOnce) {
    const std::string run = "void-angler recording 2\n";
    const std::string afterRun = whole.substr(whole.find('\n') + 1);
    expectReads({
        {replaced(whole, "\nsim ", "\nrun arcade\nsim "), "1", "unexpected \"run arcade\""},
        {replaced(whole, "recording 1", "recording 2"), "1", "lacks its run line"},
        {run + "run daily 2026-12-08\n" + afterRun, "0FFE", ""},
        {run + "run arcade\nrun arcade\n" + afterRun, "1", "unexpected \"run arcade\""},
        {run + "run daily 2026-02-29\n" + afterRun, "1", "a run line it cannot read"},
        {run + "run daily\n" + afterRun, "1", "a run line it cannot read"},
        {run + "run weekly\n" + afterRun, "1", "a run line it cannot read"},
    });
}

TEST_F(RecordingTest, DamagedFramesAreToldApartWithoutReadingPastACap) {
    ReadCases cases = {
        {whole + "frame 3\n", "0FFG", "a line after the end mark"},
        {frame2 + clocks + digestLine(), "0FG", "frame 2 is over its clock reading cap"},
        {crowded + digestLine(), "0FG", "frame 2 is over its input cap"},
        {presses + digestLine() + "\n", "0FFT", ""},
        {presses + "key 18 down\n" + digestLine(), "0FG", "presses key 18 more than 64 times"},
        {frame2 + overCap, "0FG", "a line over the 1 MiB cap"},
        {frame2.substr(0, frame2.size() - 8) + "frame 3\n", "0FG", "expected frame 2 or \"end 1\""},
        {frame2.substr(0, frame2.size() - 8) + "end 2\n", "0FG", "line 23: expected a frame"},
    };
    for (const std::string& bad : std::initializer_list<std::string>{
             "pad 1 down", "joystick 3 up", "zzz 12", "key x down", "mouse 1 down 5", "rocks 0g",
             "key 512 down", "key -7 down", "key 600 up", "mouse 0 down 5 5", "mouse 256 up 5 5",
             "mouse 259 down 500 300", "digest rng=1", digestLine().replace(7, 5, "rng=1 rng=1"),
             digestLine().replace(7, 5, "rng=g"), digestLine().replace(7, 5, "rng=1g"),
             digestLine().replace(7, 5, "rng=123456789"), digestLine() + " tock=1",
             digestLine().replace(digestLine().find(" tick"), 5, " tock")}) {
        cases.emplace_back(frame2 + bad + d, "0FG",
                           "frame 2 holds a line it cannot read: \"" + bad.substr(0, 40));
    }
    expectReads(cases);
}

// The largest game the limits allow, written and read back whole: every kind of byte in a
// saved game of 16 MiB whose one long line takes four bytes a byte to escape, every flag, a
// full frame, and the end mark.
TEST_F(RecordingTest, TheLargestGameTheLimitsAllowReadsBackAsWritten) {
    WorkDir dir;
    RecordingHeader h = sampleHeader();
    h.width = h.height = 16384;
    h.savedGame->resize(kMaxSavedGameBytes, '\x01');
    h.flags.resize(kMaxFlags - 1, "-test");
    h.flags.push_back("-run_lvl=" + std::string(kMaxFlagBytes / 4 - 3, '\x01'));
    h.run = ArcadeRun{ArcadeRun::Kind::Daily, "9999-12-31"};
    RecordedFrame f = sampleFrame(1);
    f.inputs.resize(kMaxFrameInputs, {PlayerInput::Kind::Mouse, 255, true, false, -99999, 99999});
    f.clock.resize(kMaxFrameClockReadings, INT64_MIN);
    EXPECT_TRUE(readsBack(written(h, {f}, true), h, {f}, RecordingReader::Next::End));
}

TEST_F(RecordingTest, TheFirstDifferingPartIsNamedDownToTheRock) {
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
TEST_F(RecordingTest, TheFoldedStateTakesEveryPartOfTheDigest) {
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
    for (const StateDigest& d : changed) {
        EXPECT_NE(foldedDigest(d), folded) << d.rocks;
    }
}
