#include <SDL_ttf.h>

#include "hud/debug_message_list.h"
#include "hud/text_label.h"
#include "support/kit.h"

namespace {
const SDL_Color kRed{255, 44, 44, 255};

class TextLabelTest : public testing::Test {
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
    WorkDir dir;
    Canvas canvas{1024, 300};
    TTF_Font* font = nullptr;
};

// Heads-up labels sit 80 px apart in strips 15 px high and the save message has 455 px.
// Outlines on whole pixels leave no edge pixel partly covered.
TEST_F(TextLabelTest, TheFontFitsTheLabelsStripsAndCoversWholePixels) {
    int w = 0, h = 0;
    TTF_SizeText(font, "Roids:180", &w, &h);
    EXPECT_LT(w, 80);
    TTF_SizeText(font, "Mgjpqy_|(),;", &w, &h);
    EXPECT_LE(h, 14);
    TTF_SizeText(font, "Saved game state as: checkpoint1234567890.txt", &w, &h);
    EXPECT_LE(w, 455);
    SDL_Surface* s = TTF_RenderText_Blended(font, "0123456789", kRed);
    ASSERT_NE(s, nullptr) << TTF_GetError();
    int partly = 0, full = 0;
    for (int i = 0; i < s->w * s->h; ++i) {
        const Uint8 a = surfacePixel(s, i % s->w, i / s->w).a;
        partly += a != 0 && a != 255;
        full += a == 255;
    }
    SDL_FreeSurface(s);
    EXPECT_EQ(std::make_pair(partly, full > 0), std::make_pair(0, true));
}

// A label renders each new text once, freeing the old texture; a failed render leaves it empty.
TEST_F(TextLabelTest, ALabelRendersEachNewTextOnceAndAFailedRenderLeavesItEmpty) {
    TextLabel label(&canvas.paint, nullptr, font, "Lvl:", 30, 40, kRed);
    label.draw(); // the creation text is not rendered, nor by a new colour
    label.setColour({0, 255, 0, 255});
    EXPECT_EQ(label.texture(), nullptr);
    label.setText("LvL:1");
    ASSERT_NE(label.texture(), nullptr);
    int marker = 0; // a fresh texture would not carry it
    SDL_SetTextureUserData(label.texture(), &marker);
    label.setText("LvL:1");
    label.setColour({0, 255, 0, 255});
    EXPECT_EQ(SDL_GetTextureUserData(label.texture()), &marker);
    const int allocations = SDL_GetNumAllocations();
    label.setText("1:LvL"); // the same glyphs: only the texture is made anew
    EXPECT_EQ(SDL_GetNumAllocations(), allocations) << "the old texture is freed";
    const std::string out = quietly([&] { label.setText(""); });
    EXPECT_TRUE(out.rfind("Failed to render text: ", 0) == 0 && out.find('\n') == out.npos) << out;
    EXPECT_EQ(label.texture(), nullptr);
    EXPECT_EQ(label.rect().w + label.rect().h, 0);
    label.draw();
    EXPECT_EQ(canvas.countNonBlack(), 0) << "neither the creation text nor an empty label";
}

// Each line as big as the font renders its text, one every 24 px from y 48 down to 264.
TEST_F(TextLabelTest, DebugLinesFillTheirSlotsAndDrawInTheirRects) {
    DebugMessageList list(&canvas.paint, nullptr, font);
    const std::string texts[] = {
        "Boid1:(3,4)", "Visual Range:", "zBoid1:",    "zBoid2:",    "Debug Info",
        "Debug Info",  "Debug Info",    "Debug Info", "Debug Info", "hero:velocity:1.50"};
    list.setMessage(0, "Boid1:(3,4)");
    list.setMessage(-1, "ignored");
    ASSERT_EQ(list.lines().size(), 4u);
    list.setMessage(9, "hero:velocity:1.50");
    ASSERT_EQ(list.lines().size(), 10u);
    list.drawAll();
    SDL_SetRenderDrawColor(canvas.renderer, 0, 0, 0, 255);
    for (int i = 0; i < 10; ++i) {
        const TextLabel& line = list.lines()[static_cast<std::size_t>(i)];
        EXPECT_EQ(line.text(), texts[i]) << i;
        int w = 0, h = 0;
        TTF_SizeText(font, texts[i].c_str(), &w, &h);
        const SDL_Rect want{640, 48 + 24 * i, w, h};
        const SDL_Rect got = line.rect();
        EXPECT_TRUE(SDL_RectEquals(&got, &want)) << i;
        const int red = canvas.count(kRed);
        SDL_RenderFillRect(canvas.renderer, &want);
        EXPECT_GT(red, canvas.count(kRed)) << "line " << i << " is drawn in red";
    }
    EXPECT_EQ(canvas.countNonBlack(), 0) << "drawn outside its rect";
}
} // namespace
