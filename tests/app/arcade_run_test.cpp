#include <cstdlib>
#include <set>

#include "app/linked_game.h"

namespace fs = std::filesystem;

namespace {

const ArcadeRun kDaily{ArcadeRun::Kind::Daily, "2026-12-08"};
constexpr std::int64_t kDailyMidnight = 1796688000; // 2026-12-08T00:00:00Z

// A run recorded headless, drawing nothing: its recording's text and the game's log.
std::pair<std::string, std::string> recordRun(LinkedGame session) {
    {
        // Closed before the file is removed: Windows removes no open file.
        GameRecorder recorder("run.rec", {});
        recorder.recordRun(*session.run);
        EXPECT_EQ(recorder.start(), "");
        session.width = kRunFieldWidth, session.height = kRunFieldHeight, session.draws = false;
        session.args = {};
        const auto [status, err] = session.play(recorder);
        EXPECT_EQ(status, 0) << err;
    }
    std::string text = readFile("run.rec");
    fs::remove("run.rec");
    return {text, session.log};
}

Verdict verdict(const std::string& text) {
    return replayText(text, {.width = kRunFieldWidth, .height = kRunFieldHeight, .draws = false});
}

std::vector<std::string> linesStarting(const std::string& text, const std::string& start) {
    std::vector<std::string> out = logLines(text);
    std::erase_if(out, [&](const std::string& line) { return !line.starts_with(start); });
    return out;
}

} // namespace

// P pressed in frame 1 pauses the game for the whole run, and the run's frames still count.
TEST(ArcadeRunTest, ARunEndsByItselfAtFrame9000AndItsReplayThereToo) {
    WorkDir dir;
    const std::string save = "fart_user_1_score=2500\nfart_user_1_level=7\n";
    std::ofstream("game.txt", std::ios::binary) << save;
    const auto [text, log] =
        recordRun({.keys = {SDL_SCANCODE_P, SDL_SCANCODE_SPACE}, .quitAt = 0, .run = ArcadeRun{}});
    EXPECT_TRUE(text.starts_with("void-angler recording 2\n")) << text.substr(0, 80);
    for (const char* line : {"\nrun arcade\n", "\nfield 1920 1080\n", "\nsaved none\n",
                             "\nframe 9000\n", "\nkey 19 down\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
    EXPECT_TRUE(text.ends_with("\nend 9000\n"));
    EXPECT_EQ(text.find("\nflag "), std::string::npos);
    EXPECT_NE(log.find("Unable to open file"), std::string::npos) << "built as on a first start";
    EXPECT_EQ(readFile("game.txt"), save) << "a run saves nothing";
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), 2) << "dat and game.txt alone";

    EXPECT_EQ(verdict(text), Verdict(0, "replay in sync: 9000 frames"));
    const std::size_t last = text.find("frame 9000\n");
    const std::string digest9000 = text.substr(text.find("\ndigest ", last) + 1);
    const std::string longer = text.substr(0, text.rfind("end ")) + "frame 9001\n" +
                               digest9000.substr(0, digest9000.find('\n') + 1) + "end 9001\n";
    EXPECT_EQ(verdict(longer), Verdict(3, "replay out of sync at frame 9001: the game ended"));
    const std::string shorter = text.substr(0, last) + "end 8999\n";
    EXPECT_EQ(verdict(shorter), Verdict(3, "replay out of sync at frame 8999: the game went on"));
}

namespace {
// Three keys that fly, the run's daily field and 40 frames.
const std::vector<SDL_Scancode> kFlying = {SDL_SCANCODE_SPACE, SDL_SCANCODE_LEFT, SDL_SCANCODE_UP};
std::pair<std::string, std::string> flying(const ArcadeRun& run = kDaily) {
    return recordRun({.keys = kFlying, .quitAt = 40, .run = run});
}
} // namespace

