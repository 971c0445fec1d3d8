#include <sstream>

#include "app/arguments.h"
#include "support/headless_game.h"

namespace {
Arguments examine(std::vector<std::string> words, std::ostream& err) {
    words.insert(words.begin(), "void-angler");
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    return examineArguments(static_cast<int>(argv.size()), argv.data(), err);
}
} // namespace

TEST(ArgumentsTest, ArgumentsAreExaminedWholeAndOnlyUnknownOnesAreNamed) {
    std::ostringstream err;
    const Arguments a = examine({"-recrod=x", "-run_lvl=n", "-demo_mode", "-test", "-record=a",
                                 "-help", "-timedemo=b", "-verify=c", "-settings=d"},
                                err);
    const std::vector<std::string>& flags = a.game.gameFlags;
    EXPECT_EQ(err.str(),
              "void-angler: unknown argument \"-recrod=x\" ignored (-help lists them)\n");
    EXPECT_TRUE(a.help);
    EXPECT_EQ(flags, (std::vector<std::string>{"-run_lvl=n", "-demo_mode", "-test", "-help"}));
    EXPECT_EQ(std::tie(a.record, a.replay, a.timedemo, a.verify, a.settings),
              std::tuple("a", "", "b", "c", "d"));
    for (const char* flag : {"-record=FILE", "-replay=FILE", "-timedemo=FILE", "-verify=FILE",
                             "-settings=FILE", "-arcade=daily", "-scores", "void-angler 1."}) {
        EXPECT_NE(a.game.helpExtras.find(flag), std::string::npos) << flag;
    }
}

// Read once, in order: the game's start-up step sees -test before -help only when it came first,
// and the display flags' verdict arrives with the same value.
TEST(ArgumentsTest, TheGameReadsTheOneValueInTheOrderGiven) {
    const std::string selfCheck = "~#!#~...run tests...~#!#~";
    const std::pair<std::vector<std::string>, bool> rows[] = {
        {{"-test", "-window=1280x720", "-help"}, true},
        {{"-help", "-test"}, false},
    };
    for (const auto& [words, checked] : rows) {
        std::ostringstream err;
        const Arguments a = examine(words, err);
        EXPECT_EQ(a.game.display.field.width, checked ? 1280 : 0);
        HeadlessGame h;
        testing::internal::CaptureStderr();
        std::optional<int> status;
        const std::string log = quietly([&] { status = h.game->startUp(a.game); });
        const std::string extras = testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, 0);
        EXPECT_EQ(log.find(selfCheck) != std::string::npos, checked) << words.front();
        EXPECT_EQ(countLines(log, "-help show this message.."), 1);
        EXPECT_NE(extras.find("-timedemo=FILE"), std::string::npos);
    }
    std::ostringstream err;
    const Arguments bad = examine({"-scale=9", "-test"}, err);
    EXPECT_NE(bad.game.display.error.find("1 to 4"), std::string::npos);
    EXPECT_EQ(bad.game.gameFlags, (std::vector<std::string>{"-test"}));
}
