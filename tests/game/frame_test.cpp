#include "support/headless_game.h"

namespace {
constexpr SDL_Color kGreen{168, 198, 78, 255};
constexpr SDL_Color kText{255, 44, 44, 255};

struct FrameTest : testing::Test {
    StartedGame h;
};
} // namespace

// What each frame draws, where and in which order, the stored recordings' pictures hold; the
// frame counter's cycle, their states. A held SPACE fires twice at first: the pad's test.
TEST_F(FrameTest, FireStreamMagazineAndTheFrameTickCycle) {
    h.tapAndRun(SDL_SCANCODE_SPACE, 2);
    h.pressKey(SDL_SCANCODE_SPACE);
    h.run();
    EXPECT_TRUE(h.playing(h.state->sounds.shot));
    h.run(72);
    EXPECT_EQ(h.game->weapons().getNumMissiles(), 75);
    Mix_HaltChannel(-1); // the shots hold every channel; a busy mixer drops the click
    h.run();
    EXPECT_TRUE(h.playing(h.state->sounds.emptyGun));
    h.releaseKey(SDL_SCANCODE_SPACE);
    Mix_HaltChannel(-1);
    h.run();
    EXPECT_FALSE(h.playing(h.state->sounds.emptyGun)) << "releasing SPACE stops the auto-fire";
    h.pressKey(SDL_SCANCODE_Q);
    EXPECT_FALSE(h.game->quitRequested());
    h.run();
    EXPECT_TRUE(h.game->quitRequested()) << "Q completes its frame";
    EXPECT_EQ(h.sleptMs, 100u * 50u + 78u * 14u) << "every frame sleeps 14 ms";
}

// How thrust moves the ship the stored recordings' states hold, and its sound the pad's test.
TEST_F(FrameTest, EachTurnKeyTurnsFiveDegreesAFrameAndBothHeldCancel) {
    h.pressKey(SDL_SCANCODE_LEFT);
    h.run(2);
    EXPECT_EQ(h.game->spriteAngle(), 80);
    h.pressKey(SDL_SCANCODE_RIGHT);
    h.run();
    EXPECT_EQ(h.game->spriteAngle(), 80) << "both held: left then right";
    h.releaseKey(SDL_SCANCODE_LEFT);
    h.run();
    EXPECT_EQ(h.game->spriteAngle(), 85);
}

// UP or DOWN alone does nothing; V takes the last of them still set, once: a step clears it.
TEST_F(FrameTest, VWidensOrNarrowsTheFlocksSightOncePerUpOrDown) {
    // The keys tapped in a frame (Up, Down, V) and the sight after it; the fourth takes the
    // waiting V, and a V used by a widening waits no more (the last).
    const std::pair<std::string, int> steps[] = {{"U", 50}, {"VD", 49}, {"V", 49},  {"D", 48},
                                                 {"D", 48}, {"V", 47},  {"VU", 48}, {"V", 48},
                                                 {"U", 49}, {"D", 49}};
    int step = 0;
    for (const auto& [keys, range] : steps) {
        for (const char k : keys) {
            h.tapKey(k == 'U' ? SDL_SCANCODE_UP : k == 'D' ? SDL_SCANCODE_DOWN : SDL_SCANCODE_V);
        }
        h.run();
        EXPECT_EQ(h.game->flock().getVisualRange(), range) << "step " << ++step;
    }
}

// A small field crowded with rocks: a stream of missiles soon hits one. The rocks it takes, the
// score and the portal's turns the stored recordings hold.
TEST(FrameHitTest, AMissileThatHitsARockScoresAndSoundsTheBlast) {
    StartedGame g(400, 300);
    g.pressKey(SDL_SCANCODE_SPACE);
    g.pressKey(SDL_SCANCODE_LEFT);
    for (int frames = 0; g.state->score == 0 && frames < 2000; ++frames) {
        Mix_HaltChannel(-1); // free channels, so a blast is never dropped
        g.run();
    }
    ASSERT_GE(g.state->score, 1);
    EXPECT_TRUE(g.playing(g.state->sounds.blast));
}

