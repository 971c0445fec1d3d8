#include <SDL_image.h>

#include <set>

#include "backdrop/colour_cycler.h"
#include "backdrop/moon.h"
#include "backdrop/platform.h"
#include "backdrop/satellite.h"
#include "backdrop/title_cards.h"
#include "geometry/palette.h"
#include "support/kit.h"

// All three advance once a frame: checked at frame numbers, in order.
TEST(BackdropTest, TheColoursTheSatelliteAndThePlatformKeepTheirTimetables) {
    gameSrand(1);
    ColourCycler cycler;
    Satellite sat;
    LandingPlatform platform;
    const auto& p = platform.points();
    int frame = 0, low = 500, high = 500, misshapen = 0;
    auto runTo = [&](int f) {
        for (; frame < f; ++frame) {
            cycler.step();
            sat.advance();
            platform.wobble();
            misshapen += p[0].y == p[1].y - 50 && p[2].y == p[0].y && p[3].y == p[0].y ? 0 : 1;
            low = std::min(low, p[1].y);
            high = std::max(high, p[1].y);
        }
        // Green 3, 4 and 29 tell colours 0, 1 and 19 apart.
        return std::make_pair(cycler.currentColour().g, sat.rect().w);
    };
    EXPECT_NEAR(runTo(800).second, 45.0f, 1e-3f);
    EXPECT_EQ(runTo(1000).first, 3);
    EXPECT_EQ(runTo(1001).first, 4);
    // Grow 800, cross 4501, shrink 617, wait 10 x 690.5: the size is 5 again only on restart.
    EXPECT_EQ(runTo(12825).second, 5.0f);
    EXPECT_EQ(runTo(20020).first, 3) << "index 20";
    EXPECT_EQ(runTo(21021).first, 29) << "on the way back down";
    runTo(100000);
    EXPECT_EQ(std::make_tuple(low, high, misshapen), std::make_tuple(490, 550, 0));
    EXPECT_EQ(gameRand(), 1516) << "two draws a wobble, moved or not";
}

// The title cards, the moon and the satellite with their pictures, or with dat/ gone (false).
class BackdropPicturesTest : public testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (!present) {
            std::filesystem::remove_all(work.path() / "dat");
        }
        testing::internal::CaptureStderr();
        titles.load(c.renderer, 1920, 1080);
        moon.load(c.renderer);
        satellite.load(c.renderer);
        err = testing::internal::GetCapturedStderr();
    }

    const bool present = GetParam();
    WorkDir work;
    Canvas c{1920, 1080};
    TitleCards titles;
    Moon moon;
    Satellite satellite;
    std::string err;
};
INSTANTIATE_TEST_SUITE_P(Backdrop, BackdropPicturesTest, testing::Bool());

TEST_P(BackdropPicturesTest, EachMissingPictureIsNamedInOneLineAndPresentOnesSayNothing) {
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), present ? 0 : 4) << err;
    EXPECT_EQ(err.find("cannot load dat/themoon4.png (") != std::string::npos, !present);
}

// The title pictures are 400 x 160, shown at half size about the centre.
TEST_P(BackdropPicturesTest, PicturesDrawInTheirRectsBehindThePlatform) {
    satellite.draw(c.paint);
    EXPECT_EQ(c.countNonBlack() > 0, present) << "the satellite, alone on the canvas";
    titles.draw(c.paint);
    moon.draw(c.paint, {100, 0, 150, 520});
    SDL_SetRenderDrawColor(c.renderer, 168, 198, 78, 255);
    LandingPlatform().draw(c.paint);
    EXPECT_EQ(c.pixel(150, 450), SDL_Color({168, 198, 78, 255})) << "the closing edge";
    // The satellite and the platform lie in front of the moon, as in the game.
    const SDL_Rect where[] = {{755, 500, 200, 80}, {965, 500, 200, 80}, {100, 0, 150, 520}};
    EXPECT_EQ(c.countNonBlack() > 1000, present);
    EXPECT_EQ(SDL_RectEquals(&titles.rect1(), &where[0]), present);
    EXPECT_EQ(SDL_RectEquals(&titles.rect2(), &where[1]), present);
    SDL_SetRenderDrawColor(c.renderer, 0, 0, 0, 255);
    SDL_RenderFillRects(c.renderer, where, 3);
    EXPECT_EQ(c.countNonBlack(), 0) << "drawn outside its rect";
}

// Alpha 0 is reached at the 51st step and kept while the count falls below it.
TEST_P(BackdropPicturesTest, TheTitlesFadeToAlphaZeroAndStayThere) {
    int alpha = kTitleFadeStart;
    for (int i = 0; i < 53; ++i) {
        titles.fadeStep(alpha);
    }
    Uint8 mod = 7;
    SDL_GetTextureAlphaMod(titles.texture2(), &mod);
    EXPECT_EQ(std::make_tuple(alpha, mod), std::make_tuple(-10, present ? 0 : 7));
}

