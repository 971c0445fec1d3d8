#include "selfcheck/start_checks.h"

#include <gtest/gtest.h>

#include <ctime>

#include "geometry/calendar_clock.h"
#include "geometry/game_rand.h"
#include "selfcheck/test_set.h"

// The generator seeded with 1 draws 16838, 5758, 10113, 17515, 31051: randint(0, 2) gives
// 2, 1, 0, 1, 1. The default rock outline spans x 4..50 and y 10..57.
TEST(StartChecksTest, RockScaleVectorAndRandintChecksLogTheirLines) {
    setCalendarClock([] { return std::time_t{1}; });
    testing::internal::CaptureStdout();
    std::unique_ptr<RockCheck> tSJ = rockCheck();
    SpaceJunk plain(900, 600, -1, false);
    rectScaleCheck(plain);
    vectorCheck();
    randintBlockCheck();
    const std::string log = testing::internal::GetCapturedStdout();
    setCalendarClock({});
    const std::string randint = "What is tmpR.randint(x, y):";
    EXPECT_EQ(log, "test_SpaceJunk()....\n############ getFRect Scale Test #############\n"
                   "rectA:(4, 10, 46, 47)\nrectB:(17, 23, 21, 22)\n"
                   "v1:Vec(x=1,y=2,z=3);\nv2:Vec(x=3,y=0,z=4);\n"
                   "sumV = v1 + v2 =Vec(x=4,y=2,z=7);\nSetting v1 to sumV =Vec(x=4,y=2,z=7);\n"
                   "multV = 5 * v2 =Vec(x=15,y=0,z=20);\nmultV.Normalize() =Vec(x=0.6,y=0,z=0.8);\n"
                   "fMultVecs = v1 * v2 =40\n" +
                       randint + "2\n" + randint + "1\n" + randint + "0\n" + randint + "1\n" +
                       randint + "1\npMM:max:Point(x=25,y=25);,min:Point(x=5,y=5);\n");
    EXPECT_EQ(tSJ->extra, Point(900, 600));
}

// Seed 1322 draws 10769, then 32766 as its fifteenth die: 32766 / 5461 + 1 = 7 is drawn again.
TEST(StartChecksTest, DiceCheckRollsOnlyOneToSix) {
    const std::pair<unsigned, std::string> rows[] = {
        {1, "16838\nRoll 6-sided dice 20 times: 2 2 4 6 2 5 2 3 1 1 3 2 3 6 4 5 4 5 5 5\n"},
        {1322, "10769\nRoll 6-sided dice 20 times: 6 3 1 5 4 4 3 3 5 4 4 2 2 4 2 1 6 3 4 4\n"}};
    for (const auto& [seed, tail] : rows) {
        gameSrand(seed);
        testing::internal::CaptureStdout();
        diceCheck();
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "Random value on [0, 32767]: " + tail);
    }
}

static const std::string kRotateHead =
    "Create Space Item Object\nareNegativeCords()...Test passed\n"
    "Test...rotate(-90)...\nAfter .move2Point(200,200)...\n"
    "SpaceItem::printCords()\n";

TEST(TestSetTest, LogsEveryCheckOnceInOrder) {
    testing::internal::CaptureStdout();
    EXPECT_EQ(runTestSet(), 0);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              kRotateHead +
                  "x=250,y=250\nx=225,y=300\nx=250,y=290\nx=275,y=300\nx=250,y=250\n"
                  "After .printCords()...\nAfter .rotate(-90)...\nTest...printCords()...\n"
                  "~+~##### Print Default Cords #####~+~\nSpaceItem::printCords()\n"
                  "x=50,y=50\nx=25,y=100\nx=50,y=90\nx=75,y=100\nx=50,y=50\n"
                  "Test...rotate(angle)...\nsItem.getCenter() =Point(x=50,y=75);\n"
                  "getDirection() test =>90\nDegree2rad Input 1.0 and returns =>0.0174533\n"
                  "Does degree2rad returns 1  if given input of rad2degree(1) ==>1\n"
                  "This should be 2? 2\np1 = Point(x=100,y=50);\np2 = Point(x=190,y=50);\n"
                  "p3 = Point(x=100,y=40);\np4 = Point(x=100,y=50);\nnot(p1 == p2), True...\n"
                  "not(pt1 == pt3), True...\n(pt1 == pt4), True...\n"
                  "Test_SpaceJunk_Smoke(...)...for Object:'Pebble'\n"
                  "Test_SpaceJunk_Smoke(...)...for Object:'Big Lumpy Rock From Far Away'\n");
}

// An item too far left for the move to bring back: rotate refuses it and the set stops.
TEST(TestSetTest, FailedRotationStopsTheSet) {
    SpaceItem broken(900, 600, 0);
    broken.cords[2].x = -1000;
    const std::string points = "x=250,y=250\nx=225,y=300\nx=-800,y=290\nx=275,y=300\nx=250,y=250\n";
    testing::internal::CaptureStdout();
    EXPECT_EQ(runTestSet(broken), 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              kRotateHead + points +
                  "After .printCords()...\nAfter .rotate(-90)...\n"
                  "Failure state after rotate(-90)\nSpaceItem::printCords()\n" +
                  points + "Failed Test_rotate_smoke()...\n");
}
