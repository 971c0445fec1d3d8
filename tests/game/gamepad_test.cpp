// A virtual controller drives a headless game: each control does what its key does.

#include "support/headless_game.h"

namespace {
// A started game with a pad plugged in that counts in the background: a test window never
// has the focus.
struct GamepadTest : testing::Test {
    void SetUp() override {
        pad = HeadlessGame::plugPad();
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        ASSERT_EQ(h.run(), "") << "a pad plugged in logs nothing";
    }
    void TearDown() override { SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS); }
    // The ship's heading, the missiles fired and whether the game is paused.
    std::tuple<int, int, bool> now() const {
        return {h.game->spriteAngle(), h.game->weapons().getNumMissiles(), h.state->pauseGame};
    }

    StartedGame h;
    SDL_Joystick* pad = nullptr;
};
} // namespace

TEST_F(GamepadTest, APadIsIgnoredWhileTheGameIsInTheBackground) {
    SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    h.run();
    EXPECT_EQ(h.game->weapons().getNumMissiles(), 0);
}

// A button, or (button -1) the left stick held at x; the frames it is held, then how far the
// ship turned (5 degrees a frame), the missiles fired (two in the first frame, then one a
// frame) and whether the pause flipped. Each row by the pad, then by its key.
TEST_F(GamepadTest, EachControlDoesWhatItsKeyDoes) {
    using Row = std::tuple<int, Sint16, SDL_Scancode, int, int, int, bool>;
    const Row rows[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, 0, SDL_SCANCODE_LEFT, 2, -10, 0, false},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, 0, SDL_SCANCODE_RIGHT, 1, 5, 0, false},
        {-1, -32768, SDL_SCANCODE_LEFT, 3, -15, 0, false},
        {-1, 16384, SDL_SCANCODE_RIGHT, 2, 10, 0, false}, // half-way over turns
        {-1, 16383, SDL_SCANCODE_UNKNOWN, 2, 0, 0, false},
        {SDL_CONTROLLER_BUTTON_A, 0, SDL_SCANCODE_SPACE, 2, 0, 3, false},
        {SDL_CONTROLLER_BUTTON_START, 0, SDL_SCANCODE_P, 1, 0, 0, true},
    };
    for (const auto& [button, x, key, frames, turned, fired, pauses] : rows) {
        for (const bool byKey : {false, true}) {
            const auto [angle, missiles, paused] = now();
            std::string log;
            for (const bool down : {true, false}) {
                if (byKey) {
                    HeadlessGame::pushKey(down ? SDL_KEYDOWN : SDL_KEYUP, key);
                } else if (button < 0) {
                    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, down ? x : 0);
                } else {
                    SDL_JoystickSetVirtualButton(pad, button, down ? 1 : 0);
                }
                log += h.run(down ? frames : 1); // let go: nothing more happens
            }
            EXPECT_EQ(std::tuple_cat(now(), std::tuple(log)),
                      std::tuple(angle + turned, missiles + fired, paused != pauses, ""))
                << "button " << button << " x " << x << (byKey ? " by key" : " by pad");
        }
    }
}

// Thrusting, firing and turning, the pad is pulled out: all of it stops.
TEST_F(GamepadTest, PullingThePadOutLetsGoOfEverythingItHeld) {
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_B, 1);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767);
    // The mixer's device (the first one opened) stays locked, so on a slow build the 50 ms
    // thrust cannot end before it is looked for.
    SDL_LockAudioDevice(2);
    h.run(3);
    const auto [angle, missiles, paused] = now();
    EXPECT_EQ(std::tuple(angle, missiles, h.playing(h.state->sounds.thrust)),
              std::tuple(90 + 15, 4, true));
    SDL_UnlockAudioDevice(2);
    SDL_JoystickDetachVirtual(SDL_NumJoysticks() - 1); // the one plugged in last
    SDL_JoystickClose(pad);
    Mix_HaltChannel(-1);
    EXPECT_EQ(h.run(3), "");
    EXPECT_EQ(std::tuple(now(), h.playing(h.state->sounds.thrust)),
              std::tuple(std::tuple(angle, missiles, paused), false));
}

