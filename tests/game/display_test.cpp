#include <numbers>
#include <ranges>

#include "geometry/draw_circle.h"
#include "geometry/outline_batch.h"
#include "platform/field_view.h"
#include "support/headless_game.h"

namespace {
// Three windows for each of two field shapes. The Liff grid's 51 x 28 cells cover the
// field less its right-most 135 pixels: 22 x 25 pixels at 1280 x 720, 13 x 21 at 800 x 600.
struct WindowRow {
    int fieldWidth, fieldHeight, windowWidth, windowHeight;
    SDL_Rect shown; // where the field lands
    SDL_Point click;
    const char* cell;
};
const WindowRow kWindowRows[] = {
    // x1.5, no bars; the click is field (406, 312).
    {1280, 720, 1920, 1080, {0, 0, 1920, 1080}, {609, 468}, "(x=18,y=12);"},
    {1280, 720, 1000, 1000, {0, 219, 1000, 562}, {317, 463}, "(x=18,y=12);"},
    {1280, 720, 2560, 1080, {320, 0, 1920, 1080}, {929, 468}, "(x=18,y=12);"},
    // Below x1, drawn straight into the window: x0.703 (506.25 high), x0.833 (666.7 wide).
    {1280, 720, 900, 700, {0, 97, 900, 506}, {285, 316}, "(x=18,y=12);"},
    // x1.2; the click is field (395, 304).
    {800, 600, 1280, 720, {160, 0, 960, 720}, {635, 365}, "(x=30,y=14);"},
    {800, 600, 1600, 1200, {0, 0, 1600, 1200}, {793, 609}, "(x=30,y=14);"},
    {800, 600, 1024, 1024, {0, 128, 1024, 768}, {507, 517}, "(x=30,y=14);"},
    {800, 600, 1000, 500, {167, 0, 666, 500}, {496, 253}, "(x=30,y=14);"},
};
} // namespace

// Each row's game in its window, two frames in: a renderer on a window, as the game makes it,
// so SDL maps its mouse events. The backdrop is never black: the field fills its rect and
// nothing else is drawn. A right click then names the Liff cell under the pointer.
TEST(FieldViewTest, AScaledWindowShowsTheFieldInItsCentredRectAndMapsClicksBackToIt) {
    for (const WindowRow& row : kWindowRows) {
        SCOPED_TRACE(std::to_string(row.windowWidth) + "x" + std::to_string(row.windowHeight));
        HeadlessGame h;
        SDL_Window* window = nullptr;
        h.display.openWindow = [&](const char* title, int&, int&) {
            return window = SDL_CreateWindow(title, 0, 0, row.windowWidth, row.windowHeight,
                                             SDL_WINDOW_HIDDEN);
        };
        h.display.openRenderer = [](SDL_Window* w) {
            return SDL_CreateRenderer(w, -1, SDL_RENDERER_SOFTWARE);
        };
        h.makeGame();
        quietly([&] {
            ASSERT_FALSE(h.start({"-window=" + std::to_string(row.fieldWidth) + "x" +
                                  std::to_string(row.fieldHeight)}));
        });
        h.run(2);
        EXPECT_EQ(h.state->windowSize, Point(row.fieldWidth, row.fieldHeight));
        SDL_Surface* shown = SDL_GetWindowSurface(window);
        const SDL_Rect& s = row.shown;
        const int blackInside = countColour(shown, {0, 0, 0, 255}, s);
        EXPECT_EQ(countColour(shown, {0, 0, 0, 255}) - blackInside,
                  row.windowWidth * row.windowHeight - s.w * s.h);
        EXPECT_LT(blackInside, s.w * s.h / 10);
        SDL_Event click{.button = {SDL_MOUSEBUTTONDOWN, 0, SDL_GetWindowID(window), 0,
                                   SDL_BUTTON_RIGHT, SDL_PRESSED, 1, 0, row.click.x, row.click.y}};
        SDL_PushEvent(&click);
        EXPECT_TRUE(holds(h.run(), std::string("Liff Block Point") + row.cell));
    }
}

// Both games draw the same frames: the clock is pinned and the generator seeded alike.
TEST(FieldViewTest, AtScaleTwoEveryFieldPixelIsATwoByTwoBlockOfTheUnscaledFrame) {
    gameSrand(7);
    HeadlessGame plain(960, 600);
    quietly([&] { ASSERT_FALSE(plain.start({"-window=960x600"})); });
    plain.run(40);
    gameSrand(7);
    HeadlessGame doubled(1920, 1200);
    quietly([&] { ASSERT_FALSE(doubled.start({"-scale=2"})); });
    doubled.run(40);
    int mismatched = 1920 * 1200;
    for (int i = 0; i < 1920 * 1200; ++i) {
        mismatched -= doubled.pixel(i % 1920, i / 1920) == plain.pixel(i % 1920 / 2, i / 3840);
    }
    EXPECT_EQ(mismatched, 0);
    EXPECT_GT(plain.count({82, 3, 46, 255}), 0) << "the frames compared are the game's";
}

