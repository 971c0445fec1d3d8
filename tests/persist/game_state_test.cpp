#include "persist/game_state.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "geometry/calendar_clock.h"
#include "support/work_dir.h"

namespace fs = std::filesystem;

static void writeFile(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

static std::string readFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Loads text as "game.txt"; returns what the reader printed.
static std::string loadFrom(const std::string& text, std::unique_ptr<GameState>& out) {
    writeFile("game.txt", text);
    testing::internal::CaptureStdout();
    out = std::make_unique<GameState>();
    return testing::internal::GetCapturedStdout();
}

// "score level freeze pause | points | [key][value]..."
static std::string summary(GameState& s) {
    std::ostringstream o;
    o << s.getScore() << ' ' << s.getLevel() << ' ' << s.loadedFreeze << ' ' << s.isPaused()
      << " |";
    for (const Point& p : s.getLfpts()) {
        o << ' ' << p.x << ',' << p.y;
    }
    o << " |";
    for (const auto& [key, value] : s.store) {
        o << " [" << key << "][" << value << "]";
    }
    return o.str();
}

TEST(GameStateTest, ReaderSortsEachLineIntoItsField) {
    const std::string huge = "fart_user_1_lfpt=" + std::string(1 << 20, '0') + ",7\r\n";
    const std::string rows[][3] = {
        {"fart_user_1_score=1200\n", "", "1200 0 0 0 | |"},
        {"fart_user_1_score=7\nfart_user_1_score=-5\n", "negative number error!!\n", "0 0 0 0 | |"},
        {"fart_user_1_score==12\na=b=c\n=abc\n", "", "12 0 0 0 | | [a=b][c]"},
        {"x\n\nabc", "empty line skipping\nempty line skipping\n", "0 0 0 0 | | [abc][abc]"},
        {"my fart_user_1_level=3\nFart_user_1_level=4\n", "", "0 3 0 0 | | [Fart_user_1_level][4]"},
        {"fart_user_1_lfpt=12\nfart_user_1_lfpt=1,2,3\n", "", "0 0 0 0 | 12,12 62,3 |"},
        {"fart_user_1_liff_cycle_freeze=true\nfart_user_1_pause_game=no\n", "_s == no\n",
         "0 0 1 0 | |"},
        {"fart_user_1_pause_game=1\r\nfart_user_1_level=2\r\n" + huge, "", "0 2 0 1 | 0,7 |"},
    };
    WorkDir dir;
    for (const auto& [text, log, fields] : rows) {
        std::unique_ptr<GameState> s;
        EXPECT_EQ(loadFrom(text, s), log) << text.substr(0, 60);
        EXPECT_EQ(summary(*s), fields) << text.substr(0, 60);
    }
}

TEST(GameStateTest, ParseNumberWrapsInThirtyTwoBits) {
    // clang-format off
    const std::pair<std::string, std::int32_t> rows[] = {
        {"", 0},           {"007", 7},        {"1a", 59},              {"2147483647", INT_MAX},
        {"4294967296", 0}, {"4294967297", 1}, {"2147483648", INT_MIN}, {"99999999999", 1215752191}};
    // clang-format on
    for (const auto& [text, value] : rows) {
        EXPECT_EQ(GameState::parseNumber(text), value) << text;
    }
}

TEST(GameStateTest, SaveWritesTheStoreAndClearDropsUnrecognisedLines) {
    WorkDir dir;
    std::unique_ptr<GameState> s;
    loadFrom("abc\nfart_user_1_lfpt=1,1\n", s);
    s->save();
    EXPECT_EQ(readFile("game.txt"), "abc=abc\n");
    s->clear();
    EXPECT_EQ(summary(*s), "0 0 0 0 | |");
    for (const char* kv : {"lfpt=4,7", "lfpt=5,7", "lfpt=6,8", "score=1200", "level=2",
                           "liff_cycle_freeze=1", "pause_game=0"}) {
        const std::string text = kv;
        s->put(s->userId + "_" + text.substr(0, text.find('=')), text.substr(text.find('=') + 1));
    }
    setCalendarClock([] { return std::time_t{1700000000}; });
    std::string name = "checkpoint";
    s->saveAs(name);
    setCalendarClock({});
    EXPECT_EQ(name, "checkpoint1700000000.txt");
    EXPECT_EQ(s->lastSaveName, name);
    EXPECT_EQ(readFile("game.txt"), "abc=abc\n");
    EXPECT_EQ(readFile(name), "fart_user_1_lfpt=4,7\nfart_user_1_lfpt=5,7\nfart_user_1_lfpt=6,8\n"
                              "fart_user_1_score=1200\nfart_user_1_level=2\n"
                              "fart_user_1_liff_cycle_freeze=1\nfart_user_1_pause_game=0\n");
}

// Runs as root, so the writes are made to fail by the file tree, not by permission bits.
TEST(GameStateTest, FailedWriteReportsAndKeepsTheOldFile) {
    WorkDir dir;
    std::unique_ptr<GameState> s;
    loadFrom("old\n", s);
    s->put("k", "v");
    fs::create_directory(".game.txt.tmp");
    writeFile("plain", "p");
    std::string name = "plain/cp";
    setCalendarClock([] { return std::time_t{5}; });
    testing::internal::CaptureStdout();
    s->save();
    s->saveAs(name);
    fs::remove(".game.txt.tmp");
    fs::rename("game.txt", "kept");
    fs::create_directory("game.txt");
    s->save();
    setCalendarClock({});
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Unable to open file:vgame.txtUnable to open file:vplain/cp5.txt"
              "Unable to open file:vgame.txt");
    EXPECT_EQ(readFile("kept") + readFile("plain"), "old\np");
    EXPECT_FALSE(fs::exists(".game.txt.tmp"));
}

// A stale temporary file from a crash is neither read nor in the way of the exit's write.
TEST(GameStateTest, ExitWritesOnlyWhenTheSaveRoutineFilledTheStore) {
    WorkDir dir;
    testing::internal::CaptureStdout();
    std::make_unique<GameState>().reset();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Unable to open file");
    EXPECT_FALSE(fs::exists("game.txt"));
    writeFile(".game.txt.tmp", "fart_user_1_score=99\n");
    const std::string odd = "abc\r\nx\nfart_user_1_score=8";
    std::unique_ptr<GameState> s;
    loadFrom(odd, s);
    EXPECT_EQ(s->getScore(), 8);
    s->put("k", "v");
    s.reset();
    EXPECT_EQ(readFile("game.txt"), odd);
    ::chmod("game.txt", 0640);
    loadFrom(odd, s);
    s->clear();
    s->put("k", "v");
    s.reset();
    EXPECT_EQ(readFile("game.txt"), "k=v\n");
    EXPECT_FALSE(fs::exists(".game.txt.tmp"));
    struct stat st {};
    ::stat("game.txt", &st);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}
