#include <sstream>

#include "replay/recording_reader.h"
#include "replay/recording_writer.h"
#include "shell/arguments.h"
#include "shell/game_playback.h"
#include "shell/game_recorder.h"
#include "support/headless_game.h"

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

TEST(RecordingTest, ArgumentsAreExaminedWholeAndOnlyUnknownOnesAreNamed) {
    std::vector<std::string> words = {"void-angler", "-recrod=x", "-run_lvl=n", "-demo_mode",
                                      "-test",       "-record=a", "-help",      "-timedemo=b"};
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    std::ostringstream err;
    const Arguments a = examineArguments(static_cast<int>(argv.size()), argv.data(), err);
    EXPECT_EQ(err.str(),
              "void-angler: unknown argument \"-recrod=x\" ignored (-help lists them)\n");
    EXPECT_TRUE(a.help);
    EXPECT_EQ(a.gameFlags, (std::vector<std::string>{"-run_lvl=n", "-demo_mode", "-test"}));
    EXPECT_EQ(std::tie(a.record, a.replay, a.timedemo), std::tuple("a", "", "b"));
    std::ostringstream extras;
    printHelpExtras(extras);
    for (const char* flag : {"-record=FILE", "-replay=FILE", "-timedemo=FILE", "void-angler 1."}) {
        EXPECT_NE(extras.str().find(flag), std::string::npos) << flag;
    }
}

// A headless game recorded with its keys and mouse, then played back: in sync, with the
// recorded log; a changed digest is named with its frame.
TEST(RecordingTest, ARecordedHeadlessGameReplaysInSyncAndAPlantedChangeIsCaught) {
    WorkDir dir;
    std::ofstream("game.txt") << "fart_user_1_score=2500\nfart_user_1_level=2\n";
    SDL_Surface* screen = SDL_CreateRGBSurfaceWithFormat(0, 400, 300, 32, SDL_PIXELFORMAT_RGB888);
    Display display;
    display.openWindow = [](const char* title, int& w, int& h) {
        w = 400, h = 300;
        return SDL_CreateWindow(title, 0, 0, w, h, SDL_WINDOW_HIDDEN);
    };
    display.openRenderer = [&](SDL_Window*) { return SDL_CreateSoftwareRenderer(screen); };
    const std::vector<std::pair<Uint32, SDL_Scancode>> keys = {{SDL_KEYDOWN, SDL_SCANCODE_SPACE},
                                                               {SDL_KEYDOWN, SDL_SCANCODE_LEFT},
                                                               {SDL_KEYUP, SDL_SCANCODE_SPACE},
                                                               {SDL_KEYDOWN, SDL_SCANCODE_N},
                                                               {SDL_KEYDOWN, SDL_SCANCODE_Q}};
    auto play = [&](auto& edge, auto drive) {
        edge.install();
        std::string log = quietly([&] {
            ProcessState state;
            Platform platform{[](Uint32) {}, display};
            // The keys arrive in the first frame, once SDL is up.
            platform.input.poll = [&, pushed = false](SDL_Event& e) mutable {
                for (const auto& [type, key] : pushed ? decltype(keys){} : keys) {
                    HeadlessGame::pushKey(type, key);
                }
                pushed = true;
                return SDL_PollEvent(&e) != 0;
            };
            Game game(state, edge.wrap(platform));
            edge.attach(game);
            char name[] = "void-angler", test[] = "-test";
            char* argv[] = {name, test, nullptr};
            drive(game.run(2, argv));
        });
        setCalendarClock({});
        setSaveFileEdge({});
        return log;
    };
    GameRecorder recorder("game.rec", {"-test"});
    const std::string recordedLog = play(recorder, [&](int status) {
        EXPECT_EQ(status, 0);
        recorder.finish(status);
    });
    EXPECT_TRUE(readFile("game.rec").ends_with("\nend 1\n")) << "Q closes the recording";
    fs::remove("game.txt");
    GamePlayback playback("game.rec", PlaybackMode::Check);
    ASSERT_EQ(playback.open(), std::nullopt);
    EXPECT_EQ(playback.arguments(), (std::vector<std::string>{"void-angler", "-test"}));
    testing::internal::CaptureStderr();
    EXPECT_EQ(play(playback, [&](int status) { EXPECT_EQ(playback.finish(status), 0); }),
              recordedLog);
    EXPECT_EQ(logLines(testing::internal::GetCapturedStderr()).back(), "replay in sync: 1 frames");
    EXPECT_FALSE(fs::exists("game.txt")) << "a viewing writes no saved game";

    std::string text = readFile("game.rec");
    // The score is 2500, or more when a missile hit in that frame: change its last digit.
    const std::size_t digit = text.find(" score=", text.find("\ndigest")) + 14;
    text[digit] = text[digit] == '0' ? '1' : '0';
    std::ofstream("planted.rec", std::ios::binary) << text;
    GamePlayback planted("planted.rec", PlaybackMode::Check);
    ASSERT_EQ(planted.open(), std::nullopt);
    testing::internal::CaptureStderr();
    play(planted, [&](int status) { EXPECT_EQ(planted.finish(status), 3); });
    EXPECT_EQ(logLines(testing::internal::GetCapturedStderr()).back(),
              "replay out of sync at frame 1: the score");
    // Re-digesting names the changed frame and gives back the recording as it was made.
    RecordingWriter out("redigested.rec");
    GamePlayback redigest("planted.rec", PlaybackMode::Redigest);
    ASSERT_EQ(redigest.open(), std::nullopt);
    out.writeHeader(redigest.header());
    redigest.rewrite = &out;
    play(redigest, [&](int status) { redigest.finish(status); });
    EXPECT_EQ(redigest.firstChange, 1u);
    EXPECT_EQ(readFile("redigested.rec"), readFile("game.rec"));
    GameRecorder unstarted("unstarted.rec", {});
    unstarted.finish(EXIT_FAILURE);
    EXPECT_FALSE(fs::exists("unstarted.rec")) << "a game that never began leaves no recording";
    SDL_FreeSurface(screen);
}

// The product version changes with pages and packages and is only kept; the rules' number
// decides, and a recording from before it was written down counts as rules 1.
TEST(RecordingTest, OnlyTheRulesVersionDecidesWhetherARecordingPlays) {
    WorkDir dir;
    const std::string whole = writeSample(1, true);
    ASSERT_NE(whole.find("\ngame 1.0.0\nsim 2\n"), std::string::npos) << whole.substr(0, 60);
    const std::string refused = "the recording other.rec was made by another version of the "
                                "game's rules (sim ";
    const std::pair<std::string, std::string> rows[][2] = {
        {{"game 1.0.0", "game 0.9.1"}, {"", ""}},
        {{"sim 2\n", ""}, {refused + "1; this game plays sim 2)", "1"}},
        {{"sim 2", "sim 3"}, {refused + "3; this game plays sim 2)", "3"}},
    };
    for (const auto& [edit, want] : rows) {
        std::string text = whole;
        text.replace(text.find(edit.first), edit.first.size(), edit.second);
        std::ofstream("other.rec", std::ios::binary) << text;
        GamePlayback playback("other.rec", PlaybackMode::Check);
        testing::internal::CaptureStderr();
        const std::optional<int> status = playback.open();
        const std::string error = testing::internal::GetCapturedStderr();
        EXPECT_EQ(
            std::pair(status.has_value(), error),
            std::pair(!want.first.empty(), want.first.empty() ? std::string() : want.first + "\n"))
            << edit.second;
        EXPECT_EQ(playback.header().sim, want.second.empty() ? 2 : std::stoi(want.second));
    }
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
