#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/log_lines.h"
#include "support/started_game_test.h"

namespace {
class KeysTest : public StartedGameTest {};
} // namespace

TEST_F(KeysTest, EachKeyLogsItsOwnTextOrNothing) {
    struct Row {
        SDL_Scancode key;
        const char* log; // the start of what the frame logs
        bool whole = false;
    };
    // randV for the pinned second starts 4, 2, 4, 2, 6, 3, 7, 8, 9, 6, 1, 1, 9, 6, 4, 4, 10, 5,
    // 6, 13.
    const Row rows[] = {
        {SDL_SCANCODE_H, "display help menu...\n"},
        {SDL_SCANCODE_M, "starting milk_run_mode\n"},
        {SDL_SCANCODE_3,
         "randV:4\nrandV:2\nrandV:4\nrandV:2\nrandV:6\nrandV:3\nrandV:7\nrandV:8\n"
         "randV:9\nrandV:6\nrandV:1\nrandV:1\nrandV:9\nrandV:6\nrandV:4\nrandV:4\n"
         "randV:10\nrandV:5\nrandV:6\nrandV:13\n",
         true},
        {SDL_SCANCODE_1, "printPoly():\nx="},
        {SDL_SCANCODE_W, "Inside SCANCODE_W\n##### Printing the rocks that are missing #####\n"
                         "##### Then apply fixLostRock() and print out the results #####\n"
                         "SpaceJunk::printCords()\n"},
        {SDL_SCANCODE_N,
         "##### Create new rocks pluss 10 ####\nrand foo and rand bar values:4, 2\n"},
        {SDL_SCANCODE_M, "ending milk_run_mode\n"},
        {SDL_SCANCODE_A, "New Liff Cycle Period of : 6650\n", true},
        {SDL_SCANCODE_F, "Liff Cycle Freeze == true\n", true},
        {SDL_SCANCODE_L, "New Randomized Liff...\n", true},
    };
    for (const Row& r : rows) {
        h.tapKey(r.key);
        const std::string log = frameLog();
        EXPECT_EQ(log.rfind(r.log, 0), 0u) << SDL_GetScancodeName(r.key) << " logged:\n" << log;
        EXPECT_TRUE(!r.whole || log == r.log) << SDL_GetScancodeName(r.key);
        if (r.key == SDL_SCANCODE_M) { // shown, but not logged
            EXPECT_EQ(h.game->hud().messageText(),
                      std::string("milk_run_mode:") + (h.state->input.milkRunMode ? "ON" : "OFF"));
        }
    }
    for (SDL_Scancode quiet :
         {SDL_SCANCODE_G, SDL_SCANCODE_G, SDL_SCANCODE_P, SDL_SCANCODE_P, SDL_SCANCODE_D,
          SDL_SCANCODE_S, SDL_SCANCODE_E, SDL_SCANCODE_2, SDL_SCANCODE_V, SDL_SCANCODE_Z}) {
        h.tapKey(quiet);
        EXPECT_EQ(frameLog(), "") << SDL_GetScancodeName(quiet);
    }
    EXPECT_EQ(h.game->waveSize(), 20) << "N added ten to the wave size";
    EXPECT_EQ(h.game->rockField().size(), 30u);
}

TEST_F(KeysTest, EveryIslandIsOutlinedWhileTheRightButtonIsHeld) {
    const SDL_Color green{168, 198, 78, 255};
    h.mouseDown(SDL_BUTTON_LEFT, 5, 6);
    EXPECT_EQ(frameLog(), "!!!!mouse button down event!!!!!");
    // The island of the cell (0, 0) is the box (0, 0, 30, 30) on 35 x 38 cells.
    EXPECT_NE(h.pixel(0, 20), green) << "the left button outlines nothing";
    h.mouseDown(SDL_BUTTON_RIGHT, 300, 200);
    frameLog();
    EXPECT_EQ(h.pixel(0, 20), green);
    EXPECT_EQ(h.pixel(29, 20), green);
    h.mouseUp(SDL_BUTTON_LEFT, 300, 200);
    frameLog();
    EXPECT_NE(h.pixel(0, 20), green) << "any button going up ends it";
}

TEST_F(KeysTest, GHaltsTheRadarLoopSilencesShotsAndASecondGRestartsIt) {
    EXPECT_EQ(Mix_GetChunk(SoundEffects::kRadarChannel), h.state->sounds.radar);
    EXPECT_EQ(Mix_Playing(SoundEffects::kRadarChannel), 1);
    h.tapKey(SDL_SCANCODE_G);
    h.tapKey(SDL_SCANCODE_SPACE);
    frameLog();
    EXPECT_EQ(h.game->weapons().getNumMissiles(), 1);
    EXPECT_TRUE(h.playing().empty()) << "no radar and no shot while muted";
    h.tapKey(SDL_SCANCODE_G);
    frameLog();
    EXPECT_EQ(Mix_Playing(SoundEffects::kRadarChannel), 1);
    EXPECT_EQ(Mix_GetChunk(SoundEffects::kRadarChannel), h.state->sounds.radar);
}

TEST(KeyTableTest, TheReadmeListsEveryKeyOfTheTable) {
    std::ifstream readme(std::string(VA_SOURCE_DIR) + "/README.md");
    std::stringstream text;
    text << readme.rdbuf();
    for (const KeyBinding& binding : Game::keyTable()) {
        EXPECT_NE(text.str().find(std::string("| ") + binding.name + " |"), std::string::npos)
            << binding.name;
    }
}
