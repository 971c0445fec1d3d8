#include "app/linked_game.h"
#include "replay/recording_writer.h"

namespace fs = std::filesystem;

// A game recorded with its keys, from a saved game, on a -scale field smaller than the desktop
// (the header holds the field), through a link as saves are written.
struct RecordedGameTest : testing::Test {
    void SetUp() override {
        std::ofstream("game.txt") << "fart_user_1_score=2500\nfart_user_1_level=2\n";
        std::error_code noLinks;
        fs::create_symlink("game.rec", "linked.rec", noLinks);
        linked = !noLinks;
        GameRecorder recorder(linked ? "linked.rec" : "game.rec", {"-test"});
        ASSERT_EQ(recorder.start(), "");
        const auto [status, err] = session.play(recorder);
        ASSERT_EQ(status, 0);
        EXPECT_EQ(err.find("recording"), std::string::npos) << "written fine: " << err;
        recordedLog = session.log;
        fs::remove("game.txt");
        text = readFile("game.rec");
        ASSERT_TRUE(text.ends_with("\nend 3\n") && text.find("\nfield 1024 768\n") != text.npos)
            << text;
    }

    WorkDir dir;
    LinkedGame session{.width = 2048,
                       .height = 1536,
                       .args = {"-test", "-scale=2"},
                       .keys = {SDL_SCANCODE_SPACE, SDL_SCANCODE_LEFT, SDL_SCANCODE_N}};
    bool linked = false;
    std::string recordedLog, text;
};

TEST_F(RecordedGameTest, ReplaysInSyncWithTheRecordedLogAndWritesNoSave) {
    EXPECT_TRUE(!linked || fs::is_symlink("linked.rec")) << "the link stays a link";
    GamePlayback playback("game.rec", PlaybackMode::Check);
    ASSERT_EQ(playback.open(), std::nullopt);
    EXPECT_EQ(playback.header().flags, (std::vector<std::string>{"-test"}));
    EXPECT_EQ(logLines(session.play(playback).second).back(), "replay in sync: 3 frames");
    EXPECT_EQ(session.log, recordedLog);
    EXPECT_FALSE(fs::exists("game.txt")) << "a viewing writes no saved game";
}

// A changed digest is named with its frame; re-digesting names that frame and gives back the
// recording as it was made.
TEST_F(RecordedGameTest, AChangedDigestIsNamedAndRedigestingGivesTheRecordingBack) {
    std::string changed = text;
    // The score is 2500, or more when a missile hit in that frame: change its last digit.
    const std::size_t digit = text.find(" score=", text.find("\ndigest")) + 14;
    changed[digit] = text[digit] == '0' ? '1' : '0';
    EXPECT_EQ(replayText(changed), Verdict(3, "replay out of sync at frame 1: the score"));
    RecordingWriter out("redigested.rec");
    GamePlayback redigest("replayed.rec", PlaybackMode::Redigest);
    ASSERT_EQ(redigest.open(), std::nullopt);
    out.writeHeader(redigest.header());
    redigest.rewrite = &out;
    EXPECT_EQ(logLines(session.play(redigest).second).back(), "replay in sync: 3 frames");
    EXPECT_EQ(redigest.firstChange, 1u);
    EXPECT_EQ(readFile("redigested.rec"), text);
}

// A game that ends in its start-up (here -help) never plays the recording's first frame.
TEST_F(RecordedGameTest, AGameEndedBeforeItsFirstFrameIsOutOfSyncThere) {
    session.addedFlags = {"-help"};
    EXPECT_EQ(replayText(text, session),
              Verdict(3, "replay out of sync at frame 1: the game ended"));
}