// Whether any pixel of the 3 x 3 around (x, y) is lit green.
static bool litNear(const Canvas& c, int x, int y) {
    const auto lit = [&](int i) { return c.pixel(x + i % 3 - 1, y + i / 3 - 1).g >= 200; };
    return std::ranges::any_of(std::views::iota(0, 9), lit);
}

// 1920 x 1080 in 1280 x 720, drawn as the game draws (with alpha 0).
struct ShrunkFieldTest : testing::Test {
    void SetUp() override {
        view.open(window.paint, 1920, 1080);
        view.beginFrame();
        SDL_SetRenderDrawColor(window.renderer, 0, 0, 0, 255);
        SDL_RenderClear(window.renderer);
        SDL_SetRenderDrawColor(window.renderer, 0, 255, 0, 0);
    }

    Canvas window{1280, 720};
    FieldView view;
};

// Lines on every row and column modulo 3, and a rock's outline at six times its size.
static std::vector<std::pair<SDL_Point, SDL_Point>> testLines() {
    std::vector<std::pair<SDL_Point, SDL_Point>> lines;
    for (int k = 0; k < 3; ++k) {
        lines.push_back({{100, 300 + k}, {1800, 300 + k}});
        lines.push_back({{900 + k, 100}, {900 + k, 1000}});
    }
    const SpaceJunk rock(1920, 1080, 1, false);
    for (int i = 0; i + 1 < rock.rockPointCount; ++i) {
        const SDL_FPoint p = rock.rockCords[i];
        const SDL_FPoint q = rock.rockCords[i + 1];
        lines.push_back(
            {{int(150 + 6 * p.x), int(600 + 6 * p.y)}, {int(150 + 6 * q.x), int(600 + 6 * q.y)}});
    }
    return lines;
}

// These and a ring stay unbroken, each corner on the window pixel that holds its centre.
TEST_F(ShrunkFieldTest, OutlinesStayUnbrokenWithEachEndOnTheWindowPixelHoldingItsCentre) {
    const auto lines = testLines();
    {
        OutlineBatch outlines(window.paint);
        for (const auto& [a, b] : lines) {
            const SDL_Point ends[] = {a, b};
            outlines.add(ends, 2);
        }
    }
    drawCircle(window.paint, 1500, 700, 200, {0, 255, 0}, 0);
    view.present();

    int gaps = 0;
    int darkEnds = 0;
    for (const auto& [a, b] : lines) {
        const double length = std::max(1.0, std::hypot(b.x - a.x, b.y - a.y));
        for (double t = 0; t <= 1; t += 0.5 / length) {
            gaps += !litNear(window, std::lround((a.x + (b.x - a.x) * t) * 2 / 3),
                             std::lround((a.y + (b.y - a.y) * t) * 2 / 3));
        }
        // The window pixel holding each end's centre: (p + 0.5) * 2 / 3, rounded down.
        for (const SDL_Point& p : {a, b}) {
            darkEnds += window.pixel((2 * p.x + 1) / 3, (2 * p.y + 1) / 3).g < 200;
        }
    }
    for (int i = 0; i < 720; ++i) { // the ring, half a degree apart
        const double a = i * std::numbers::pi / 360;
        gaps += !litNear(window, std::lround((1500 + 199.5 * std::cos(a)) * 2 / 3),
                         std::lround((700 + 199.5 * std::sin(a)) * 2 / 3));
    }
    EXPECT_EQ(gaps, 0);
    EXPECT_EQ(darkEnds, 0);
}

// Stripes one field pixel wide: nearest sampling at x2/3 would keep them black and white.
TEST_F(ShrunkFieldTest, APictureOfOnePixelStripesComesOutFilteredNotDropped) {
    std::vector<Uint32> stripes(30);
    for (std::size_t i = 0; i < stripes.size(); ++i) {
        stripes[i] = i % 2 == 0 ? 0xff000000 : 0xffffffff;
    }
    SDL_Texture* picture = SDL_CreateTexture(window.renderer, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STATIC, 30, 1);
    SDL_UpdateTexture(picture, nullptr, stripes.data(), 30 * 4);
    window.paint.fitScaleMode(picture);
    const SDL_Rect band{30, 30, 30, 30};
    SDL_RenderCopy(window.renderer, picture, nullptr, &band);
    view.present();
    SDL_DestroyTexture(picture);

    int greys = 0; // the band covers window x 20..39, y 20..39
    for (int x = 20; x < 40; ++x) {
        const Uint8 v = window.pixel(x, 30).r;
        greys += v > 20 && v < 235 ? 1 : 0;
    }
    EXPECT_GE(greys, 18);
}