// The pass in bands measured from the moon's right edge (770), each with its own step; the
// picture is gone at about x 690.5 and waits ten frames a pixel of that.
TEST(BackdropTest, TheSatellitePassStepsThroughItsBandsThenWaitsTenFramesAPixel) {
    struct Step {
        float x, dxy, dwh;
    };
    const Step bands[] = {{140, 0.05f, 0.05f},    {180, 0.1f, 0},      {630, 0.095f, -0.015f},
                          {650, 0.099f, -0.055f}, {670, 0.1f, -0.15f}, {690.5f, 0, 0}};
    Satellite sat;
    std::vector<Step> seen;
    for (int frame = 0; frame < 6000 && sat.countdown() < 0; ++frame) {
        const SDL_FRect r = sat.rect();
        sat.advance();
        const SDL_FRect s = sat.rect();
        const Step step{r.x, s.x - r.x, s.w - r.w};
        ASSERT_NEAR(s.y - r.y, step.dxy, 3e-4f) << "moves along the diagonal";
        ASSERT_NEAR(s.h - r.h, step.dwh, 3e-4f) << "stays square";
        if (seen.empty() || std::abs(step.dxy - seen.back().dxy) > 3e-4f ||
            std::abs(step.dwh - seen.back().dwh) > 3e-4f) {
            seen.push_back(step);
        }
    }
    ASSERT_EQ(seen.size(), std::size(bands));
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_NEAR(seen[i].x, bands[i].x, 0.1f) << "band " << i;
        EXPECT_NEAR(seen[i].dxy, bands[i].dxy, 3e-4f) << "band " << i;
        EXPECT_NEAR(seen[i].dwh, bands[i].dwh, 3e-4f) << "band " << i;
    }
    const SDL_FRect gone = sat.rect();
    EXPECT_TRUE(gone.w <= 0.0f && gone.w > -0.15f) << gone.w;
    EXPECT_NEAR(sat.countdown(), 6905, 2);
    for (int wait = sat.countdown(); wait > 0; --wait) {
        sat.advance();
    }
    EXPECT_EQ(std::make_tuple(sat.countdown(), sat.rect().x, sat.rect().w),
              std::make_tuple(0, gone.x, gone.w));
    sat.advance();
    EXPECT_EQ(std::make_tuple(sat.countdown(), sat.rect().x, sat.rect().y, sat.rect().w),
              std::make_tuple(-1, 140.0f, 45.0f, 5.0f));
}

// The lowest contrast ratio (the web's accessibility guidelines' relative luminance) of each
// colour on every backdrop colour, bare and under each moon pixel. Today's red text is near 4:1
// at best and its blue missiles under 2:1; clear text needs 4.5:1 and clear missiles 3:1.
TEST(BackdropTest, ClearColoursStandOutFromTheBackdropAndTheMoon) {
    WorkDir work;
    SDL_Surface* file = IMG_Load("dat/themoon4.png");
    SDL_Surface* moon = SDL_ConvertSurfaceFormat(file, SDL_PIXELFORMAT_RGBA32, 0);
    const auto* px = static_cast<const Uint8*>(moon->pixels);
    std::set<std::array<int, 4>> under{{0, 0, 0, 0}}; // the bare backdrop
    for (int i = 0; i < moon->w * moon->h; ++i) {
        under.insert({px[4 * i], px[4 * i + 1], px[4 * i + 2], px[4 * i + 3]});
    }
    SDL_FreeSurface(moon), SDL_FreeSurface(file);
    const auto lum = [](double r, double g, double b) {
        const auto lin = [](double v) {
            return v <= 10.31475 ? v / 3294.6 : std::pow((v / 255 + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b);
    };
    const ColourCycler cycler;
    const auto worst = [&](SDL_Color ink) {
        double ratio = 100, l = lum(ink.r, ink.g, ink.b);
        for (const SDL_Color back : cycler.palette()) {
            for (const auto& [r, g, b, a] : under) {
                const auto over = [a](int m, int c) { return (m * a + c * (255 - a)) / 255; };
                const double m = lum(over(r, back.r), over(g, back.g), over(b, back.b));
                ratio = std::min(ratio, (std::max(l, m) + 0.05) / (std::min(l, m) + 0.05));
            }
        }
        return ratio;
    };
    const ColourRGB clear = kClearPalette.missile;
    EXPECT_EQ(std::tuple(worst(kUsualPalette.text) < 4.1, worst({0, 0, 255, 255}) < 2.0,
                         worst(kClearPalette.text) >= 4.5,
                         worst({clear.r, clear.g, clear.b, 255}) >= 3.0),
              std::tuple(true, true, true, true));
}
