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
    return logLines(std::string(std::istreambuf_iterator<char>(in), {}));
}

// Replaces dat with links to the real files, less the named ones.
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

// A window, but no renderer for it.
Platform noRenderer(SDL_Surface* screen) {
    Display d;
    d.openWindow = [screen](const char* title, int& w, int& h) {
        w = screen->w;
        h = screen->h;
        return SDL_CreateWindow(title, 0, 0, w, h, SDL_WINDOW_HIDDEN);
    };
    d.openRenderer = [](SDL_Window*) -> SDL_Renderer* {
        SDL_SetError("no renderer here");
        return nullptr;
    };
    return Platform{[](Uint32) {}, d};
}
} // namespace

TEST(StartTest, StartUpLogsTheFixedLinesInOrderAndLoadsEveryShipPicture) {
    HeadlessGame h;
    testing::internal::CaptureStdout();
    // Listed by the help, but they change nothing.
    ASSERT_FALSE(h.start({"-run_lvl=3", "-demo_mode"}).has_value());
    std::vector<std::string> log = logLines(testing::internal::GetCapturedStdout());
    std::vector<std::string> expected =
        readLines(fs::path(VA_SOURCE_DIR) / "tests/golden/startup_fixed_lines.txt");
    ASSERT_FALSE(expected.empty());
    // A line ending in '*' stands for any line that starts with the rest of it.
    auto at = log.begin();
    for (const std::string& line : expected) {
        const bool prefix = line.back() == '*';
        const std::string want = prefix ? line.substr(0, line.size() - 1) : line;
        at = std::find_if(at, log.end(), [&](const std::string& l) {
            return prefix ? l.rfind(want, 0) == 0 : l == want;
        });
        ASSERT_NE(at, log.end()) << "missing or out of order: " << line;
        ++at;
    }
    EXPECT_EQ(h.sleptMs, 100u * 50u) << "the random table's sleeps";
    const SpaceShip& hero = h.game->hero();
    EXPECT_NE(hero.baseTexture, nullptr);
    EXPECT_EQ(std::count(hero.shieldTextures.begin(), hero.shieldTextures.end(), nullptr), 0);
    EXPECT_EQ(hero.shieldTextures.size(), 7u);
    EXPECT_EQ(hero.thrustShieldTextures.size(), 3u);
    EXPECT_EQ(hero.thrustTextures.size(), 2u);
    EXPECT_EQ(h.state->theHero, &hero);
    testing::internal::CaptureStdout();
    const std::size_t capacity = h.game->rockField().capacity();
    EXPECT_EQ(h.stop(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "capacity is now:" + std::to_string(capacity) +
                  "\nafter clear and shrink_to_fit, capacity is now:0\n");
    EXPECT_EQ(h.state->theHero, nullptr) << "the pointer does not outlive the ship's game";
}

TEST(StartTest, AMissingFontIsLoggedAndTheGamePlaysOn) {
    HeadlessGame h;
    datWithout(h.workDir, {"TOMARIDENA.ttf"});
    testing::internal::CaptureStdout();
    ASSERT_FALSE(h.start().has_value());
    h.frames(2);
    EXPECT_NE(testing::internal::GetCapturedStdout().find("Failed to load font:"),
              std::string::npos);
}

TEST(StartTest, ARendererThatCannotBeMadeEndsWithFailure) {
    HeadlessGame h;
    h.game = std::make_unique<Game>(*h.state, noRenderer(h.screen));
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    const std::optional<int> status = h.start();
    testing::internal::GetCapturedStdout();
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(*status, 0);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("no renderer here"), std::string::npos);
}
