#include <sstream>

#include "app/arguments.h"
#include "support/headless_game.h"

namespace {
// The arguments examined, and what the examination wrote to standard error.
std::pair<Arguments, std::string> examine(std::vector<std::string> words) {
    words.insert(words.begin(), "void-angler");
    std::vector<char*> argv;
    for (std::string& w : words) {
        argv.push_back(w.data());
    }
    std::ostringstream err;
    Arguments a = examineArguments(static_cast<int>(argv.size()), argv.data(), err);
    return {a, err.str()};
}
} // namespace

TEST(ArgumentsTest, ArgumentsAreExaminedWholeAndOnlyUnknownOnesAreNamed) {
    const auto [a, err] = examine({"-recrod=x", "-run_lvl=n", "-demo_mode", "-test", "-record=a",
                                   "-help", "-timedemo=b", "-verify=c", "-settings=d"});
    EXPECT_EQ(err, "void-angler: unknown argument \"-recrod=x\" ignored (-help lists them)\n");
    EXPECT_EQ(
        std::pair(a.help, a.game.gameFlags),
        std::pair(true, std::vector<std::string>{"-run_lvl=n", "-demo_mode", "-test", "-help"}));
    EXPECT_EQ(std::tie(a.record, a.replay, a.timedemo, a.verify, a.settings),
              std::tuple("a", "", "b", "c", "d"));
    for (const char* flag : {"-record=FILE", "-replay=FILE", "-timedemo=FILE", "-verify=FILE",
                             "-settings=FILE", "-arcade=daily", "-scores", "void-angler 1."}) {
        EXPECT_TRUE(holds(a.game.helpExtras, flag));
    }
}

// Read once, in order: the game's start-up step sees -test before -help only when it came first,
// and the display flags' verdict arrives with the same value.
TEST(ArgumentsTest, TheGameReadsTheOneValueInTheOrderGiven) {
    const std::pair<std::vector<std::string>, bool> rows[] = {
        {{"-test", "-window=1280x720", "-help"}, true},
        {{"-help", "-test"}, false},
    };
    for (const auto& [words, checked] : rows) {
        const Arguments a = examine(words).first;
        EXPECT_EQ(a.game.display.field.width, checked ? 1280 : 0);
        HeadlessGame h;
        testing::internal::CaptureStderr();
        std::optional<int> status;
        const std::string log = quietly([&] { status = h.game->startUp(a.game); });
        const std::string extras = testing::internal::GetCapturedStderr();
        EXPECT_EQ(status, 0);
        EXPECT_EQ(bool(holds(log, "~#!#~...run tests...~#!#~")), checked) << words.front();
        EXPECT_EQ(countLines(log, "-help show this message.."), 1);
        EXPECT_TRUE(holds(extras, "-timedemo=FILE"));
    }
    const Arguments bad = examine({"-scale=9", "-test"}).first;
    EXPECT_TRUE(holds(bad.game.display.error, "1 to 4"));
    EXPECT_EQ(bad.game.gameFlags, (std::vector<std::string>{"-test"}));
}
