#include "selfcheck/start_checks.h"

#include "selfcheck/test_set.h"
#include "support/kit.h"

// Seed 1322 draws 10769, then 32766 as its fifteenth die: 32766 / 5461 + 1 = 7 is drawn again.
TEST(StartChecksTest, DiceCheckRedrawsAnythingAboveSixAndTheTestSetStopsAfterAFailedRotation) {
    gameSrand(1322);
    EXPECT_EQ(quietly(diceCheck),
              "Random value on [0, 32767]: 10769\n"
              "Roll 6-sided dice 20 times: 6 3 1 5 4 4 3 3 5 4 4 2 2 4 2 1 6 3 4 4\n");
    // The broken item sits too far left for the move to bring back: rotate refuses it.
    const std::string head =
        "Create Space Item Object\nareNegativeCords()...Test passed\nTest...rotate(-90)...\n"
        "After .move2Point(200,200)...\nSpaceItem::printCords()\n";
    const std::string turned = "After .printCords()...\nAfter .rotate(-90)...\n";
    const std::string bad = "x=250,y=250\nx=225,y=300\nx=-800,y=290\nx=275,y=300\nx=250,y=250\n";
    SpaceItem broken(900, 600, 0);
    broken.cords[2].x = -1000;
    testing::internal::CaptureStdout();
    // Braces run the two sets left to right.
    EXPECT_EQ((std::pair{runTestSet(), runTestSet(broken)}), std::pair(0, 1));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              head + "x=250,y=250\nx=225,y=300\nx=250,y=290\nx=275,y=300\nx=250,y=250\n" + turned +
                  "Test...printCords()...\n~+~##### Print Default Cords #####~+~\n"
                  "SpaceItem::printCords()\nx=50,y=50\nx=25,y=100\nx=50,y=90\nx=75,y=100\n"
                  "x=50,y=50\nTest...rotate(angle)...\nsItem.getCenter() =Point(x=50,y=75);\n"
                  "getDirection() test =>90\nDegree2rad Input 1.0 and returns =>0.0174533\n"
                  "Does degree2rad returns 1  if given input of rad2degree(1) ==>1\n"
                  "This should be 2? 2\np1 = Point(x=100,y=50);\np2 = Point(x=190,y=50);\n"
                  "p3 = Point(x=100,y=40);\np4 = Point(x=100,y=50);\nnot(p1 == p2), True...\n"
                  "not(pt1 == pt3), True...\n(pt1 == pt4), True...\n"
                  "Test_SpaceJunk_Smoke(...)...for Object:'Pebble'\n"
                  "Test_SpaceJunk_Smoke(...)...for Object:'Big Lumpy Rock From Far Away'\n" +
                  head + bad + turned +
                  "Failure state after rotate(-90)\nSpaceItem::printCords()\n" + bad +
                  "Failed Test_rotate_smoke()...\n");
}

// Five draws from 0 to 2, then the block's extent.
TEST(StartChecksTest, TheRandintCheckDrawsFiveTimesThenGivesTheBlocksExtent) {
    const std::vector<std::string> lines = logLines(quietly(randintBlockCheck));
    ASSERT_EQ(lines.size(), 6u);
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(lines[i].starts_with("What is tmpR.randint(x, y):") && lines[i].size() == 28 &&
                    lines[i].back() >= '0' && lines[i].back() <= '2')
            << lines[i];
    }
    EXPECT_TRUE(lines[5].starts_with("pMM:max:")) << lines[5];
}
