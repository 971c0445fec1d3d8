// A game started with the player's settings file: keys moved, a toggled thrust, the sound
// remembered.
#include "support/headless_game.h"
#include "support/log_lines.h"

namespace {
float speed(const HeadlessGame& h) {
    const PointF v = h.game->hero().getTVelocity();
    return v.x * v.x + v.y * v.y;
}
} // namespace

// F fires (a tap: one missile) and Space does nothing; one tap of Up thrusts
// frame after frame until the next tap; P, bound to nothing, still pauses.
TEST(SettingsTest, AMovedFireKeyFiresAndAToggledThrustHoldsUntilTheNextPress) {
    HeadlessGame h(1920, 1080, "", "bind_fire=F\ntoggle_thrust=on\n");
    quietly([&] { ASSERT_FALSE(h.start().has_value()); });
    h.tapKey(SDL_SCANCODE_SPACE);
    h.run();
    h.tapKey(SDL_SCANCODE_F);
    h.run();
    EXPECT_EQ(h.game->weapons().getNumMissiles(), 1);
    h.pressKey(SDL_SCANCODE_UP);
    HeadlessGame::pushKey(SDL_KEYDOWN, SDL_SCANCODE_UP, true);
    h.releaseKey(SDL_SCANCODE_UP);
    h.run(2);
    const float moving = speed(h);
    h.run(2);
    EXPECT_GT(speed(h), moving) << "thrust held after Up was let go";
    h.tapKey(SDL_SCANCODE_UP);
    h.run();
    const float coasting = speed(h);
    h.run(3);
    EXPECT_FLOAT_EQ(speed(h), coasting) << "the second press ended the thrust";
}

// G writes "sound=off" beside the lines the game does not know; the next game starts muted.
// A bad line is reported once and the file stays as it was until the player changes something.
TEST(SettingsTest, SoundOffIsRememberedAndABadFileIsLeftUntilAChange) {
    const std::string bad = "volume=55\nmine=1\n";
    std::string written;
    {
        testing::internal::CaptureStderr();
        HeadlessGame h(1920, 1080, "", bad);
        EXPECT_NE(testing::internal::GetCapturedStderr().find(
                      "settings.txt:1: volume=55: volume is 0 to 100"),
                  std::string::npos);
        quietly([&] { ASSERT_FALSE(h.start().has_value()); });
        h.run(2);
        EXPECT_EQ(readFile(h.workDir.path() / "settings.txt"), bad);
        EXPECT_TRUE(h.playing(h.state->sounds.radar));
        h.tapKey(SDL_SCANCODE_G);
        h.run();
        written = readFile(h.workDir.path() / "settings.txt");
    }
    EXPECT_EQ(written,
              "volume=100\nsound=off\ndisplay=fullscreen\nlarge_text=off\nclear_colours=off\n"
              "mine=1\n");
    HeadlessGame again(1920, 1080, "", "volume=50\nsound=off\n");
    quietly([&] { ASSERT_FALSE(again.start().has_value()); });
    EXPECT_EQ(std::pair(again.playing(again.state->sounds.radar), Mix_Volume(0, -1)),
              std::pair(false, MIX_MAX_VOLUME / 2));
}

// F1 lets go of the held fire (the game hears Space go up) and takes the keys while open: Down
// and Enter choose the fire row, Left moves there from turn_left with a note, Escape closes.
// Then Left fires and Space does nothing. A click on the volume line steps it round (100 to 0),
// Right raises it by ten.
TEST(SettingsTest, ThePanelReleasesHeldRowsTakesTheKeysAndMovesABinding) {
    HeadlessGame h(1920, 1080, "", "");
    quietly([&] { ASSERT_FALSE(h.start().has_value()); });
    h.pressKey(SDL_SCANCODE_SPACE);
    h.pressKey(SDL_SCANCODE_F1);
    h.run();
    const int fired = h.game->weapons().getNumMissiles();
    const SettingsPanel& panel = *h.events->settingsPanel();
    const std::vector<std::string> lines = panel.lines();
    const auto lineOf = [&lines](const std::string& start) {
        return static_cast<int>(
            std::find_if(lines.begin(), lines.end(),
                         [&](const std::string& l) { return l.starts_with(start + "\t"); }) -
            lines.begin());
    };
    for (int i = 1; i < lineOf("fire"); ++i) {
        h.tapKey(SDL_SCANCODE_DOWN);
    }
    h.tapKey(SDL_SCANCODE_RETURN);
    h.tapKey(SDL_SCANCODE_LEFT);
    h.run(3);
    EXPECT_EQ(h.heard.back(), (PlayerInput{PlayerInput::Kind::Key, SDL_SCANCODE_SPACE, false}));
    EXPECT_EQ(h.game->weapons().getNumMissiles(), fired) << "nothing fires behind the panel";
    EXPECT_NE(panel.lines()[0].find("Left moved from turn_left to fire"), std::string::npos);
    EXPECT_EQ(readFile(h.workDir.path() / "settings.txt").find("bind_fire=Left\n") !=
                  std::string::npos,
              true);
    h.mouseDown(SDL_BUTTON_LEFT, 100,
                h.game->hud().settingsPanel().shownBox().y + 10 + 16 * lineOf("volume") + 2);
    h.tapKey(SDL_SCANCODE_RIGHT);
    h.tapKey(SDL_SCANCODE_RIGHT);
    h.tapKey(SDL_SCANCODE_ESCAPE);
    h.run();
    const std::size_t heardBefore = h.heard.size();
    h.tapKey(SDL_SCANCODE_SPACE);
    h.tapKey(SDL_SCANCODE_LEFT);
    h.run();
    EXPECT_EQ(std::tuple(panel.isOpen(), h.game->weapons().getNumMissiles(), h.heard.size(),
                         h.settings->values().volume),
              std::tuple(false, fired + 1, heardBefore + 2, 20));
}

// F11 held down (a press and its repeat) toggles the window once, the panel open or not.
TEST(SettingsTest, AHeldF11TogglesTheWindowOnceWithThePanelOpenOrNot) {
    HeadlessGame h(1920, 1080, "", "");
    quietly([&] { ASSERT_FALSE(h.start().has_value()); });
    const auto flipsOnce = [&h] {
        const bool before = h.settings->values().fullscreen;
        h.pressKey(SDL_SCANCODE_F11);
        HeadlessGame::pushKey(SDL_KEYDOWN, SDL_SCANCODE_F11, true);
        h.releaseKey(SDL_SCANCODE_F11);
        h.run();
        return h.settings->values().fullscreen != before;
    };
    h.tapKey(SDL_SCANCODE_F11); // a test's window starts windowed: now as the settings say
    h.run();
    EXPECT_TRUE(flipsOnce());
    h.tapKey(SDL_SCANCODE_F1);
    EXPECT_TRUE(flipsOnce());
}
