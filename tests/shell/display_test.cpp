#include "shell/display_options.h"
#include "shell/field_view.h"
#include "support/headless_game.h"

namespace {
using Kind = FieldRequest::Kind;

DisplayOptions read(std::vector<const char*> args) {
    args.insert(args.begin(), "void-angler");
    return readDisplayOptions(static_cast<int>(args.size()), args.data());
}

bool black(SDL_Color c) {
    return c.r == 0 && c.g == 0 && c.b == 0;
}

} // namespace

TEST(DisplayOptionsTest, FlagsAskForAFieldAndEveryBadValueSaysWhy) {
    struct Row {
        std::vector<const char*> args;
        Kind kind;
        int width, height, scale;
        const char* error; // a part of the line, or null when the flags are good
    };
    const Row rows[] = {
        {{}, Kind::Desktop, 0, 0, 1, nullptr},
        {{"-test", "-window=1280x720"}, Kind::Window, 1280, 720, 1, nullptr},
        {{"-window=800x600"}, Kind::Window, 800, 600, 1, nullptr},
        {{"-window=16384x16384"}, Kind::Window, 16384, 16384, 1, nullptr},
        {{"-scale=2", "-demo_mode"}, Kind::Scale, 0, 0, 2, nullptr},
        {{"-scale=1"}, Kind::Scale, 0, 0, 1, nullptr},
        {{"-scale=4"}, Kind::Scale, 0, 0, 4, nullptr},
        {{"-window=799x600"}, Kind::Desktop, 0, 0, 1, "too small"},
        {{"-window=800x599"}, Kind::Desktop, 0, 0, 1, "at least 800x600"},
        {{"-window=16385x720"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=0x0"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=-800x600"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=800x-600"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=+800x600"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=wide"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=1280"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=1280x"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=1280x720x2"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=1280 x720"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window=99999999999999999999x720"}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-window="}, Kind::Desktop, 0, 0, 1, "WIDTHxHEIGHT"},
        {{"-scale=0"}, Kind::Desktop, 0, 0, 1, "1 to 4"},
        {{"-scale=5"}, Kind::Desktop, 0, 0, 1, "1 to 4"},
        {{"-scale=1.5"}, Kind::Desktop, 0, 0, 1, "1 to 4"},
        {{"-scale=x"}, Kind::Desktop, 0, 0, 1, "1 to 4"},
        {{"-window=1280x720", "-scale=2"}, Kind::Desktop, 0, 0, 1, "together"},
        {{"-scale=2", "-test", "-window=1280x720"}, Kind::Desktop, 0, 0, 1, "together"},
    };
    for (const Row& row : rows) {
        const std::string label = row.args.empty() ? "(none)" : row.args.back();
        const DisplayOptions got = read(row.args);
        EXPECT_EQ(std::tuple(got.field.kind, got.field.width, got.field.height, got.field.scale),
                  std::tuple(row.kind, row.width, row.height, row.scale))
            << label;
        if (row.error == nullptr) {
            EXPECT_EQ(got.error, "") << label;
        } else {
            EXPECT_NE(got.error.find(row.error), std::string::npos) << label << ": " << got.error;
            EXPECT_EQ(got.error.find('\n'), std::string::npos) << "one line";
        }
    }
    for (const char* arg : {"-window=1x1", "-scale=9", "-window="}) {
        EXPECT_TRUE(isDisplayOption(arg)) << arg;
    }
    for (const char* arg : {"-windows", "-scale", "-test", "-help", "window=800x600"}) {
        EXPECT_FALSE(isDisplayOption(arg)) << arg;
    }
}

TEST(FieldSizeTest, ScaleDividesTheScreenAndAWindowShrinksToTheUsableArea) {
    struct Row {
        FieldRequest request;
        int windowWidth, windowHeight;
        int width, height;
        bool ok;
    };
    const Row rows[] = {
        {{}, 1920, 1080, 1920, 1080, true},
        {fixedField(800, 600), 1280, 720, 800, 600, true},
        {fixedField(1920, 1080), 1280, 720, 1920, 1080, true},
        {{Kind::Scale, 0, 0, 2}, 3840, 2160, 1920, 1080, true},
        {{Kind::Scale, 0, 0, 2}, 1600, 1200, 800, 600, true},
        {{Kind::Scale, 0, 0, 3}, 2560, 1440, 853, 480, false},
        {{Kind::Scale, 0, 0, 2}, 1366, 768, 683, 384, false},
        {fixedField(640, 480), 1920, 1080, 640, 480, false},
    };
    for (const Row& row : rows) {
        const FieldChoice got = decideField(row.request, row.windowWidth, row.windowHeight);
        EXPECT_EQ(std::tuple(got.width, got.height, got.error.empty()),
                  std::tuple(row.width, row.height, row.ok))
            << row.windowWidth << "x" << row.windowHeight << " " << got.error;
    }
    const auto fit = [](int w, int h, SDL_Rect usable) {
        const SDL_Point p = windowedSize(w, h, usable);
        return std::pair(p.x, p.y);
    };
    EXPECT_EQ(fit(1280, 720, {0, 0, 1920, 1050}), std::pair(1280, 720));
    EXPECT_EQ(fit(1920, 1080, {0, 0, 1920, 1080}), std::pair(1920, 1080));
    // 3840 x 2160 into 1920 x 1050: the height decides, 3840 * 1050 / 2160 = 1866.7.
    EXPECT_EQ(fit(3840, 2160, {0, 24, 1920, 1050}), std::pair(1866, 1050));
    // 1920 x 1080 into 1280 x 1024: the width decides.
    EXPECT_EQ(fit(1920, 1080, {0, 0, 1280, 1024}), std::pair(1280, 720));
    EXPECT_EQ(fit(1920, 1080, {}), std::pair(1920, 1080)) << "no usable area known";
}

// Three window sizes for each of two field shapes. The Liff grid is 51 x 28 cells
// over the field less its right-most 135 pixels: 22 x 25 pixels for 1280 x 720,
// 13 x 21 for 800 x 600.
TEST(FieldViewTest, AWindowedFieldIsCentredBetweenBlackBarsAndTheMousePicksTheRightCell) {
    struct Row {
        int fieldWidth, fieldHeight, windowWidth, windowHeight;
        SDL_Rect shown; // where the field lands in the window
        SDL_Point click;
        const char* cell;
    };
    const Row rows[] = {
        // 1.5: no bars; (609, 468) is field (406, 312).
        {1280, 720, 1920, 1080, {0, 0, 1920, 1080}, {609, 468}, "(x=18,y=12);"},
        // 0.78125: 1280 x 562 at y 219, bars above and below.
        {1280, 720, 1000, 1000, {0, 219, 1000, 562}, {317, 463}, "(x=18,y=12);"},
        // 1.5: 1920 x 1080 at x 320, bars left and right.
        {1280, 720, 2560, 1080, {320, 0, 1920, 1080}, {929, 468}, "(x=18,y=12);"},
        // 1.2: 960 x 720 at x 160; (635, 365) is field (395, 304).
        {800, 600, 1280, 720, {160, 0, 960, 720}, {635, 365}, "(x=30,y=14);"},
        {800, 600, 1600, 1200, {0, 0, 1600, 1200}, {793, 609}, "(x=30,y=14);"},
        // 1.28: 1024 x 768 at y 128.
        {800, 600, 1024, 1024, {0, 128, 1024, 768}, {507, 517}, "(x=30,y=14);"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::to_string(row.windowWidth) + "x" + std::to_string(row.windowHeight));
        // A renderer on a window, as the game makes it: SDL maps its mouse events.
        HeadlessGame h(row.windowWidth, row.windowHeight);
        SDL_Window* window = nullptr;
        h.display.openWindow = [&](const char* title, int&, int&) {
            return window = SDL_CreateWindow(title, 0, 0, row.windowWidth, row.windowHeight,
                                             SDL_WINDOW_HIDDEN);
        };
        h.display.openRenderer = [](SDL_Window* w) {
            return SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE);
        };
        h.game = std::make_unique<Game>(*h.state, Platform{[](Uint32) {}, h.display});
        const std::string size =
            std::to_string(row.fieldWidth) + "x" + std::to_string(row.fieldHeight);
        const std::string log = quietly([&] { ASSERT_FALSE(h.start({"-window=" + size})); });
        EXPECT_NE(log.find("FullScreen Window Size X=" + std::to_string(row.fieldWidth) +
                           ", y=" + std::to_string(row.fieldHeight)),
                  std::string::npos);
        EXPECT_EQ(h.state->windowSize, Point(row.fieldWidth, row.fieldHeight));
        h.run(2);
        SDL_Surface* shown = SDL_GetWindowSurface(window);
        ASSERT_EQ(std::pair(shown->w, shown->h), std::pair(row.windowWidth, row.windowHeight));
        const auto nonBlack = [&](SDL_Rect area) {
            return area.w * area.h - countColour(shown, {0, 0, 0, 255}, area);
        };
        const SDL_Rect& s = row.shown;
        // Bars: everything outside the shown rect, a pixel's rounding left aside.
        const SDL_Rect bars[] = {
            {0, 0, s.x - 1, row.windowHeight},
            {s.x + s.w + 1, 0, row.windowWidth - s.x - s.w - 1, row.windowHeight},
            {0, 0, row.windowWidth, s.y - 1},
            {0, s.y + s.h + 1, row.windowWidth, row.windowHeight - s.y - s.h - 1}};
        for (const SDL_Rect& bar : bars) {
            if (bar.w > 0 && bar.h > 0) {
                EXPECT_EQ(nonBlack(bar), 0) << bar.x << "," << bar.y;
            }
        }
        // The backdrop is never black, so the field fills its rect.
        const SDL_Rect inner{s.x + 1, s.y + 1, s.w - 2, s.h - 2};
        EXPECT_GT(nonBlack(inner), inner.w * inner.h * 9 / 10);
        for (SDL_Point corner : {SDL_Point{inner.x, inner.y + inner.h - 1},
                                 SDL_Point{inner.x + inner.w - 1, inner.y + inner.h - 1}}) {
            EXPECT_FALSE(black(surfacePixel(shown, corner.x, corner.y)))
                << corner.x << "," << corner.y;
        }
        SDL_Event click{.button = {SDL_MOUSEBUTTONDOWN, 0, SDL_GetWindowID(window), 0,
                                   SDL_BUTTON_RIGHT, SDL_PRESSED, 1, 0, row.click.x, row.click.y}};
        SDL_PushEvent(&click);
        const std::string clicked = h.run();
        EXPECT_NE(clicked.find(std::string("Liff Block Point") + row.cell), std::string::npos)
            << clicked;
    }
}

