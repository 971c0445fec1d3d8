#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <tuple>
#include <utility>

#include "backdrop/colour_cycler.h"
#include "backdrop/moon.h"
#include "backdrop/platform.h"
#include "backdrop/satellite.h"
#include "backdrop/title_cards.h"
#include "geometry/game_rand.h"
#include "support/canvas.h"
#include "support/work_dir.h"

TEST(ColourCyclerTest, IndexSwingsUpAndBackEvery1001Frames) {
    const SDL_Color c0{82, 3, 46, 0}, c1{79, 4, 46, 0}, c19{43, 29, 54, 0};
    // Frames stepped, then the colour shown; index 20 shows colour 0.
    const std::pair<int, SDL_Color> rows[] = {{1000, c0},  {1001, c1},  {20019, c19},
                                              {20020, c0}, {21020, c0}, {21021, c19},
                                              {40039, c1}, {40040, c0}, {41041, c1}};
    ColourCycler cycler;
    int stepped = 0;
    for (const auto& [frames, colour] : rows) {
        for (; stepped < frames; ++stepped) {
            cycler.step();
        }
        const SDL_Color got = cycler.currentColour();
        EXPECT_EQ(SDL_Color({got.r, got.g, got.b, 0}), colour) << frames;
    }
}

// One pass: 800 frames growing, 4501 crossing, 617 shrinking, then a wait until 12 825.
TEST(SatelliteTest, OnePassGrowsCrossesShrinksWaitsAndRestarts) {
    Satellite sat;
    int frame = 0;
    auto runTo = [&](int f) {
        for (; frame < f; ++frame) {
            sat.advance();
        }
        return sat.rect();
    };
    EXPECT_NEAR(runTo(800).w, 45.0f, 1e-3f);
    EXPECT_NEAR(runTo(3000).x, 400.0f, 0.05f) << "crossing at 0.1 a frame";
    EXPECT_GT(runTo(5917).w, 0.0f);
    EXPECT_LE(runTo(5918).w, 0.0f);
    runTo(5919);
    EXPECT_EQ(sat.countdown(), 6905); // 10 x about 690.5
    EXPECT_LE(runTo(12824).h, 0.0f);
    const SDL_FRect r = runTo(12825);
    EXPECT_EQ(std::make_tuple(r.x, r.y, r.w, r.h), std::make_tuple(140.0f, 45.0f, 5.0f, 5.0f));
}

TEST(LandingPlatformTest, WobbleKeepsTheOutlineBetween490And550) {
    gameSrand(1);
    LandingPlatform platform;
    const auto& p = platform.points();
    int low = 500, high = 500;
    for (int i = 0; i < 100000; ++i) {
        platform.wobble();
        ASSERT_TRUE(p[0].y == p[1].y - 50 && p[2].y == p[0].y && p[3].y == p[0].y);
        low = std::min(low, p[1].y);
        high = std::max(high, p[1].y);
    }
    EXPECT_EQ(std::make_pair(low, high), std::make_pair(490, 550));
    // The generator's 200 001st number from seed 1: two are drawn a wobble, moved or not.
    EXPECT_EQ(gameRand(), 1516);
    Canvas c(300, 600);
    SDL_SetRenderDrawColor(c.renderer, 168, 198, 78, 0);
    platform.draw(c.renderer);
    EXPECT_EQ(c.pixel(150, p[0].y), SDL_Color({168, 198, 78, 255})) << "the closing edge";
}

// The title pictures are 400 x 160, drawn at 200 x 80.
TEST(TitleCardsTest, HalfSizeCardsSitAboutTheCentreAndFadeOut) {
    WorkDir work;
    Canvas c(1920, 1080);
    TitleCards titles;
    titles.load(c.renderer, 1920, 1080);
    const SDL_Rect& r1 = titles.rect1();
    const SDL_Rect& r2 = titles.rect2();
    EXPECT_EQ(std::make_tuple(r1.x, r1.y, r1.w, r1.h), std::make_tuple(755, 500, 200, 80));
    EXPECT_EQ(std::make_tuple(r2.x, r2.y, r2.w, r2.h), std::make_tuple(965, 500, 200, 80));
    // Steps taken, then the fade alpha and the alpha the cards carry.
    const std::tuple<int, int, int> rows[] = {{1, 250, 250}, {50, 5, 5}, {51, 0, 0}, {53, -10, 0}};
    int alpha = kTitleFadeStart;
    int steps = 0;
    for (const auto& [n, wantAlpha, wantMod] : rows) {
        for (; steps < n; ++steps) {
            titles.fadeStep(alpha);
        }
        EXPECT_EQ(alpha, wantAlpha) << n;
        for (SDL_Texture* t : {titles.texture1(), titles.texture2()}) {
            Uint8 mod = 1;
            SDL_GetTextureAlphaMod(t, &mod);
            EXPECT_EQ(mod, wantMod) << n;
        }
    }
    titles.destroy();
    EXPECT_EQ(titles.texture2(), nullptr) << "nothing left to destroy twice";
}

TEST(BackdropPicturesTest, DrawOnlyIntoTheirRectanglesAndNotAtAllWhenMissing) {
    WorkDir work;
    for (bool present : {true, false}) {
        if (!present) {
            std::filesystem::remove(work.path() / "dat");
        }
        Canvas c(1920, 1080);
        TitleCards titles;
        Moon moon;
        Satellite sat;
        titles.load(c.renderer, 1920, 1080);
        moon.load(c.renderer);
        sat.load(c.renderer);
        titles.draw(c.renderer);
        moon.draw(c.renderer, {1000, 700, 100, 100});
        sat.draw(c.renderer);
        const SDL_Rect where[] = {
            {755, 500, 200, 80}, {965, 500, 200, 80}, {1000, 700, 100, 100}, {140, 45, 5, 5}};
        int inside = 0;
        for (const SDL_Rect& r : where) {
            for (int y = r.y; y < r.y + r.h; ++y) {
                for (int x = r.x; x < r.x + r.w; ++x) {
                    inside += c.pixel(x, y) == SDL_Color{0, 0, 0, 255} ? 0 : 1;
                }
            }
        }
        EXPECT_EQ(inside, c.countNonBlack());
        EXPECT_EQ(inside > 1000, present);
        EXPECT_EQ(titles.rect1().w, present ? 200 : 0) << "a missing card has no size";
        titles.destroy();
    }
}
