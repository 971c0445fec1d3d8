#include "platform/settings_folder.h"
#include "platform/settings_keeper.h"
#include "platform/work_folder.h"

#include "geometry/data_path.h"
#include "support/kit.h"

namespace fs = std::filesystem;

TEST(WorkFolderTest, OnlyTheGamesOwnFolderThatCannotTakeAFileSendsTheFilesElsewhere) {
    WorkDir work;
    const fs::path program = work.path() / "Spiel Ä";
    ASSERT_TRUE(fs::create_directory(program));
    const auto takes = [](const fs::path&) { return true; };
    const auto refuses = [](const fs::path&) { return false; };
    // "." and a trailing separator (as SDL gives the program's folder) name the same folder.
    EXPECT_EQ(std::tuple(mustKeepFilesElsewhere(program, program, refuses),
                         mustKeepFilesElsewhere(work.path(), ".", refuses),
                         mustKeepFilesElsewhere(program, program / "", refuses),
                         mustKeepFilesElsewhere(program, program, takes),
                         mustKeepFilesElsewhere(work.path(), program, refuses),
                         mustKeepFilesElsewhere(program, "", refuses)),
              std::tuple(true, true, true, false, false, false));
    // The probe leaves nothing behind; a folder that is not there takes nothing.
    EXPECT_EQ(std::tuple(canTakeNewFile(program), fs::is_empty(program),
                         canTakeNewFile(program / "gone")),
              std::tuple(true, true, false));
}

TEST(WorkFolderTest, DataBesideTheProgramIsReadThroughOneUtf8Path) {
    WorkDir work;
    // "Spiel Ä" in UTF-8, as SDL gives and takes paths on every system.
    const std::string name = "Spiel \xc3\x84";
    const fs::path folder = work.path() / fromUtf8(name);
    fs::create_directories(folder / "dat");
    std::ofstream(folder / "dat" / "x.png") << "png";
    setDataFolder(folder);
    const std::string path = dataPath(".\\dat\\x.png");
    setDataFolder({});
    EXPECT_EQ(
        std::tuple(fromUtf8(path), path.find(name) != std::string::npos, readFile(fromUtf8(path))),
        std::tuple(folder / "dat" / "x.png", true, "png"));
    EXPECT_EQ(dataPath(".\\dat\\x.png"), "dat/x.png");
}

TEST(WorkFolderTest, SettingsFollowTheXdgRulesAndNeedAnAbsoluteFolder) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps them under %APPDATA%";
#endif
    using F = std::optional<fs::path>;
    const std::vector<std::tuple<const char*, const char*, F>> cases = {
        {"/c", "/h", fs::path("/c/void-angler")},
        {nullptr, "/h", fs::path("/h/.config/void-angler")},
        {"", "/h", fs::path("/h/.config/void-angler")},
        {"rel/c", "/h", fs::path("/h/.config/void-angler")}, // relative: ignored, as XDG says
        {nullptr, nullptr, std::nullopt},
        {"", "rel", std::nullopt},
    };
    for (const auto& [config, home, want] : cases) {
        EXPECT_EQ(settingsFolderFrom(config, home), want) << (config ? config : "(unset)");
    }
}

// The player's own folder, in a test the suite's scratch one (XDG_CONFIG_HOME; under Wine the
// %APPDATA% made of it, never the prefix's): G, the volume and a window's size that one run
// wrote are what the next one reads.
TEST(WorkFolderTest, SoundVolumeAndWindowSizeSurviveARestartInTheScratchFolder) {
    if (std::getenv("XDG_CONFIG_HOME") == nullptr) {
        GTEST_SKIP() << "run by hand: the player's own settings are left alone";
    }
    const fs::path folder = settingsFolder().value_or("none");
    fs::create_directories(folder);
    const auto write = [](const std::string& path, const std::string& text) {
        return static_cast<bool>(std::ofstream(fromUtf8(path), std::ios::binary) << text);
    };
    SettingsKeeper(folder / "settings.txt", write).change([](PlayerSettings& s) {
        s.sound = false, s.volume = 70, s.windowWidth = 1000, s.windowHeight = 700;
    });
    const PlayerSettings again = SettingsKeeper(folder / "settings.txt", write).values();
    fs::remove(folder / "settings.txt");
    EXPECT_EQ(
        std::tuple(folder.parent_path().filename(), again.sound, again.volume, again.windowWidth,
                   again.windowHeight),
        std::tuple(fs::path(std::getenv("XDG_CONFIG_HOME")).filename(), false, 70, 1000, 700));
}
