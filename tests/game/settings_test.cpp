// A game started with the player's settings file: keys moved, a toggled thrust, the sound
// remembered.
#include "geometry/null_surface.h"
#include "support/headless_game.h"

namespace {
float speed(const HeadlessGame& h) {
    const PointF v = h.game->hero().getTVelocity();
    return v.x * v.x + v.y * v.y;
}

// The panel's line that starts with a row's or item's name.
int lineOf(const SettingsPanel& panel, const std::string& start) {
    const std::vector<std::string> lines = panel.lines();
    const auto named = [&](const std::string& l) { return l.starts_with(start + "\t"); };
    return static_cast<int>(std::ranges::find_if(lines, named) - lines.begin());
}

// A finger put down and lifted at a point of a 1333 x 600 window showing the field at x1.
void tap(SDL_Point at) {
    for (const Uint32 type : {SDL_FINGERDOWN, SDL_FINGERUP}) {
        SDL_Event e{.tfinger = {type, 0, 1, 5, (static_cast<float>(at.x) + 0.5f) / 1333,
                                (static_cast<float>(at.y) + 0.5f) / 600, 0, 0, 0, 0}};
        SDL_PushEvent(&e);
    }
}
} // namespace

// F fires (a tap: one missile) and Space does nothing; one tap of Up thrusts
// frame after frame until the next tap; P, bound to nothing, still pauses.
TEST(SettingsTest, AMovedFireKeyFiresAndAToggledThrustHoldsUntilTheNextPress) {
    StartedGame h(1920, 1080, "", "bind_fire=F\ntoggle_thrust=on\n");
    h.tapAndRun(SDL_SCANCODE_SPACE);
    h.tapAndRun(SDL_SCANCODE_F);
    EXPECT_EQ(h.game->weapons().getNumMissiles(), 1);
    h.holdKey(SDL_SCANCODE_UP);
    h.run(2);
    const float moving = speed(h);
    h.run(2);
    EXPECT_GT(speed(h), moving) << "thrust held after Up was let go";
    h.tapAndRun(SDL_SCANCODE_UP);
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
        StartedGame h(1920, 1080, "", bad);
        EXPECT_TRUE(holds(testing::internal::GetCapturedStderr(),
                          "settings.txt:1: volume=55: volume is 0 to 100"));
        h.run(2);
        EXPECT_EQ(readFile(h.workDir.path() / "settings.txt"), bad);
        EXPECT_TRUE(h.playing(h.state->sounds.radar));
        h.tapAndRun(SDL_SCANCODE_G);
        written = readFile(h.workDir.path() / "settings.txt");
    }
    EXPECT_EQ(written,
              "volume=100\nsound=off\ndisplay=fullscreen\nlarge_text=off\nclear_colours=off\n"
              "mine=1\n");
    StartedGame again(1920, 1080, "", "volume=50\nsound=off\n");
    EXPECT_EQ(std::pair(again.playing(again.state->sounds.radar), Mix_Volume(0, -1)),
              std::pair(false, MIX_MAX_VOLUME / 2));
}

// F1 lets go of the held fire (the game hears Space go up) and takes the keys while open: Down
// and Enter choose the fire row, Left moves there from turn_left with a note, Escape closes.
// Then Left fires and Space does nothing. A click on the volume line steps it round (100 to 0),
// Right raises it by ten.
TEST(SettingsTest, ThePanelReleasesHeldRowsTakesTheKeysAndMovesABinding) {
    StartedGame h(1920, 1080, "", "");
    h.pressKey(SDL_SCANCODE_SPACE);
    h.pressKey(SDL_SCANCODE_F1);
    h.run();
    const int fired = h.game->weapons().getNumMissiles();
    const SettingsPanel& panel = *h.events->settingsPanel();
    for (int i = 1; i < lineOf(panel, "fire"); ++i) {
        h.tapKey(SDL_SCANCODE_DOWN);
    }
    h.tapKey(SDL_SCANCODE_RETURN);
    h.tapKey(SDL_SCANCODE_LEFT);
    h.run(3);
    EXPECT_EQ(h.heard.back(), (PlayerInput{PlayerInput::Kind::Key, SDL_SCANCODE_SPACE, false}));
    EXPECT_EQ(h.game->weapons().getNumMissiles(), fired) << "nothing fires behind the panel";
    EXPECT_TRUE(holds(panel.lines()[0], "Left moved from turn_left to fire"));
    EXPECT_TRUE(holds(readFile(h.workDir.path() / "settings.txt"), "bind_fire=Left\n"));
    h.mouseDown(SDL_BUTTON_LEFT, 100,
                h.game->hud().settingsPanel().shownBox().y + 10 + 16 * lineOf(panel, "volume") + 2);
    h.tapKey(SDL_SCANCODE_RIGHT);
    h.tapKey(SDL_SCANCODE_RIGHT);
    h.tapAndRun(SDL_SCANCODE_ESCAPE);
    const std::size_t heardBefore = h.heard.size();
    h.tapKey(SDL_SCANCODE_SPACE);
    h.tapKey(SDL_SCANCODE_LEFT);
    h.run();
    EXPECT_EQ(std::tuple(panel.isOpen(), h.game->weapons().getNumMissiles(), h.heard.size(),
                         h.settings->values().volume),
              std::tuple(false, fired + 1, heardBefore + 2, 20));
}