// Cut off (only by the end of the file), damaged (anything unreadable before it) and refused
// each have their own line and status. Only the rules' number decides whether a recording
// plays; one from before it was written down counts as rules 1. The product version is kept.
TEST_F(RecordedGameTest, EveryOtherChangeEndsWithItsOwnVerdict) {
    const std::size_t version = text.find("\ngame ") + 6;
    std::string older = text;
    older.replace(version, text.find('\n', version) - version, "0.9.1");
    const std::size_t frame3 = text.find("frame 3\n");
    const std::vector<std::tuple<std::string, int, std::string>> cases = {
        {older, 0, "replay in sync: 3 frames"},
        {text.substr(0, frame3 + 9), 0, "replay in sync up to frame 2: the recording is cut off"},
        {replaced(text, "frame 3\n", "frame 4\n"), 4, "recording damaged at line "},
        {replaced(text, "flag -test", "flag -help"), 4, "recording damaged at line 4: the flag"},
        {replaced(text, "field 1024 768", "field 1 1"), 4, "damaged at line 5: a field of 1 x 1"},
        {replaced(text, " tick=", " tock="), 4, "frame 1 holds a line it cannot read"},
        {text.substr(0, text.find("frame 1\n")), 1, "the recording stops before its first frame"},
        {replaced(text, "\nsim 2\n", "\n"), 1,
         "the recording replayed.rec was made by another "
         "version of the game's rules (sim 1; this game plays sim 2)"},
        {replaced(text, "\nsim 2\n", "\nsim 3\n"), 1, "(sim 3; this game plays sim 2)"},
    };
    for (const auto& [file, status, line] : cases) {
        const auto [gotStatus, gotLine] = replayText(file);
        EXPECT_EQ(gotStatus, status) << gotLine;
        EXPECT_NE(gotLine.find(line), std::string::npos) << gotLine << " / " << line;
    }
}

// Each in a scratch folder of its own.
struct RecordingVerdictTest : testing::Test {
    WorkDir dir;
};

// A full disk is told once, and the game goes on.
TEST_F(RecordingVerdictTest, ARecordingThatCannotBeWrittenIsReportedOnce) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full here";
    }
    GameRecorder recorder("/dev/full", {});
    ASSERT_EQ(recorder.start(), "");
    const auto [status, err] = LinkedGame{}.play(recorder);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(err.find("recording"), err.rfind("recording")) << err;
    EXPECT_EQ(countLines(err, "recording stopped at frame 1: No space left on device"), 1) << err;
}

// The saved game goes into the recording whole: one byte past what a recording holds is refused.
TEST_F(RecordingVerdictTest, ASavedGameLargerThanARecordingHoldsIsRefused) {
    for (const std::size_t size : {kMaxSavedGameBytes, kMaxSavedGameBytes + 1}) {
        std::ofstream("game.txt", std::ios::binary) << std::string(size, '#');
        GameRecorder recorder("big.rec", {});
        EXPECT_EQ(recorder.start(), size == kMaxSavedGameBytes
                                        ? ""
                                        : "\"game.txt\" is larger than a recording holds (16 MiB)")
            << size;
    }
}

namespace {
// Each refused path: the flag, the status and the line's words. The links only where the
// system makes them, a read error where /proc gives one on demand.
Refusals refusedPaths() {
    Refusals cases = {
        {{"-record=game.txt"}, 1, "game.txt: that is the saved game"},
        {{"-record=./folder/../game.txt"}, 1, "that is the saved game"},
        {{"-record=checkpoint1700000000.txt"}, 1, "that is a checkpoint"},
        {{"-record=checkpoint1800000000.txt"}, 1, "that is a checkpoint"},
        {{"-record=dat/shot.wav"}, 1, "that is in the game's data folder"},
        {{"-record=dat/new.rec"}, 1, "that is in the game's data folder"},
        {{"-record=notes.txt"}, 1, "notes.txt: that file is not a recording, and is left as it is"},
        {{"-record=folder"}, 1, "folder: that is a folder"},
        {{"-record=tips.txt"}, 1, "tips.txt: that file is not a recording"},
        {{"-record=.game.txt.tmp"}, 1, ".game.txt.tmp: the game saves through that file"},
        {{"-record=.checkpoint1700000000.txt.tmp"}, 1, "the game saves through that file"},
        {{"-record=" + std::string(300, 'n')}, 1, "cannot write the recording nnn"},
        // Windows opens no folder: there the line says it cannot open it.
        {{"-replay=folder"},
         1,
         fs::exists("/proc") ? "cannot read the recording folder: Is a" : "the recording folder"},
    };
    for (const std::string flag : {"-record=", "-replay=", "-timedemo=", "-verify="}) {
        cases.push_back({{flag}, 2, flag + " names no file"});
    }
    std::error_code noLinks; // a plain Windows user makes none
    if (fs::create_symlink("game.txt", "save-link", noLinks); !noLinks) {
        cases.push_back({{"-record=save-link"}, 1, "save-link: that is the saved game"});
        fs::create_symlink("loop", "loop");
        cases.push_back({{"-record=loop/x.rec"}, 1, "loop/x.rec: Too many levels of symbolic"});
    }
    if (fs::exists("/proc/self/mem")) { // a read error on demand
        cases.push_back({{"-replay=/proc/self/mem"}, 1, "/proc/self/mem: Input/output error"});
    }
    return cases;
}
} // namespace