// Both games draw the same frames: the clock is pinned and the generator seeded alike.
TEST(FieldViewTest, AtScaleTwoEveryFieldPixelIsATwoByTwoBlockOfTheUnscaledFrame) {
    // Too small a field ends the start with a failure, whichever flag asked for it.
    for (const char* flag : {"-scale=2", "-window=640x480"}) {
        HeadlessGame small(1366, 768);
        std::optional<int> status;
        quietly([&] { status = small.start({flag}); });
        EXPECT_NE(status.value_or(0), 0) << flag;
    }
    gameSrand(7);
    HeadlessGame plain(960, 600);
    quietly([&] { ASSERT_FALSE(plain.start({"-window=960x600"})); });
    plain.run(40);
    gameSrand(7);
    HeadlessGame doubled(1920, 1200);
    quietly([&] { ASSERT_FALSE(doubled.start({"-scale=2"})); });
    EXPECT_EQ(doubled.state->windowSize, Point(960, 600));
    doubled.run(40);
    int mismatched = 0;
    for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < 960; ++x) {
            const SDL_Color want = plain.pixel(x, y);
            for (int i = 0; i < 4; ++i) {
                mismatched += doubled.pixel(2 * x + i % 2, 2 * y + i / 2) == want ? 0 : 1;
            }
        }
    }
    EXPECT_EQ(mismatched, 0);
    EXPECT_GT(plain.count({82, 3, 46, 255}) + plain.count({79, 4, 46, 255}), 0)
        << "the frames compared are the game's, not blank";
}