namespace {
// A touch screen's game with the settings panel opened by its control (the first tap only
// shows the controls), the page's bar over the field's top as on a phone; `line` is where a
// line of the panel lies.
struct TouchSettingsTest : testing::Test {
    void SetUp() override {
        h.events->enableTouch();
        h.events->touch()->setCoveredTop([] { return 52; });
        quietly([&] { ASSERT_FALSE(h.start().has_value()); });
        for (const TouchControls::Control& c : h.events->touch()->controls()) {
            at[c.name] = c.rect;
        }
        tap({666, 300});
        tapOn("settings");
        h.run(2);
    }
    void tapOn(const char* control) {
        const SDL_Rect& r = at[control];
        tap({r.x + r.w / 2, r.y + r.h / 2});
    }
    SDL_Point line(const char* name) const {
        const SDL_Rect box = h.game->hud().settingsPanel().shownBox();
        return {box.x + 20, box.y + 12 + 16 * lineOf(panel(), name)};
    }
    const SettingsPanel& panel() const { return *h.events->settingsPanel(); }

    HeadlessGame h{1333, 600, "", ""};
    std::map<std::string, SDL_Rect> at;
};
} // namespace

// The control is drawn alone over the open panel, which starts below the bar and whose title
// says what a tap does; a key row tapped is only chosen, saying why.
TEST_F(TouchSettingsTest, TheControlOpensThePanelAndAKeyRowTappedIsOnlyChosen) {
    const std::string title = panel().lines(std::nullopt, h.events->touchedLast())[0];
    tap(line("mute"));
    h.run();
    const SDL_Color rim{120, 255, 200, 255};
    EXPECT_EQ(std::tuple(h.count(rim, at["settings"]) > 0, h.count(rim, at["left"]),
                         bool(holds(title, "tap a line")), panel().capturing(),
                         panel().chosenLine(), bool(holds(panel().lines()[0], "keyboard")),
                         h.game->hud().settingsPanel().shownBox().y > 52),
              std::tuple(true, 0, true, false, lineOf(panel(), "mute"), true, true));
}

// A tap on the thrust line makes thrust a toggle, one on the sound line mutes, one beside the
// panel does nothing, and the control closes it. Then one tap of the thrust control thrusts
// on; the game never hears F1.
TEST_F(TouchSettingsTest, TapsOnItsLinesChangeThemAndTheGameNeverHearsF1) {
    tap(line("thrust"));
    tap(line("sound"));
    tap({1330, line("sound").y});
    tapOn("settings");
    h.run(2);
    const float still = speed(h);
    tapOn("thrust");
    h.run(3);
    const std::string written = readFile(h.workDir.path() / "settings.txt");
    const auto heardF1OrAnUp = [](const PlayerInput& in) {
        return in.kind == PlayerInput::Kind::Key && (in.code == SDL_SCANCODE_F1 || !in.down);
    };
    EXPECT_EQ(std::tuple(panel().isOpen(), bool(holds(written, "toggle_thrust=on\n")),
                         bool(holds(written, "sound=off\n")), speed(h) > still,
                         std::count_if(h.heard.begin(), h.heard.end(), heardF1OrAnUp)),
              std::tuple(false, true, true, true, 0))
        << written;
}

// Today's red text and blue missile, then from the panel's clear_colours line on (chosen with
// Down, changed with Enter) the clear ones, the text at once.
TEST(SettingsTest, ClearColoursRedrawTheTextAndTheMissilesFromThePanel) {
    StartedGame h(1920, 1080, "", "");
    const auto drawn = [&](const Palette& p) {
        h.tapAndRun(SDL_SCANCODE_SPACE);
        const ColourRGB m = p.missile;
        return std::pair(h.count(p.text, {640, 0, 400, 40}) > 20,
                         h.count({m.r, m.g, m.b, 255}) > 4);
    };
    EXPECT_EQ(std::pair(drawn(kUsualPalette), drawn(kClearPalette)),
              std::pair(std::pair(true, true), std::pair(false, false)));
    h.tapKey(SDL_SCANCODE_F1);
    for (std::size_t i = 1; !h.events->settingsPanel()->lines()[i].starts_with("clear_"); ++i) {
        h.tapKey(SDL_SCANCODE_DOWN);
    }
    h.tapKey(SDL_SCANCODE_RETURN);
    h.tapKey(SDL_SCANCODE_F1);
    EXPECT_EQ(std::pair(drawn(kClearPalette), drawn(kUsualPalette)),
              std::pair(std::pair(true, true), std::pair(false, false)));
}

