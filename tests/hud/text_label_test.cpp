#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

#include "hud/debug_message_list.h"
#include "hud/text_label.h"
#include "support/canvas.h"
#include "support/work_dir.h"

namespace {
const SDL_Color kRed{255, 44, 44, 255};

class TextLabelTest : public testing::Test {
  protected:
    void SetUp() override {
        TTF_Init();
        font = TTF_OpenFont("dat/TOMARIDENA.ttf", 20);
        ASSERT_NE(font, nullptr) << SDL_GetError();
    }
    void TearDown() override {
        TTF_CloseFont(font);
        TTF_Quit();
    }
    // The font's own rendering of the text: its size, and in `lit` its glyph pixels.
    SDL_Rect rendered(const std::string& text, int x, int y, int& lit) const {
        SDL_Surface* s = TTF_RenderText_Solid(font, text.c_str(), kRed);
        lit = 0;
        for (int i = 0; i < s->h * s->pitch; ++i) {
            lit += (i % s->pitch < s->w && static_cast<Uint8*>(s->pixels)[i] != 0) ? 1 : 0;
        }
        SDL_Rect r{x, y, s->w, s->h};
        SDL_FreeSurface(s);
        return r;
    }

    WorkDir dir;
    Canvas canvas{1024, 300};
    TTF_Font* font = nullptr;
};

TEST_F(TextLabelTest, RendersEachNewTextOnceAndDrawsItUnscaledInItsRect) {
    TextLabel label(canvas.renderer, nullptr, font, "Lvl:", 30, 40, kRed);
    label.draw();
    EXPECT_EQ(canvas.countNonBlack(), 0) << "the creation text is not rendered";
    label.setText("LvL:1");
    ASSERT_NE(label.texture(), nullptr);
    int marker = 0; // a fresh texture would not carry it
    SDL_SetTextureUserData(label.texture(), &marker);
    label.setText("LvL:1");
    EXPECT_EQ(SDL_GetTextureUserData(label.texture()), &marker);
    int allocations = SDL_GetNumAllocations();
    label.setText("1:LvL"); // the same glyphs: only the texture is made anew
    EXPECT_EQ(SDL_GetNumAllocations(), allocations) << "the old texture is kept";
    EXPECT_EQ(SDL_GetTextureUserData(label.texture()), nullptr);
    label.setText("Score:12");
    int lit = 0;
    SDL_Rect want = rendered("Score:12", 30, 40, lit);
    EXPECT_TRUE(SDL_RectEquals(&label.rect(), &want));
    label.draw();
    ASSERT_GT(lit, 0);
    EXPECT_EQ(canvas.count(kRed), lit);
    SDL_SetRenderDrawColor(canvas.renderer, 0, 0, 0, 255);
    SDL_RenderFillRect(canvas.renderer, &want);
    EXPECT_EQ(canvas.countNonBlack(), 0) << "drawn outside its rect";
}

TEST_F(TextLabelTest, AFailedRenderLeavesAnEmptyLabel) {
    TextLabel noFont(canvas.renderer, nullptr, nullptr, "Mag:", 800, 20, kRed);
    TextLabel emptied(canvas.renderer, nullptr, font, "Roid:", 640, 5, kRed);
    emptied.setText("Roids:3");
    for (TextLabel* label : {&noFont, &emptied}) {
        testing::internal::CaptureStdout();
        label->setText(label == &noFont ? "Mag:75" : "");
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(out.rfind("Failed to render text: ", 0), 0u) << out;
        EXPECT_EQ(out.find('\n'), std::string::npos);
        EXPECT_EQ(label->texture(), nullptr);
        EXPECT_EQ(label->rect().w + label->rect().h, 0);
        label->draw();
    }
    EXPECT_EQ(canvas.countNonBlack(), 0);
}

using DebugMessageListTest = TextLabelTest;

TEST_F(DebugMessageListTest, GrowsToTheLineItIsGiven) {
    DebugMessageList list(canvas.renderer, nullptr, font);
    const std::string texts[] = {
        "Boid1:(3,4)", "Visual Range:", "zBoid1:",    "zBoid2:",    "Debug Info",
        "Debug Info",  "Debug Info",    "Debug Info", "Debug Info", "hero:velocity:1.50"};
    list.setMessage(0, "Boid1:(3,4)");
    list.setMessage(-1, "ignored");
    ASSERT_EQ(list.lines().size(), 4u);
    list.setMessage(9, "hero:velocity:1.50");
    ASSERT_EQ(list.lines().size(), 10u);
    int lit = 0, allLit = 0;
    for (int i = 0; i < 10; ++i) {
        const TextLabel& line = list.lines()[static_cast<std::size_t>(i)];
        EXPECT_EQ(line.text(), texts[i]) << i;
        SDL_Rect want = rendered(line.text(), 640, 48 + 24 * i, lit);
        EXPECT_TRUE(SDL_RectEquals(&line.rect(), &want)) << i;
        allLit += lit;
    }
    list.drawAll();
    EXPECT_EQ(canvas.count(kRed), allLit) << "every line drawn once";
}
} // namespace
