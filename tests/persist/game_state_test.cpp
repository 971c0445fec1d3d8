#include "persist/game_state.h"

#include <memory>

#ifdef _WIN32
#include <windows.h>
#endif

#include "support/kit.h"

namespace fs = std::filesystem;

// Windows keeps only the read-only bit.
constexpr fs::perms kKeptPerms = fs::perms(fs::path::preferred_separator == '\\' ? 0666 : 0640);

// Loads text as "game.txt"; returns the reader's log, "score level freeze pause", the
// points and the other keys.
static std::string load(const std::string& text, std::unique_ptr<GameState>& s) {
    std::ofstream("game.txt", std::ios::binary) << text;
    std::ostringstream o;
    o << quietly([&] { s = std::make_unique<GameState>(); }) << s->getScore() << ' '
      << s->getLevel() << ' ' << s->loadedFreeze << ' ' << s->isPaused();
    for (const Point& p : s->getLfpts()) {
        o << ' ' << p.x << ',' << p.y;
    }
    for (const auto& [key, value] : s->store) {
        o << " [" << key << "][" << value << "]";
    }
    return o.str();
}

TEST(GameStateTest, TheReaderSortsEachLineIntoItsField) {
    const std::string huge = "fart_user_1_lfpt=" + std::string(1 << 20, '0') + ",7\r\n";
    const std::string rows[][2] = {
        {"fart_user_1_score=1200\nmy fart_user_1_level=3\n", "1200 3 0 0"},
        {"fart_user_1_score=7\nfart_user_1_score=-5\n", "negative number error!!\n0 0 0 0"},
        {"fart_user_1_score==12\na=b=c\n=abc\nfart_user_1_lfpt=12\n", "12 0 0 0 12,12 [a=b][c]"},
        {"x\n\nab\nabc", "empty line skipping\nempty line skipping\n0 0 0 0 [ab][ab] [abc][abc]"},
        {"fart_user_1_liff_cycle_freeze=true\nfart_user_1_pause_game=no\n", "_s == no\n0 0 1 0"},
        {"fart_user_1_pause_game=1\r\nfart_user_1_level=2\r\n" + huge, "0 2 0 1 0,7"},
    };
    WorkDir dir;
    for (const auto& [text, fields] : rows) {
        std::unique_ptr<GameState> s;
        EXPECT_EQ(load(text, s), fields) << text.substr(0, 60);
    }
}

// Wraps as 32 bits, never overflowing signed arithmetic.
TEST(GameStateTest, NumbersWrapAsThirtyTwoBits) {
    EXPECT_EQ(std::tuple(GameState::parseNumber("1a"), GameState::parseNumber("2147483648"),
                         GameState::parseNumber("4294967297"),
                         GameState::parseNumber("99999999999")),
              std::tuple(59, INT_MIN, 1, 1215752191));
}

namespace {
const std::string kOdd = "abc\r\nx\nfart_user_1_lfpt=1,1\nfart_user_1_score=8";

// A stale temporary file from a crash, in a scratch folder.
struct StaleTemporary : WorkDir {
    StaleTemporary() { std::ofstream(".game.txt.tmp") << "fart_user_1_score=99\n"; }
};
} // namespace

// What the exit writes is only what the save routine filled: here nothing, so the file stays.
TEST(GameStateTest, AStaleTemporaryIsNotReadAndAnUnsavedStateLeavesTheFileAsItWas) {
    StaleTemporary dir;
    std::unique_ptr<GameState> state;
    load(kOdd, state);
    state->put("k", "v");
    state.reset();
    EXPECT_EQ(readFile("game.txt"), kOdd);
}

TEST(GameStateTest, AWriteGoesPastAStaleTemporaryAndAFailedOneKeepsTheOldFile) {
    StaleTemporary dir;
    std::ofstream("game.txt") << kOdd;
    fs::permissions("game.txt", kKeptPerms);
    std::unique_ptr<GameState> state;
    EXPECT_EQ(load(kOdd, state), "empty line skipping\n8 0 0 0 1,1 [abc][abc]");
    state->save();
    state->clear();
    const std::string seven = "fart_user_1_lfpt=4,7\nfart_user_1_lfpt=5,7\nfart_user_1_lfpt=6,8\n"
                              "fart_user_1_score=1200\nfart_user_1_level=2\n"
                              "fart_user_1_liff_cycle_freeze=1\nfart_user_1_pause_game=0\n";
    for (const std::string& l : logLines(seven)) {
        state->put(l.substr(0, l.find('=')), l.substr(l.find('=') + 1));
    }
    // Runs as root, so the write is made to fail by the file tree, not by permission bits.
    fs::create_directory(".game.txt.tmp");
    testing::internal::CaptureStdout();
    state->save();
    fs::remove(".game.txt.tmp");
    setCalendarClock([] { return std::time_t{1700000000}; });
    std::string name = "checkpoint";
    state->saveAs(name);
    setCalendarClock({});
    EXPECT_EQ(
        std::tuple(testing::internal::GetCapturedStdout(), name, state->lastSaveName,
                   readFile("game.txt")),
        std::tuple("Unable to open file:vgame.txt", "checkpoint1700000000.txt", name, "abc=abc\n"));
    state.reset();
    EXPECT_EQ(readFile(name) + readFile("game.txt"), seven + seven);
    EXPECT_EQ(std::tuple(fs::status("game.txt").permissions(), fs::exists(".game.txt.tmp")),
              std::tuple(kKeptPerms, false));
}

#ifdef _WIN32
// Another program (a scanner, a sync tool) holding "game.txt" without sharing it: the save
// tries again for a while, then reports the failure, keeping the old file and no temporary.
TEST(GameStateTest, AFileHeldByAnotherProgramFailsCleanlyAndAFreeOneGetsTheSameBytesAsOnLinux) {
    WorkDir dir;
    std::ofstream("game.txt", std::ios::binary) << "old=1\n";
    std::unique_ptr<GameState> state;
    quietly([&] { state = std::make_unique<GameState>(); });
    state->clear();
    state->put("fart_user_1_score", "5");
    HANDLE held = CreateFileW(L"game.txt", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(quietly([&] { state->save(); }), "Unable to open file:vgame.txt");
    CloseHandle(held);
    EXPECT_EQ(std::tuple(readFile("game.txt"), fs::exists(".game.txt.tmp")),
              std::tuple("old=1\n", false));
    state.reset();
    EXPECT_EQ(readFile("game.txt"), "fart_user_1_score=5\n");
}
#endif