namespace {
// Where the frame puts each picture with a place of its own: the text (the field view copies
// the whole field with none; sprites turn and go through copyEx).
struct TextBoxes final : NullSurface {
    TextBoxes(SDL_Renderer* renderer, std::vector<SDL_Rect>& to) : NullSurface(renderer), to(to) {}
    void copy(SDL_Texture*, const SDL_Rect* dst) override { to.insert(to.end(), dst, dst + !!dst); }
    std::vector<SDL_Rect>& to;
};
} // namespace

// Large text at 1280 x 800: the font's 13-pixel line drawn 26 high (capitals of 18); the
// heads-up line, a checkpoint's message and each page of the help and the settings panel lie
// inside the field, no text over another. H turns the help's page, then closes it. Over both
// pages, the widest cell of a column ends twice the usual 16-pixel gap before the next.
TEST(SettingsTest, LargeTextKeepsEveryTextInsideTheFieldAndApart) {
    HeadlessGame h(1280, 800, "", "large_text=on\n");
    std::vector<SDL_Rect> boxes;
    h.display.openSurface = [&](SDL_Renderer* r) { return std::make_unique<TextBoxes>(r, boxes); };
    h.makeGame();
    quietly([&] { ASSERT_FALSE(h.start().has_value()); });
    const SDL_Rect field{0, 0, 1280, 800};
    int helpGap = 1 << 30;
    const std::pair<SDL_Scancode, std::size_t> shown[] = {
        {SDL_SCANCODE_C, 5}, {SDL_SCANCODE_H, 25},  {SDL_SCANCODE_H, 10},
        {SDL_SCANCODE_H, 5}, {SDL_SCANCODE_F1, 40}, {SDL_SCANCODE_UP, 15}};
    for (const auto& [key, least] : shown) {
        h.tapKey(key);
        boxes.clear();
        h.run();
        EXPECT_GE(boxes.size(), least) << SDL_GetScancodeName(key);
        const SDL_Rect help = h.game->hud().helpPanel().shownBox();
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            SDL_Rect in;
            EXPECT_TRUE(boxes[i].h == 26 && SDL_IntersectRect(&boxes[i], &field, &in) &&
                        SDL_RectEquals(&in, &boxes[i]))
                << boxes[i].x << "," << boxes[i].y << " " << boxes[i].w;
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(SDL_HasIntersection(&boxes[i], &boxes[j])) << i << " " << j;
                if (boxes[j].y == boxes[i].y && SDL_HasIntersection(&boxes[i], &help)) {
                    const auto [a, b] =
                        std::minmax(boxes[i], boxes[j], [](auto& l, auto& r) { return l.x < r.x; });
                    helpGap = std::min(helpGap, b.x - a.x - a.w);
                }
            }
        }
    }
    EXPECT_EQ(helpGap, 32);
}

// F11 held down (a press and its repeat) toggles the window once, the panel open or not.
TEST(SettingsTest, AHeldF11TogglesTheWindowOnceWithThePanelOpenOrNot) {
    StartedGame h(1920, 1080, "", "");
    const auto flipsOnce = [&h] {
        const bool before = h.settings->values().fullscreen;
        h.holdKey(SDL_SCANCODE_F11);
        h.run();
        return h.settings->values().fullscreen != before;
    };
    h.tapAndRun(SDL_SCANCODE_F11); // a test's window starts windowed: now as the settings say
    EXPECT_TRUE(flipsOnce());
    h.tapKey(SDL_SCANCODE_F1);
    EXPECT_TRUE(flipsOnce());
}

// The windowed game's new size is remembered; another window's, or the full screen's, is not.
TEST(SettingsTest, OnlyTheWindowedGamesOwnNewSizeIsRemembered) {
    StartedGame h(1920, 1080, "", "");
    const Uint32 game = SDL_GetWindowID(h.headless.window());
    const auto remembered = [&h](Uint32 window, int w) {
        SDL_Event e{
            .window = {SDL_WINDOWEVENT, 0, window, SDL_WINDOWEVENT_SIZE_CHANGED, 0, 0, 0, w, 700}};
        SDL_PushEvent(&e);
        h.run();
        h.settings->save();
        return h.settings->values().windowWidth;
    };
    EXPECT_EQ(remembered(game, 1000), 1000);
    EXPECT_EQ(remembered(game + 1, 900), 1000);
    h.tapKey(SDL_SCANCODE_F11);
    EXPECT_EQ(remembered(game, 1920), 1000);
}