// A pad's first stick reading, short of a tilt, lets go of no key held on the keyboard: the
// ship turns on, 5 degrees a frame.
TEST_F(GamepadTest, AStickAtRestLetsGoOfNoKeyHeldOnTheKeyboard) {
    HeadlessGame::pushKey(SDL_KEYDOWN, SDL_SCANCODE_RIGHT);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -16000);
    h.run(2);
    HeadlessGame::pushKey(SDL_KEYUP, SDL_SCANCODE_RIGHT);
    h.run();
    EXPECT_EQ(h.game->spriteAngle(), 90 + 10);
}

TEST_F(GamepadTest, BackQuitsAndTheGameShutsDownWithThePadStillIn) {
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_BACK, 1);
    EXPECT_EQ(h.run(), "");
    EXPECT_TRUE(h.game->quitRequested());
    quietly([&] { EXPECT_EQ(h.stop(), 0); }); // SDL_Quit takes the test's pad with it
}

// An Xbox pad plugged in beside the test's pad; `tap` presses and lets go of one button.
struct XboxPadTest : GamepadTest {
    void SetUp() override {
        GamepadTest::SetUp();
        xbox = HeadlessGame::plugPad(0x045e, 0x028e);
        h.run();
    }
    void TearDown() override {
        SDL_JoystickDetachVirtual(SDL_NumJoysticks() - 1);
        SDL_JoystickClose(xbox);
        GamepadTest::TearDown();
    }
    void tap(int button) {
        for (const Uint8 down : {1, 0}) {
            SDL_JoystickSetVirtualButton(xbox, button, down);
            h.run();
        }
    }
    SDL_Joystick* xbox = nullptr;
};

// Its right shoulder opens the help, the d-pad walks the rows and A presses each, so the game
// hears every row's key go down and up.
TEST_F(XboxPadTest, APadAlonePressesEveryRowOfTheKeyTable) {
    // The help row closes the help: the shoulder opens it again.
    const auto onHelp = [&](int button) {
        if (!h.game->hud().helpShown()) {
            tap(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
        }
        tap(button);
    };
    std::set<std::pair<int, bool>> pressed, every;
    for (const KeyBinding& row : Game::keyTable()) {
        every.insert({{row.key, true}, {row.key, false}});
        h.heard.clear();
        onHelp(SDL_CONTROLLER_BUTTON_A);
        for (const PlayerInput& in : h.heard) {
            pressed.emplace(in.code, in.down);
        }
        onHelp(SDL_CONTROLLER_BUTTON_DPAD_DOWN);
    }
    EXPECT_EQ(pressed, every) << "each row's key pressed with A and let go with it";
}

// Once the pad played last, the help and settings panels name its buttons and no key.
TEST_F(XboxPadTest, ThePanelsNameOnlyThePadsButtons) {
    tap(SDL_CONTROLLER_BUTTON_RIGHTSHOULDER);
    const std::vector<std::string> help = h.game->padHelpLines(PadFamily::Xbox);
    const std::vector<std::string> settings =
        h.events->settingsPanel()->lines(h.events->padFamily());
    EXPECT_EQ(std::vector({help[1], help[7], help[19], help[23]}),
              std::vector<std::string>({"-\tLiff cycle period of 66500 frames", "RB\thelp on / off",
                                        "A\tfire (hold for a stream)",
                                        "B\tthrust (hold); after flock_sight: widen the flock's "
                                        "sight"}));
    EXPECT_EQ(std::vector({settings[1], settings[19], settings[21]}),
              std::vector<std::string>(
                  {"liff_period\t-\t", "fire\tA\thold", "turn_left\tD-pad left\thold"}));
}
