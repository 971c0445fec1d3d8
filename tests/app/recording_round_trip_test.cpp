#include <sstream>

#include "app/arguments.h"
#include "app/game_link.h"
#include "app/game_playback.h"
#include "app/game_recorder.h"
#include "replay/recording_writer.h"
#include "support/headless_game.h"

namespace fs = std::filesystem;

TEST(RecordingTest, ArgumentsAreExaminedWholeAndOnlyUnknownOnesAreNamed) {
    std::vector<std::string> words = {"void-angler", "-recrod=x", "-run_lvl=n", "-demo_mode",
                                      "-test",       "-record=a", "-help",      "-timedemo=b"};
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    std::ostringstream err;
    const Arguments a = examineArguments(static_cast<int>(argv.size()), argv.data(), err);
    const std::vector<std::string>& flags = a.game.gameFlags;
    EXPECT_EQ(err.str(),
              "void-angler: unknown argument \"-recrod=x\" ignored (-help lists them)\n");
    EXPECT_TRUE(a.help);
    EXPECT_EQ(flags, (std::vector<std::string>{"-run_lvl=n", "-demo_mode", "-test", "-help"}));
    EXPECT_EQ(std::tie(a.record, a.replay, a.timedemo), std::tuple("a", "", "b"));
    for (const char* flag : {"-record=FILE", "-replay=FILE", "-timedemo=FILE", "void-angler 1."}) {
        EXPECT_NE(a.game.helpExtras.find(flag), std::string::npos) << flag;
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
            edge.attach(watchGame(game));
            drive(game.run(CommandLine{{"-test"}, {}, {}}));
        });
        setCalendarClock({});
        setSaveFileEdge({});
        return log;
    };
    GameRecorder recorder("game.rec", {"-test"});
    ASSERT_EQ(recorder.start(), "");
    const std::string recordedLog = play(recorder, [&](int status) {
        EXPECT_EQ(status, 0);
        recorder.finish(status);
    });
    EXPECT_TRUE(readFile("game.rec").ends_with("\nend 1\n")) << "Q closes the recording";
    fs::remove("game.txt");
    GamePlayback playback("game.rec", PlaybackMode::Check);
    ASSERT_EQ(playback.open(), std::nullopt);
    EXPECT_EQ(playback.header().flags, (std::vector<std::string>{"-test"}));
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
    ASSERT_EQ(unstarted.start(), "");
    unstarted.finish(EXIT_FAILURE);
    EXPECT_FALSE(fs::exists("unstarted.rec")) << "a game that never began leaves no recording";
    SDL_FreeSurface(screen);
}
