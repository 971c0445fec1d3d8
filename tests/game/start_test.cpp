#include "support/headless_game.h"

namespace fs = std::filesystem;

// The start-up's log, line by line, the stored recordings' logs hold; shut-down's lines close
// every stored recording's log.
TEST(StartTest, StartLoadsEveryShieldAndFlamePictureAndShutDownLetsGoOfTheShip) {
    StartedGame h;
    const SpaceShip& hero = h.game->hero();
    EXPECT_EQ(std::count(hero.shieldTextures.begin(), hero.shieldTextures.end(), nullptr), 0);
    EXPECT_EQ(std::tuple(hero.shieldTextures.size(), hero.thrustShieldTextures.size(),
                         hero.thrustTextures.size()),
              std::tuple(7u, 3u, 2u));
    quietly([&] { EXPECT_EQ(h.stop(), 0); });
    EXPECT_EQ(h.state->theHero, nullptr) << "the pointer does not outlive the ship's game";
    h.exitProcess();
}

TEST(StartTest, AMissingFontIsReportedAndTheGameStillPlays) {
    HeadlessGame noFont;
    fs::remove_all(noFont.workDir.path() / "dat");
    fs::copy(fs::path(VA_SOURCE_DIR) / "dat", "dat", fs::copy_options::recursive);
    fs::remove("dat/TOMARIDENA.ttf");
    const std::string log = quietly([&] {
        EXPECT_FALSE(noFont.start());
        noFont.frames(2);
    });
    EXPECT_TRUE(holds(log, "Failed to load font:"));
    quietly([&] { noFont.exitProcess(); });
}

// A window or renderer that cannot be made, a bad field flag, or a field too small: refused
// before any window opens where the screen's size is known beforehand, and after otherwise.
TEST(StartTest, NoWindowNoRendererABadFieldFlagOrAFieldTooSmallEndsWithFailure) {
    // The flag, the screen's width, what cannot be made (Window, Renderer), whether a window opens.
    const std::tuple<const char*, int, char, bool> starts[] = {{"", 1920, 'W', true},
                                                               {"", 1920, 'R', true},
                                                               {"-window=12", 0, '-', false},
                                                               {"-scale=4", 1920, '-', false},
                                                               {"-scale=4", 5000, '-', true}};
    for (const auto& [flag, side, broken, opens] : starts) {
        HeadlessGame bad;
        bool opened = false;
        bad.display.desktopSize = [side](auto& w, auto& h) { return w = side, h = side / 2, true; };
        bad.display.openWindow = [&, b = broken, open = bad.display.openWindow](auto&&... a) {
            opened = true;
            return b == 'W' ? nullptr : open(a...);
        };
        bad.display.openRenderer = [b = broken, open = bad.display.openRenderer](SDL_Window* w) {
            return b == 'R' ? nullptr : open(w);
        };
        bad.makeGame();
        std::optional<int> status;
        quietly([&] { status = bad.start({flag}); });
        EXPECT_TRUE(status.value_or(0) != 0 && opened == opens) << flag << " on " << side << broken;
        quietly([&] { bad.exitProcess(); });
    }
}

// Each key with its name in the settings file, as players write it.
TEST(StartTest, TheReadmeListsEveryKeyOfTheKeyTableWithItsSettingsName) {
    const std::string readme = readFile(fs::path(VA_SOURCE_DIR) / "README.md");
    for (const KeyBinding& binding : Game::keyTable()) {
        const std::string row = std::string("| ") + binding.name + " | " + binding.setting + " |";
        EXPECT_NE(readme.find(row), std::string::npos) << row;
    }
}

// How the score and level show, and what C logs and shows, the stored recordings hold.
TEST(StartTest, ASavedGameComesBackAndTheCheckpointAndTheExitWriteItWithTheLiffCells) {
    // The seed pattern as the checkpoint writes it, one line per live cell in order.
    std::istringstream cells("4,7 5,7 0,0 6,8 6,9 33,9 32,7 31,8 3,6 32,9 33,10 45,24 44,24 43,24 "
                             "45,23 44,23 45,25 46,26 47,27 48,27 49,26 50,27 47,4 48,3 49,2 49,1 "
                             "50,0 24,13 25,14 26,14 26,15 10,25 10,24 11,24 11,25");
    std::string seed;
    for (std::string cell; cells >> cell;) {
        seed += "fart_user_1_lfpt=" + cell + "\n";
    }
    for (const auto& [score, magazine] : {std::pair{2500, 115}, std::pair{999, 75}}) {
        const std::string saved =
            "fart_user_1_score=" + std::to_string(score) + "\nfart_user_1_level=3\n";
        StartedGame h(1920, 1080, saved + "fart_user_1_pause_game=1\nkept_until_saved=1\n");
        h.run();
        EXPECT_EQ(
            std::tuple(h.game->weapons().getMaxMissiles(), h.state->level, h.state->pauseGame),
            std::tuple(magazine, 3, true));
        h.tapAndRun(SDL_SCANCODE_C);
        const std::string tail = seed + saved + "fart_user_1_liff_cycle_freeze=1\n";
        EXPECT_EQ(readFile(h.workDir.path() / "checkpoint1700000000.txt"),
                  tail + "fart_user_1_pause_game=1\n");
        h.tapAndRun(SDL_SCANCODE_P);
        quietly([&] { h.exitProcess(); });
        EXPECT_EQ(readFile(h.workDir.path() / "game.txt"), tail + "fart_user_1_pause_game=0\n");
    }
}
