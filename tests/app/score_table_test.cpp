#include "app/score_table.h"
#include "app/scores_command.h"
#include "support/kit.h"

namespace {
const std::string kHead = "void-angler scores 1\n";
const std::string kGood = "initials=ABC score=120 level=2 date=2026-12-08 kind=daily sim=2 "
                          "recording=daily-2026-12-08-00001-abcd.rec\n";

ScoreEntry run(std::int32_t score, const char* initials = "AAA", const char* kind = "arcade",
               const char* date = "2026-12-08") {
    return {initials, score, 1, date, kind, 2, "arcade-" + std::to_string(score) + ".rec"};
}
} // namespace

// Every line as the writer writes it, or the whole table is refused with the line named.
TEST(ScoreTableTest, TheReaderTakesOnlyWhatTheWriterWrites) {
    const std::pair<std::string, std::string> rows[] = {
        {kHead, ""},
        {kHead + kGood, ""},
        {kHead + "initials=--- score=0 level=0 date=1970-01-01 kind=arcade sim=1 recording=a.rec\n",
         ""},
        {"", "line 1: not a table of scores"},
        {kHead + kGood.substr(0, kGood.size() - 1), "the last line is cut off"},
        {kHead + kGood + kGood, "line 3: an entry given twice"},
        {kHead + "score=120 initials=ABC\n", "line 2: expected initials=VALUE"},
        {kHead + kGood.substr(0, kGood.size() - 1) + " extra=1\n", "expected the line to end"},
        {kHead + "initials=ABC score=120\n", "line 2: an entry it cannot read"},
    };
    for (const auto& [text, error] : rows) {
        std::string why;
        const std::optional<ScoreTable> table = ScoreTable::read(text, why);
        EXPECT_EQ(table.has_value(), error.empty()) << text;
        EXPECT_TRUE(holds(why, error));
        EXPECT_TRUE(!table || table->text() == text) << "written back as read";
    }
    // One change each to the good line, as pairs of what and what to: each makes it unreadable.
    const char* edits[] = {"ABC",        "AbC",           "ABC",         "ABCD",
                           "120",        "0120",          "120",         "-120",
                           "120",        "99999999999",   "2026-12-08 ", "2026-02-30 ",
                           "sim=2",      "sim=0",         "daily sim",   "weekly sim",
                           "daily-2026", "../daily-2026", "daily-2026",  "c:\\daily-2026",
                           "abcd.rec",   "abcd.txt",      "level=2 ",    "level=2  ",
                           "abcd.rec",   "abcd.rec\r"};
    for (std::size_t i = 0; i < std::size(edits); i += 2) {
        std::string why, line = replaced(kGood, edits[i], edits[i + 1]);
        EXPECT_EQ(ScoreTable::read(kHead + line, why), std::nullopt) << line;
    }
}

// Ten places a table: the eleventh drops the lowest, an equal score stays below the older one,
// and each date's daily run has a table of its own, dropped after 30 days.
TEST(ScoreTableTest, TablesKeepTheirTenBestOlderFirstAndDailiesThirtyDays) {
    ScoreTable t;
    for (int score : {50, 10, 90, 30, 70, 20, 80, 40, 60, 100}) {
        EXPECT_TRUE(t.add(run(score)));
    }
    EXPECT_FALSE(t.places(run(10))) << "equal to the tenth is not better";
    EXPECT_FALSE(t.add(run(5)));
    EXPECT_TRUE(t.add(run(60, "BBB")));
    const std::vector<ScoreEntry> rows = t.table("arcade", "");
    ASSERT_EQ(rows.size(), 10u);
    EXPECT_EQ(std::tie(rows[0].score, rows[9].score), std::tuple(100, 20)) << "10 dropped";
    EXPECT_EQ(std::tie(rows[4].initials, rows[5].initials), std::tuple("AAA", "BBB"));

    EXPECT_TRUE(t.add(run(1, "CCC", "daily", "2026-11-08")));
    EXPECT_TRUE(t.add(run(2, "DDD", "daily", "2026-11-07")));
    EXPECT_EQ(t.dropOldDailies("2026-12-08"), std::vector<std::string>{"arcade-2.rec"});
    EXPECT_EQ(t.entries().size(), 11u);
}

// The page's view: the runs first, then each day's daily run newest first, rows best first; a
// damaged table says why instead.
TEST(ScoreTableTest, ThePageGetsEveryTableInOrderFromTheGamesReader) {
    WorkDir dir;
    ScoreTable t;
    t.add(run(7, "OLD", "daily", "2026-12-01"));
    t.add(run(5));
    t.add(run(9, "NEW", "daily", "2026-12-08"));
    t.add(run(6, "TOP"));
    // Binary: the reader takes only the writer's line ends, and Windows would add its own.
    std::ofstream("scores.txt", std::ios::binary) << t.text();
    EXPECT_EQ(scoreRows(ScoreBook(".")),
              "table\tRuns\nentry\tTOP\t6\t1\t2026-12-08\tarcade-6.rec\n"
              "entry\tAAA\t5\t1\t2026-12-08\tarcade-5.rec\n"
              "table\tDaily run 2026-12-08\nentry\tNEW\t9\t1\t2026-12-08\tarcade-9.rec\n"
              "table\tDaily run 2026-12-01\nentry\tOLD\t7\t1\t2026-12-01\tarcade-7.rec\n");
    std::ofstream("scores.txt", std::ios::binary) << "not a table\n";
    EXPECT_EQ(scoreRows(ScoreBook(".")), "damaged\tline 1: not a table of scores\n");
}
