#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include "support/work_dir.h"

namespace {
const SDL_Color kRed{255, 44, 44, 255};

class FontTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(TTF_Init(), 0) << TTF_GetError();
        font = TTF_OpenFont("dat/TOMARIDENA.ttf", 20);
        ASSERT_NE(font, nullptr) << TTF_GetError();
    }
    void TearDown() override {
        TTF_CloseFont(font);
        TTF_Quit();
    }

    // Where a label with this text lands: its corner and the rendered surface's size.
    SDL_Rect placed(const char* text, int x, int y) {
        SDL_Surface* s = TTF_RenderText_Solid(font, text, kRed);
        EXPECT_NE(s, nullptr) << text << ": " << TTF_GetError();
        SDL_Rect r{x, y, s ? s->w : 0, s ? s->h : 0};
        SDL_FreeSurface(s);
        return r;
    }

    WorkDir dir;
    TTF_Font* font = nullptr;
};
} // namespace

TEST_F(FontTest, HeadsUpLabelsKeepClearOfOneAnother) {
    EXPECT_LT(placed("Roids:180", 640, 5).w, 80);
    const SDL_Rect labels[] = {placed("Roids:10", 640, 5), placed("LvL:1", 720, 5),
                               placed("Score:0", 800, 5), placed("Mag:75", 800, 20)};
    for (int i = 0; i < 4; ++i) {
        for (int j = i + 1; j < 4; ++j) {
            EXPECT_FALSE(SDL_HasIntersection(&labels[i], &labels[j])) << i << " and " << j;
        }
    }
}

TEST_F(FontTest, LinesFitTheirStrips) {
    EXPECT_LE(TTF_FontHeight(font), 14);
    EXPECT_LE(placed("Mgjpqy_|(),;", 0, 0).h, 14);
    const SDL_Rect saved = placed("Saved game state as: checkpoint1234567890.txt", 0, 0);
    EXPECT_LE(saved.w, 455);
    EXPECT_LE(saved.h, 14);
}

// Outlines on whole pixels leave no edge pixel partly covered.
TEST_F(FontTest, DigitsRenderCrisp) {
    SDL_Surface* s = TTF_RenderText_Blended(font, "0123456789", kRed);
    ASSERT_NE(s, nullptr) << TTF_GetError();
    int partly = 0, full = 0;
    for (int y = 0; y < s->h; ++y) {
        const auto* row =
            reinterpret_cast<const Uint32*>(static_cast<Uint8*>(s->pixels) + y * s->pitch);
        for (int x = 0; x < s->w; ++x) {
            Uint8 r, g, b, a;
            SDL_GetRGBA(row[x], s->format, &r, &g, &b, &a);
            partly += a != 0 && a != 255;
            full += a == 255;
        }
    }
    SDL_FreeSurface(s);
    EXPECT_EQ(partly, 0);
    EXPECT_GT(full, 0);
}
