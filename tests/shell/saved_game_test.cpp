#include <gtest/gtest.h>

#include <fstream>

#include "support/headless_game.h"
#include "support/log_lines.h"

namespace {
// The seed pattern as the checkpoint writes it, one line per live cell in order.
std::string seedLines() {
    const int cells[35][2] = {{4, 7},   {5, 7},   {0, 0},   {6, 8},   {6, 9},   {33, 9},  {32, 7},
                              {31, 8},  {3, 6},   {32, 9},  {33, 10}, {45, 24}, {44, 24}, {43, 24},
                              {45, 23}, {44, 23}, {45, 25}, {46, 26}, {47, 27}, {48, 27}, {49, 26},
                              {50, 27}, {47, 4},  {48, 3},  {49, 2},  {49, 1},  {50, 0},  {24, 13},
                              {25, 14}, {26, 14}, {26, 15}, {10, 25}, {10, 24}, {11, 24}, {11, 25}};
    std::string text;
    for (const auto& c : cells) {
        text += "fart_user_1_lfpt=" + std::to_string(c[0]) + "," + std::to_string(c[1]) + "\n";
    }
    return text;
}

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string started(HeadlessGame& h) {
    testing::internal::CaptureStdout();
    EXPECT_FALSE(h.start().has_value());
    return testing::internal::GetCapturedStdout();
}

std::string frame(HeadlessGame& h) {
    testing::internal::CaptureStdout();
    h.frames(1);
    return testing::internal::GetCapturedStdout();
}
} // namespace

TEST(SavedGameTest, ScoreLevelAndPauseComeBackAndTheScoreFillsTheMagazine) {
    struct Row {
        int score;
        int magazine;
    };
    for (const Row& r : {Row{2500, 115}, Row{999, 75}}) {
        HeadlessGame h(1920, 1080,
                       "fart_user_1_score=" + std::to_string(r.score) +
                           "\nfart_user_1_level=3\nfart_user_1_pause_game=1\n");
        started(h);
        frame(h);
        EXPECT_EQ(h.game->weapons().getMaxMissiles(), r.magazine);
        EXPECT_EQ(h.game->hud().scoreText(), "Score:" + std::to_string(r.score));
        EXPECT_EQ(h.state->level, 3);
        EXPECT_TRUE(h.state->pauseGame);
    }
}

TEST(SavedGameTest, CheckpointsAndTheExitWriteTheSeedCellsAndTheState) {
    HeadlessGame h(1920, 1080, "fart_user_1_score=2500\nfart_user_1_level=3\nkept_until_saved=1\n");
    started(h);
    h.tapKey(SDL_SCANCODE_C);
    EXPECT_EQ(frame(h), "Save checkpoint as: checkpoint1700000000.txt\n");
    EXPECT_EQ(h.game->hud().messageText(), "Saved game state as: checkpoint1700000000.txt");
    const std::string tail = "fart_user_1_score=2500\nfart_user_1_level=3\n"
                             "fart_user_1_liff_cycle_freeze=1\nfart_user_1_pause_game=";
    EXPECT_EQ(readFile(h.workDir.path() / "checkpoint1700000000.txt"), seedLines() + tail + "0\n");
    h.tapKey(SDL_SCANCODE_P);
    frame(h);
    testing::internal::CaptureStdout();
    h.exitProcess();
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(readFile(h.workDir.path() / "game.txt"), seedLines() + tail + "1\n");
}

TEST(SavedGameTest, TheRightButtonPicksTheLiffCellUnderThePointer) {
    HeadlessGame h;
    started(h);
    // Cells are 35 x 38 on 1920 x 1080; (4, 7) is a seed cell, the corner lies in the strip.
    h.mouseDown(SDL_BUTTON_RIGHT, 4 * 35 + 5, 7 * 38 + 5);
    EXPECT_EQ(frame(h), "!!!!mouse button down event!!!!!Mouse x=145, y=271\nLiving Liff Block!\n"
                        "Liff Block Point(x=4,y=7);\n");
    EXPECT_EQ(h.game->hud().messageText(), "lIFF BLOCK POINT: Point(x=4,y=7);");
    h.mouseDown(SDL_BUTTON_RIGHT, 1919, 1079);
    EXPECT_EQ(logLines(frame(h)).back(), "Liff Block Point(x=50,y=27);");
}
