#include "geometry/data_path.h"
#include "geometry/player_notice.h"
#include "support/kit.h"

namespace fs = std::filesystem;

// A source tree with a build folder, an installed tree, and an empty folder to start from.
TEST(DataPathTest, MissingDataSaysWhatIsWrongHereAndWhereToStartInstead) {
    WorkDir work;
    const fs::path root = fs::canonical(work.path());
    for (const char* dir : {"src/dat", "src/build", "inst/libexec/void-angler",
                            "inst/share/void-angler/dat", "empty"}) {
        fs::create_directories(root / dir);
    }
    std::ofstream(root / "src/dat/shot.wav") << "RIFF";
    std::ofstream(root / "inst/share/void-angler/dat/shot.wav") << "RIFF";
    const std::string here = "cannot start: there is no dat/ folder in the working directory " +
                             (root / "empty").string() + "; start the game ";
    EXPECT_EQ(missingDataAdvice("dat/shot.wav", root / "empty", root / "src/build"),
              here + "from " + (root / "src").string() + ", which holds it");
    EXPECT_EQ(missingDataAdvice("dat/shot.wav", root / "empty", root / "inst/libexec/void-angler"),
              here + "with the void-angler command, which runs it in your own data folder");
    // Started in the program's own tree, whose file does not load: no use sending them there.
    EXPECT_EQ(missingDataAdvice("dat/shot.wav", root / "src", root / "src/build"),
              "cannot start: dat/shot.wav does not load in the working directory " +
                  (root / "src").string() +
                  "; start the game from the folder that holds its dat/ folder");
}

// A notice goes to standard error always, and to the host's own way of showing it when it has one.
TEST(DataPathTest, ANoticeReachesStandardErrorAndTheHostsShower) {
    std::vector<std::string> shown;
    testing::internal::CaptureStderr();
    tellPlayer("no dat");
    setNoticeShower([&](const std::string& text) { shown.push_back(text); });
    tellPlayer("no display");
    setNoticeShower({});
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "no dat\nno display\n");
    EXPECT_EQ(shown, std::vector<std::string>{"no display"});
}
