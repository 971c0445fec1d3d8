// A virtual controller drives a headless game: each control does what its key does.

#include "support/headless_game.h"

TEST(GamepadTest, EachControlDoesWhatItsKeyDoesAndAPadMayComeAndGo) {
    HeadlessGame h;
    quietly([&] { ASSERT_FALSE(h.start().has_value()); });
    SDL_Joystick* pad = HeadlessGame::plugPad();
    EXPECT_EQ(h.run(), "") << "a pad plugged in logs nothing";
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    h.run();
    EXPECT_EQ(h.game->weapons().getNumMissiles(), 0) << "a game in the background ignores the pad";
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
    // A test window never has the focus; from here on its pad counts anyway.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");

    // A button, or (button -1) the left stick held at x; the frames it is held, then how
    // far the ship turned (5 degrees a frame), the missiles fired (two in the first frame,
    // then one a frame) and whether the pause flipped.
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
            auto hold = [&](bool down) {
                if (byKey) {
                    HeadlessGame::pushKey(down ? SDL_KEYDOWN : SDL_KEYUP, key);
                } else if (button < 0) {
                    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, down ? x : 0);
                } else {
                    SDL_JoystickSetVirtualButton(pad, button, down ? 1 : 0);
                }
            };
            const auto before = std::tuple(h.game->spriteAngle(),
                                           h.game->weapons().getNumMissiles(), h.state->pauseGame);
            hold(true);
            std::string log = h.run(frames);
            hold(false);
            log += h.run(); // let go: nothing more happens
            EXPECT_EQ(std::tuple(h.game->spriteAngle(), h.game->weapons().getNumMissiles(),
                                 h.state->pauseGame, log),
                      std::tuple(std::get<0>(before) + turned, std::get<1>(before) + fired,
                                 std::get<2>(before) != pauses, ""))
                << "button " << button << " x " << x << (byKey ? " by key" : " by pad");
        }
    }

    // Thrusting, firing and turning, the pad is pulled out: all of it stops.
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_B, 1);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 32767);
    // The mixer's device (the first one opened) stays locked, so on a slow build the 50 ms
    // thrust cannot end before it is looked for.
    SDL_LockAudioDevice(2);
    h.run(3);
    const int angle = h.game->spriteAngle(), missiles = h.game->weapons().getNumMissiles();
    EXPECT_EQ(angle, 70 + 15);
    EXPECT_EQ(missiles, 6 + 4);
    EXPECT_TRUE(h.playing(h.state->sounds.thrust));
    SDL_UnlockAudioDevice(2);
    SDL_JoystickDetachVirtual(SDL_NumJoysticks() - 1); // the one plugged in last
    SDL_JoystickClose(pad);
    Mix_HaltChannel(-1);
    EXPECT_EQ(h.run(3), "");
    EXPECT_EQ(std::tuple(h.game->spriteAngle(), h.game->weapons().getNumMissiles(),
                         h.playing(h.state->sounds.thrust)),
              std::tuple(angle, missiles, false));

    // Another pad takes over. Its first stick reading, short of a tilt, lets go of no key
    // held on the keyboard: the ship turns on, 5 degrees a frame.
    pad = HeadlessGame::plugPad();
    h.run();
    HeadlessGame::pushKey(SDL_KEYDOWN, SDL_SCANCODE_RIGHT);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -16000);
    h.run(2);
    HeadlessGame::pushKey(SDL_KEYUP, SDL_SCANCODE_RIGHT);
    h.run();
    EXPECT_EQ(h.game->spriteAngle(), angle + 10);
    // The game shuts down with the pad still plugged in.
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_BACK, 1);
    EXPECT_EQ(h.run(), "");
    EXPECT_TRUE(h.game->quitRequested());
    quietly([&] { EXPECT_EQ(h.stop(), 0); }); // SDL_Quit takes the test's pad with it
    SDL_ResetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS);
}