// Nothing starts, nothing is created or changed: one line and a status.
TEST_F(RecordingVerdictTest, PathsThatMustNotTakeARecordingAreRefusedBeforeAnythingStarts) {
    const std::string save = "fart_user_1_score=2500\nfart_user_1_level=3\n";
    std::ofstream("game.txt") << save;
    std::ofstream("checkpoint1700000000.txt") << save;
    std::ofstream("notes.txt") << "not a recording\n";
    std::ofstream("tips.txt") << "void-angler recording tips\n";
    fs::create_directory("folder");
    const Refusals cases = refusedPaths();
    const std::size_t files = std::distance(fs::directory_iterator("."), {});
    expectRefused(cases);
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), files) << "nothing new";
    EXPECT_EQ(readFile("game.txt"), save);
    EXPECT_EQ(readFile("notes.txt"), "not a recording\n");
}

// A recording may be replaced, but only once the new game's first frame is written.
TEST_F(RecordingVerdictTest, PathsThatMustNotTakeARecordingYetIncludeAnOldOneUntilTheFirstFrame) {
    std::ofstream("old.rec") << "void-angler recording 1\ngame 0\n";
    const std::size_t files = std::distance(fs::directory_iterator("."), {});
    GameRecorder unstarted("old.rec", {});
    ASSERT_EQ(unstarted.start(), "");
    unstarted.finish(EXIT_FAILURE);
    EXPECT_EQ(readFile("old.rec"), "void-angler recording 1\ngame 0\n");
    EXPECT_EQ(std::distance(fs::directory_iterator("."), {}), files) << "no scratch file left";
}

// The page keeps its recording in memory: past its limit the recording stops after its last
// whole frame, told once, and what was written replays as cut off.
TEST_F(RecordingVerdictTest, ARecordingStopsAtItsLimitAndStillReplays) {
    GameRecorder whole("whole.rec", {"-test"});
    ASSERT_EQ(whole.start(), "");
    LinkedGame{}.play(whole);
    const std::size_t frame2 = readFile("whole.rec").find("frame 2\n");
    fs::remove("game.txt"); // the same start again
    GameRecorder cut("cut.rec", {"-test"});
    ASSERT_EQ(cut.start(), "");
    const auto [status, err] = LinkedGame{.recordingLimit = frame2 + 8}.play(cut);
    const std::string stopped = "recording stopped at frame 2: it reached its limit of ";
    EXPECT_EQ(status, 0);
    EXPECT_EQ(countLines(err, stopped + std::to_string(frame2 + 8) + " bytes"), 1) << err;
    EXPECT_EQ(readFile("cut.rec").size(), frame2) << "only whole frames, and no end mark";
    EXPECT_EQ(replayText(readFile("cut.rec")),
              Verdict(0, "replay in sync up to frame 1: the recording is cut off"));
}
