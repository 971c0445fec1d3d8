#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "support/headless_game.h"
#include "support/log_lines.h"

namespace fs = std::filesystem;

namespace {
std::vector<std::string> readLines(const fs::path& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// Replaces dat with a copy of the real one that lacks the named files.
void datWithout(const WorkDir& dir, std::initializer_list<const char*> missing) {
    fs::remove(dir.path() / "dat");
    fs::create_directory(dir.path() / "dat");
    for (const auto& entry : fs::directory_iterator(fs::path(VA_SOURCE_DIR) / "dat")) {
        fs::create_symlink(entry.path(), dir.path() / "dat" / entry.path().filename());
    }
    for (const char* name : missing) {
        fs::remove(dir.path() / "dat" / name);
    }
}
} // namespace

TEST(GameStartTest, StartUpLogsTheFixedLinesInOrder) {
    HeadlessGame h;
    testing::internal::CaptureStdout();
    ASSERT_FALSE(h.start().has_value());
    std::vector<std::string> log = logLines(testing::internal::GetCapturedStdout());
    std::vector<std::string> expected =
        readLines(fs::path(VA_SOURCE_DIR) / "tests/golden/startup_fixed_lines.txt");
    ASSERT_FALSE(expected.empty());
    auto at = log.begin();
    for (const std::string& line : expected) {
        at = std::find(at, log.end(), line);
        ASSERT_NE(at, log.end()) << "missing or out of order: " << line;
    }
    EXPECT_EQ(h.game->WINDOW_SIZE_X, 1920);
    EXPECT_EQ(h.state->windowSize, Point(1920, 1080));
    EXPECT_EQ(h.stop(), 0);
}

TEST(GameStartTest, RandomTableAlternatesItsTwoRangesAndSleepsFiveSeconds) {
    HeadlessGame h;
    testing::internal::CaptureStdout();
    h.start();
    testing::internal::GetCapturedStdout();
    const std::vector<int>& randV = h.state->randV;
    ASSERT_EQ(randV.size(), 200u);
    for (std::size_t i = 0; i < randV.size(); i += 2) {
        EXPECT_GE(randV[i], 1);
        EXPECT_LE(randV[i], 10);
        EXPECT_GE(randV[i + 1], 0);
        EXPECT_LE(randV[i + 1], 14);
    }
    EXPECT_EQ(h.sleptMs, 100u * 50u) << "100 sleeps of 50 ms through the seam";
}

TEST(GameStartTest, HelpPrintsFourLinesAndEndsWithSuccessBeforeTheWindow) {
    HeadlessGame h;
    testing::internal::CaptureStdout();
    std::optional<int> status = h.start({"-test", "-help", "-test"});
    std::string log = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 0);
    EXPECT_NE(log.find("~#!#~...run tests...~#!#~\n-help show this message..\n-test run tests...\n"
                       "-run_lvl=n run game at lvl n...\n-demo_mode run demo mode\n"),
              std::string::npos);
    EXPECT_EQ(countLines(log, "~#!#~...run tests...~#!#~"), 1)
        << "arguments after -help are not read";
    EXPECT_EQ(log.find("loding game..."), std::string::npos);
    EXPECT_EQ(h.game->window, nullptr);
    EXPECT_FALSE(fs::exists("game.txt"));
}

TEST(GameStartTest, UnknownArgumentsStartAnOrdinaryGame) {
    HeadlessGame h;
    testing::internal::CaptureStdout();
    std::optional<int> status = h.start({"-run_lvl=3", "-demo_mode"});
    std::string log = testing::internal::GetCapturedStdout();
    EXPECT_FALSE(status.has_value());
    EXPECT_NE(log.find("loding game...\n"), std::string::npos);
}

TEST(GameStartTest, MissingSoundsAreAllReportedAndEndWithFailure) {
    HeadlessGame h;
    datWithout(h.workDir, {"shot.wav", "radar_v2.wav"});
    testing::internal::CaptureStdout();
    std::optional<int> status = h.start();
    std::string log = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(*status, 0) << "a failed start is not reported as success";
    EXPECT_NE(log.find("Failed to load shoot sound effect! SDL_mixer Error: "), std::string::npos);
    EXPECT_NE(log.find("Failed to load radar background! SDL_mixer Error: "), std::string::npos);
    EXPECT_EQ(log.find("Failed to load blast sound effect!"), std::string::npos);
    EXPECT_EQ(log.find("successful load of shot.wav"), std::string::npos);
    EXPECT_EQ(log.find("loding game..."), std::string::npos);
    EXPECT_EQ(h.state->sounds.blast, nullptr) << "what did load is released again";
}

TEST(GameStartTest, MissingFontIsReportedAndTheGameRuns) {
    HeadlessGame h;
    datWithout(h.workDir, {"TOMARIDENA.ttf"});
    testing::internal::CaptureStdout();
    ASSERT_FALSE(h.start().has_value());
    h.frames(2);
    std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("Failed to load font:"), std::string::npos);
    EXPECT_EQ(h.game->font, nullptr);
}

TEST(GameStartTest, WindowThatCannotBeCreatedEndsWithFailure) {
    HeadlessGame h;
    h.game = std::make_unique<Game>(
        *h.state,
        Platform{[](Uint32) {}, Display{[](const char*, int&, int&) -> SDL_Window* {
                                            SDL_SetError("no display here");
                                            return nullptr;
                                        },
                                        [](SDL_Window*) -> SDL_Renderer* { return nullptr; }}});
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    std::optional<int> status = h.start();
    std::string log = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(*status, 0);
    EXPECT_NE(err.find("no display here"), std::string::npos);
    EXPECT_EQ(log.find("FullScreen Window Size"), std::string::npos);
    EXPECT_FALSE(fs::exists("game.txt"));
}

TEST(GameStartTest, RendererThatCannotBeCreatedEndsWithFailure) {
    HeadlessGame h;
    SDL_Surface* screen = h.screen;
    h.game = std::make_unique<Game>(
        *h.state, Platform{[](Uint32) {}, Display{[screen](const char* title, int& w, int& h) {
                                                      w = screen->w;
                                                      h = screen->h;
                                                      return SDL_CreateWindow(title, 0, 0, w, h,
                                                                              SDL_WINDOW_HIDDEN);
                                                  },
                                                  [](SDL_Window*) -> SDL_Renderer* {
                                                      SDL_SetError("no renderer here");
                                                      return nullptr;
                                                  }}});
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    std::optional<int> status = h.start();
    testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(*status, 0);
    EXPECT_NE(err.find("no renderer here"), std::string::npos);
}

TEST(GameStartTest, ShutDownLogsTheRockCapacityBeforeAndAfterShrinking) {
    HeadlessGame h;
    testing::internal::CaptureStdout();
    h.start();
    std::size_t capacity = h.game->rocks.capacity();
    EXPECT_EQ(h.stop(), 0);
    std::string log = testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("capacity is now:" + std::to_string(capacity) +
                       "\nafter clear and shrink_to_fit, capacity is now:0\n"),
              std::string::npos);
}
