#include <gtest/gtest.h>

#include "support/log_lines.h"
#include "support/started_game_test.h"

namespace {
class GameInputTest : public StartedGameTest {};
} // namespace

TEST_F(GameInputTest, PAndDToggleTheirFlags) {
    h.tapKey(SDL_SCANCODE_P);
    h.tapKey(SDL_SCANCODE_D);
    frameLog();
    EXPECT_TRUE(h.state->pauseGame);
    EXPECT_TRUE(h.state->input.debugOverlay);
    h.tapKey(SDL_SCANCODE_P);
    frameLog();
    EXPECT_FALSE(h.state->pauseGame);
    EXPECT_TRUE(h.state->input.debugOverlay);
}

TEST_F(GameInputTest, MTogglesMilkRunAndLogsEachWay) {
    h.tapKey(SDL_SCANCODE_M);
    std::string on = frameLog();
    EXPECT_TRUE(h.state->input.milkRunMode);
    EXPECT_EQ(countLines(on, "starting milk_run_mode"), 1);
    EXPECT_TRUE(h.state->systemMessage.visible);
    EXPECT_EQ(h.game->strBuffer, "milk_run_mode:ON");
    EXPECT_EQ(on.find("milk_run_mode:ON"), std::string::npos) << "the message itself is not logged";

    h.tapKey(SDL_SCANCODE_M);
    std::string off = frameLog();
    EXPECT_FALSE(h.state->input.milkRunMode);
    EXPECT_EQ(countLines(off, "ending milk_run_mode"), 1);
    EXPECT_EQ(h.game->strBuffer, "milk_run_mode:OFF");
    EXPECT_EQ(h.state->systemMessage.countdown, 400);
}

TEST_F(GameInputTest, QEndsTheLoopAfterCompletingTheFrame) {
    int tick = h.state->frameTick;
    h.pressKey(SDL_SCANCODE_Q);
    EXPECT_FALSE(h.game->quitRequested());
    frameLog();
    EXPECT_TRUE(h.game->quitRequested());
    EXPECT_EQ(h.state->frameTick, tick - 1) << "the frame still counts";
    EXPECT_EQ(h.sleptMs, 100u * 50u + 14u) << "and is still delayed";
}

TEST_F(GameInputTest, QuitEventEndsTheLoopToo) {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
    frameLog();
    EXPECT_TRUE(h.game->quitRequested());
}

TEST_F(GameInputTest, ThreeLogsTheFirstTwentyRandomValues) {
    h.tapKey(SDL_SCANCODE_3);
    std::vector<std::string> lines = logLines(frameLog());
    std::vector<std::string> values;
    for (const std::string& l : lines) {
        if (l.rfind("randV:", 0) == 0) {
            values.push_back(l.substr(6));
        }
    }
    ASSERT_EQ(values.size(), 20u);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_EQ(values[i], std::to_string(h.state->randV[i]));
        int v = std::stoi(values[i]);
        EXPECT_GE(v, i % 2 == 0 ? 1 : 0);
        EXPECT_LE(v, i % 2 == 0 ? 10 : 14);
    }
}

TEST_F(GameInputTest, RightButtonIsHeldUntilAnyButtonGoesUp) {
    h.mouseDown(SDL_BUTTON_LEFT, 5, 6);
    std::string left = frameLog();
    EXPECT_EQ(left, "!!!!mouse button down event!!!!!");
    EXPECT_FALSE(h.state->input.rightMouseHeld);

    h.mouseDown(SDL_BUTTON_RIGHT, 300, 200);
    std::string right = frameLog();
    EXPECT_EQ(right.rfind("!!!!mouse button down event!!!!!Mouse x=300, y=200\n", 0), 0u);
    EXPECT_TRUE(h.state->input.rightMouseHeld);

    h.mouseUp(SDL_BUTTON_LEFT, 300, 200);
    frameLog();
    EXPECT_FALSE(h.state->input.rightMouseHeld);
}

TEST_F(GameInputTest, RangeKeysSetTheirFlags) {
    h.tapKey(SDL_SCANCODE_V);
    h.tapKey(SDL_SCANCODE_DOWN);
    frameLog();
    EXPECT_TRUE(h.state->input.rangeRequest);
    EXPECT_TRUE(h.state->input.rangeDown);
    EXPECT_FALSE(h.state->input.rangeUp);
    h.tapKey(SDL_SCANCODE_UP);
    frameLog();
    EXPECT_TRUE(h.state->input.rangeUp);
    EXPECT_FALSE(h.state->input.rangeDown);
}

TEST_F(GameInputTest, FrameTickCountsDownToMinusOneAndRestartsAtSeventy) {
    h.frames(71);
    EXPECT_EQ(h.state->frameTick, -1);
    h.frames(1);
    EXPECT_EQ(h.state->frameTick, 70);
}