// 1920 x 1080 in 1280 x 720: every line of the field, whatever its slope or its
// row modulo 3, still shows in the window.
TEST(FieldViewTest, BelowScaleOneEveryOnePixelOutlineStaysUnbroken) {
    Canvas window(1280, 720);
    FieldView view;
    view.open(window.renderer, 1920, 1080);
    view.beginFrame();
    ASSERT_TRUE(view.scaling());
    SDL_SetRenderDrawColor(window.renderer, 0, 0, 0, 255);
    SDL_RenderClear(window.renderer);
    SDL_SetRenderDrawColor(window.renderer, 0, 255, 0, 0); // alpha 0, as the game draws rocks
    std::vector<std::pair<SDL_FPoint, SDL_FPoint>> lines;
    for (int k = 0; k < 3; ++k) {
        const auto o = static_cast<float>(300 + k);
        lines.push_back({{100, o}, {1800, o}});
        lines.push_back({{o + 600, 100}, {o + 600, 1000}});
    }
    for (int degrees = 0; degrees < 180; degrees += 7) {
        const float a = static_cast<float>(degrees) * 3.14159265f / 180;
        lines.push_back({{1300, 600}, {1300 + 380 * std::cos(a), 600 + 380 * std::sin(a)}});
    }
    // A rock's outline at six times its size.
    const SpaceJunk rock(1920, 1080, 1, false);
    for (int i = 0; i + 1 < rock.rockPointCount; ++i) {
        const SDL_FPoint p = rock.rockCords[i];
        const SDL_FPoint q = rock.rockCords[i + 1];
        lines.push_back({{150 + 6 * p.x, 600 + 6 * p.y}, {150 + 6 * q.x, 600 + 6 * q.y}});
    }
    for (const auto& [a, b] : lines) {
        SDL_RenderDrawLineF(window.renderer, a.x, a.y, b.x, b.y);
    }
    view.present();
    view.close();
    int gaps = 0;
    for (const auto& [a, b] : lines) {
        const float length = std::hypot(b.x - a.x, b.y - a.y);
        for (float t = 0; t <= length; t += 0.5f) {
            const float fx = (a.x + (b.x - a.x) * t / length) * 2 / 3;
            const float fy = (a.y + (b.y - a.y) * t / length) * 2 / 3;
            int brightest = 0;
            for (int i = 0; i < 9; ++i) {
                const SDL_Color c = window.pixel(static_cast<int>(std::lround(fx)) + i % 3 - 1,
                                                 static_cast<int>(std::lround(fy)) + i / 3 - 1);
                brightest = std::max<int>(brightest, c.g);
            }
            gaps += brightest >= 40 ? 0 : 1;
        }
    }
    EXPECT_EQ(gaps, 0);
}