TEST_F(FrameTest, TheRadarPlaysFromTheStartAndGSilencesEverySoundUntilPressedAgain) {
    const auto radar = [] { return Mix_GetChunk(SoundEffects::kRadarChannel); };
    h.run();
    EXPECT_TRUE(Mix_Playing(SoundEffects::kRadarChannel) && radar() == h.state->sounds.radar);
    h.tapKey(SDL_SCANCODE_G);
    h.tapKey(SDL_SCANCODE_SPACE);
    h.run();
    EXPECT_EQ(h.game->weapons().getNumMissiles(), 1);
    EXPECT_EQ(Mix_Playing(-1), 0) << "no radar and no shot while muted";
    h.tapAndRun(SDL_SCANCODE_G);
    EXPECT_TRUE(Mix_Playing(SoundEffects::kRadarChannel) && radar() == h.state->sounds.radar);
}

// Cells and islands are 35 x 38; the island of the cell (0, 0) is the box (0, 0, 30, 30). What a
// click logs and the cell it names, the stored recordings' logs and pictures hold; where the
// labels sit, their pictures.
TEST_F(FrameTest, TheRightButtonOutlinesTheIslandsAndShowsItsCellFor400Frames) {
    h.run();
    h.mouseDown(SDL_BUTTON_LEFT, 5, 6);
    h.run();
    EXPECT_NE(h.pixel(0, 20), kGreen) << "the left button outlines nothing";
    h.mouseDown(SDL_BUTTON_RIGHT, 4 * 35 + 5, 7 * 38 + 5);
    h.run();
    EXPECT_EQ(std::pair(h.pixel(0, 20), h.pixel(29, 20)), std::pair(kGreen, kGreen));
    h.mouseUp(SDL_BUTTON_LEFT, 300, 200);
    h.run();
    EXPECT_NE(h.pixel(0, 20), kGreen) << "any button going up ends it";
    h.run(398);
    EXPECT_GT(h.count(kText, {1920 - 455, 1080 - 20, 455, 20}), 0);
    EXPECT_EQ(h.state->systemMessage.countdown, 0) << "shown for 400 frames";
    h.run();
    EXPECT_EQ(h.count(kText, {1920 - 455, 1080 - 20, 455, 20}), 0);
}

// What each key logs; a '*' at the end stands for anything after it. H, M and N, pressed in the
// stored recordings, their logs and pictures hold; they hold the other keys' too (and silences).
TEST_F(FrameTest, EachReportKeyLogsItsLinesAndTheQuietOnesNothing) {
    h.run();
    // 3 lists randV, drawn from the seed 1.
    const std::pair<SDL_Scancode, std::string> rows[] = {
        {SDL_SCANCODE_3,
         "randV:9\nrandV:13\nrandV:4\nrandV:11\nrandV:2\nrandV:4\nrandV:1\nrandV:12\n"
         "randV:3\nrandV:10\nrandV:10\nrandV:7\nrandV:5\nrandV:6\nrandV:6\nrandV:0\n"
         "randV:10\nrandV:11\nrandV:8\nrandV:0\n"},
        {SDL_SCANCODE_W, "Inside SCANCODE_W\n##### Printing the rocks that are missing #####\n*"},
        {SDL_SCANCODE_A, "New Liff Cycle Period of : 6650\n"},
        {SDL_SCANCODE_F, "Liff Cycle Freeze == true\n"},
        {SDL_SCANCODE_L, "New Randomized Liff...\n"},
        {SDL_SCANCODE_2, ""},
        {SDL_SCANCODE_Z, ""},
    };
    for (const auto& [key, text] : rows) {
        const std::string log = h.tapAndRun(key);
        const bool prefix = text.ends_with('*');
        EXPECT_EQ(prefix ? log.substr(0, text.size() - 1) + "*" : log, text)
            << SDL_GetScancodeName(key);
    }
    EXPECT_EQ(std::tuple(h.state->liff.period, h.state->liff.isFrozen()), std::tuple(66500, true));
}