// The keys outside a run (N, M, W, E, C, 1, Down) and both mouse buttons, pressed beside the
// flying ones, change nothing and are never written.
TEST(ArcadeRunTest, KeysOutsideTheRunAndTheMouseAreNeitherHeardNorWritten) {
    WorkDir dir;
    std::vector<SDL_Scancode> all = kFlying;
    all.insert(all.end(), {SDL_SCANCODE_N, SDL_SCANCODE_M, SDL_SCANCODE_W, SDL_SCANCODE_E,
                           SDL_SCANCODE_C, SDL_SCANCODE_1, SDL_SCANCODE_DOWN});
    const auto click = [](int frame) {
        if (frame == 2) {
            HeadlessGame::pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 300, 300);
            HeadlessGame::pushMouse(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 300, 300);
        }
    };
    const auto [pressed, log] =
        recordRun({.keys = all, .quitAt = 40, .run = kDaily, .onFrame = click});
    const auto [plain, plainLog] = flying();
    EXPECT_NE(pressed.find("\nrun daily 2026-12-08\n"), std::string::npos);
    EXPECT_TRUE(pressed.ends_with("\nend 40\n"));
    for (const char* absent : {"\nkey 17 ", "\nkey 16 ", "\nkey 26 ", "\nkey 8 ", "\nkey 6 ",
                               "\nkey 30 ", "\nkey 81 ", "\nmouse "}) {
        EXPECT_EQ(pressed.find(absent), std::string::npos) << absent;
    }
    const std::vector<std::string> digests = linesStarting(pressed, "digest ");
    ASSERT_EQ(digests.size(), 40u);
    const std::vector<std::string> plainDigests = linesStarting(plain, "digest ");
    EXPECT_EQ(std::ranges::mismatch(digests, plainDigests).in1 - digests.begin(), 40)
        << "the first frame that differs";
    EXPECT_EQ(log, plainLog);
}

// A daily run's clock starts at its date's midnight and moves with the sleeps alone: the
// start-up reads midnight, then again after its 100 sleeps of 50 ms; 40 frames of 14 ms read
// nothing. The readings are part of the proof, and another date is another field from frame 1.
TEST(ArcadeRunTest, ADailyRunsClockStartsAtItsMidnightAndMovesWithTheSleepsAlone) {
    WorkDir dir;
    const std::string text = flying().first;
    const std::vector<std::string> clock = linesStarting(text, "clock ");
    ASSERT_FALSE(clock.empty());
    EXPECT_EQ(clock.front(), "clock " + std::to_string(kDailyMidnight));
    EXPECT_EQ(clock.back(), "clock " + std::to_string(kDailyMidnight + 5));
    EXPECT_EQ(std::set<std::string>(clock.begin(), clock.end()).size(), 2u);
    EXPECT_EQ(verdict(text), Verdict(0, "replay in sync: 40 frames"));
    EXPECT_EQ(verdict(replaced(text, clock.front(), "clock " + std::to_string(kDailyMidnight + 1))),
              Verdict(3, "replay out of sync at frame 1: the clock readings"));
    const std::string next = flying({ArcadeRun::Kind::Daily, "2026-12-09"}).first;
    EXPECT_NE(linesStarting(next, "digest ").front(), linesStarting(text, "digest ").front());
}

// A run takes no other flag, and no unknown kind: one line, before anything is made.
TEST(ArcadeRunTest, ARunRefusesEveryOtherFlagWithOneLine) {
    WorkDir dir;
    const fs::path config = dir.path() / "config";
    const char* before = std::getenv("XDG_CONFIG_HOME");
    const std::string kept = before != nullptr ? before : "";
    SDL_setenv("XDG_CONFIG_HOME", config.string().c_str(), 1);
#ifdef _WIN32
    // Windows keeps the table under %APPDATA%; read wide, so set through the C library.
    _wputenv_s(L"APPDATA", config.wstring().c_str());
#endif
    fs::create_directories(config / "void-angler");
    expectRefused({
        {{"-arcade", "-test"}, 2, "void-angler: -arcade plays alone, not with -test"},
        {{"-window=1280x720", "-arcade"}, 2, "void-angler: -arcade plays alone, not with -window"},
        {{"-arcade", "-verify=a.rec"}, 2, "void-angler: -arcade plays alone, not with -verify"},
        {{"-arcade=weekly"}, 2, "void-angler: -arcade= takes daily, not \"weekly\""},
        {{"-record=config/void-angler/a.rec"}, 1, "in the folder of the table of scores"},
    });
    EXPECT_TRUE(fs::is_empty(config / "void-angler")) << "nothing made";
    SDL_setenv("XDG_CONFIG_HOME", kept.c_str(), 1); // empty counts as unset
}