TEST(FieldViewTest, F11AndAltEnterLeaveAndEnterFullScreenAndTakeNoKeyOfTheGame) {
    HeadlessGame h(1280, 720);
    SDL_Window* window = nullptr;
    const auto open = h.display.openWindow;
    h.display.openWindow = [&](const char* title, int& w, int& hh) {
        return window = open(title, w, hh);
    };
    h.game = std::make_unique<Game>(*h.state, Platform{[](Uint32) {}, h.display});
    quietly([&] { ASSERT_FALSE(h.start({"-window=1280x720"})); });
    ASSERT_NE(window, nullptr);
    const auto fullScreen = [&] {
        return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0;
    };
    const auto press = [&](SDL_Scancode key, Uint16 mod) {
        SDL_Event e{.key = {SDL_KEYDOWN, 0, 0, SDL_PRESSED, 0, 0, 0, {key, 0, mod, 0}}};
        SDL_PushEvent(&e);
        e.key.type = SDL_KEYUP;
        e.key.state = SDL_RELEASED;
        SDL_PushEvent(&e);
        return h.run();
    };
    ASSERT_FALSE(fullScreen());
    EXPECT_EQ(press(SDL_SCANCODE_F11, KMOD_NONE), "");
    EXPECT_TRUE(fullScreen());
    EXPECT_EQ(press(SDL_SCANCODE_RETURN, KMOD_LALT), "");
    EXPECT_FALSE(fullScreen());
    // The dummy desktop is 1024 x 768: the window keeps the field's shape.
    int w = 0;
    int hh = 0;
    SDL_GetWindowSize(window, &w, &hh);
    EXPECT_EQ(std::pair(w, hh), std::pair(1024, 576));
    EXPECT_EQ(press(SDL_SCANCODE_KP_ENTER, KMOD_RALT), "");
    EXPECT_TRUE(fullScreen());
    press(SDL_SCANCODE_RETURN, KMOD_NONE);
    EXPECT_TRUE(fullScreen()) << "Enter alone is no toggle";
    EXPECT_EQ(h.state->windowSize, Point(1280, 720)) << "the field keeps its size";
}
