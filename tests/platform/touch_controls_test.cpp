#include "platform/field_size.h"
#include "platform/touch_controls.h"
#include "support/canvas.h"
#include "support/kit.h"

namespace {
// A braced list is evaluated in order, unlike the operands of +.
std::string inOrder(std::initializer_list<std::string> said) {
    std::string all;
    for (const std::string& s : said) {
        all += s;
    }
    return all;
}

// A landscape phone: a 915 x 412 canvas showing a 1333 x 600 field.
constexpr int kW = 915;
constexpr int kH = 412;

struct Touch {
    TouchControls controls;
    SDL_Rect box{}; // where the field is shown: SDL gives a finger's place within it
    // SDL's video brings up its list of touch devices, which the controls ask about.
    Touch() {
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        field(1333, 600);
    }
    void field(int w, int h) {
        controls.setSizes(kW, kH, w, h);
        box = letterbox({kW, kH}, {w, h});
    }
    ~Touch() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

    // What a finger event at a canvas point turned into.
    std::string finger(Uint32 type, SDL_FingerID id, int x, int y, Uint32 at = 0) {
        const SDL_Event e{.tfinger = {type, at, 1, id,
                                      (static_cast<float>(x - box.x) + 0.5f) / box.w,
                                      (static_cast<float>(y - box.y) + 0.5f) / box.h, 0, 0, 0, 0}};
        return said([&](auto& out) { controls.translate(e, out); });
    }
    std::string tick(Uint32 now) {
        return said([&](auto& out) { controls.tick(now, out); });
    }
    // What the controls gave, one word group per input.
    static std::string said(auto&& give) {
        std::vector<PlayerInput> out;
        give(out);
        std::string text;
        for (const PlayerInput& in : out) {
            const bool key = in.kind == PlayerInput::Kind::Key;
            // Piece by piece: GCC 12 for Windows warns falsely (-Wrestrict) on "R" + a temporary.
            text.append(in.down ? "+" : "-")
                .append(key ? SDL_GetScancodeName(static_cast<SDL_Scancode>(in.code)) : "R")
                .append(key ? "" : std::to_string(in.x) + "," + std::to_string(in.y))
                .append(in.kind == PlayerInput::Kind::Mouse && in.code != SDL_BUTTON_RIGHT ? "? "
                                                                                           : " ");
        }
        return text;
    }
    SDL_Point centre(const char* name) const {
        for (const auto& c : controls.controls()) {
            if (c.name == name) {
                return {c.rect.x + c.rect.w / 2, c.rect.y + c.rect.h / 2};
            }
        }
        return {-1, -1};
    }
    std::string down(SDL_FingerID id, const char* name, Uint32 at = 0) {
        return finger(SDL_FINGERDOWN, id, centre(name).x, centre(name).y, at);
    }
    std::string up(SDL_FingerID id) { return finger(SDL_FINGERUP, id, 0, 0); }
    void shown() {
        finger(SDL_FINGERDOWN, 99, 450, 200);
        finger(SDL_FINGERUP, 99, 450, 200);
    }
};
} // namespace

// A sixth of the 412-pixel side is 68, a quarter of that the margins: 412 - 17 - 68 = 327;
// pause, help and settings, three quarters of it (51), sit above the right thumb: 327 - 17 - 51
// = 259, settings at 915 - 3 * 17 - 3 * 51 = 711.
TEST(TouchControlsTest, ControlsSitInTheCornersFingertipSizedOnAnyScreen) {
    std::vector<std::pair<std::string, std::array<int, 4>>> placed;
    for (const auto& c : TouchControls::layout(kW, kH)) {
        placed.push_back({c.name, {c.rect.x, c.rect.y, c.rect.w, c.rect.h}});
    }
    EXPECT_EQ(placed, (decltype(placed){{"left", {17, 327, 68, 68}},
                                        {"right", {102, 327, 68, 68}},
                                        {"thrust", {745, 327, 68, 68}},
                                        {"fire", {830, 327, 68, 68}},
                                        {"pause", {779, 259, 51, 51}},
                                        {"help", {847, 259, 51, 51}},
                                        {"settings", {711, 259, 51, 51}}}));
    // However small the screen, no control below 48 pixels or off it, none on another.
    for (const auto& [w, h] : {std::pair(412, 915), std::pair(320, 240), std::pair(1920, 1080)}) {
        const auto all = TouchControls::layout(w, h);
        for (std::size_t i = 0; i < all.size(); ++i) {
            const SDL_Rect& r = all[i].rect;
            EXPECT_TRUE(r.w >= 48 && r.h >= 48 && r.x >= 0 && r.y >= 40 && r.x + r.w <= w &&
                        r.y + r.h <= h)
                << all[i].name << " on " << w << "x" << h;
            for (std::size_t j = 0; j < i; ++j) {
                EXPECT_FALSE(SDL_HasIntersection(&r, &all[j].rect)) << all[i].name << " " << w;
            }
        }
    }
}

TEST(TouchControlsTest, TheFirstTouchOnlyShowsAKeyHidesAndFingersHoldTheirKeys) {
    Touch t;
    EXPECT_EQ(t.down(1, "fire"), "");
    EXPECT_TRUE(t.controls.isShown());
    EXPECT_EQ(t.up(1), "");
    EXPECT_EQ(t.down(2, "fire"), "+Space ");
    // Turning while firing; the key is let go whichever finger leaves first.
    EXPECT_EQ(t.down(3, "left"), "+Left ");
    EXPECT_EQ(t.up(2), "-Space ");
    EXPECT_EQ(t.up(3), "-Left ");
    // Two fingers on one control: the key goes up with the last.
    EXPECT_EQ(inOrder({t.down(4, "thrust"), t.down(5, "thrust")}), "+Up ");
    EXPECT_EQ(inOrder({t.up(4), "|", t.up(5)}), "|-Up ");
    EXPECT_EQ(inOrder({t.down(6, "pause"), t.up(6), t.down(7, "help"), t.up(7)}), "+P -P +H -H ");
    EXPECT_EQ(inOrder({t.down(9, "settings"), t.up(9)}), "+F1 -F1 ");

    const SDL_Event key{.type = SDL_KEYDOWN};
    std::vector<PlayerInput> out;
    EXPECT_FALSE(t.controls.translate(key, out));
    EXPECT_FALSE(t.controls.isShown());
    EXPECT_EQ(inOrder({t.down(8, "fire"), t.up(8)}), "");
    // Fingers SDL makes up from the mouse pass on untouched.
    const SDL_Event mouse{.tfinger = {SDL_FINGERDOWN, 0, SDL_MOUSE_TOUCHID, 0, 0, 0, 0, 0, 0, 0}};
    EXPECT_FALSE(t.controls.translate(mouse, out));
    EXPECT_TRUE(out.empty());
}

TEST(TouchControlsTest, ASlideSwapsControlsAndALongPressOnTheFieldIsTheRightButton) {
    Touch t;
    t.shown();
    EXPECT_EQ(t.down(1, "left"), "+Left ");
    const SDL_Point right = t.centre("right");
    EXPECT_EQ(t.finger(SDL_FINGERMOTION, 1, right.x, right.y), "-Left +Right ");
    // Off every control the finger keeps the last one.
    EXPECT_EQ(t.finger(SDL_FINGERMOTION, 1, 450, 200), "");
    EXPECT_EQ(t.up(1), "-Right ");

    // Canvas (458, 200) is field (458 * 1333 / 915, 200 * 600 / 412) = (667, 291).
    EXPECT_EQ(t.finger(SDL_FINGERDOWN, 2, 458, 200, 1000), "");
    EXPECT_EQ(t.finger(SDL_FINGERMOTION, 2, 458 + 2, 200 + 2), "") << "a tremble is no slide";
    EXPECT_EQ(t.tick(1499), "");
    EXPECT_EQ(t.tick(1500), "+R667,291 ");
    EXPECT_EQ(t.tick(2000), "");
    EXPECT_EQ(t.up(2), "-R667,291 ");
    // A finger that slides away is no press, and a quick tap on the field does nothing.
    for (const auto& [dx, dy] : {std::pair(13, 0), std::pair(0, 13)}) {
        t.finger(SDL_FINGERDOWN, 3, 458, 200, 3000);
        t.finger(SDL_FINGERMOTION, 3, 458 + dx, 200 + dy);
        EXPECT_EQ(inOrder({t.tick(4000), t.up(3)}), "") << dx << "," << dy;
    }
    EXPECT_EQ(inOrder({t.finger(SDL_FINGERDOWN, 4, 458, 200, 5000), t.up(4), t.tick(6000)}), "");
}

// The open panel takes the taps that land on it: each line after the title is its key, and the
// controls under it neither draw nor press.
TEST(TouchControlsTest, ARowOfTheOpenHelpPanelIsItsKey) {
    Touch t;
    bool open = true;
    t.controls.setPanel({[&] {
                             return open ? SDL_Rect{50, 140, 720, 452} : SDL_Rect{};
                         },
                         [](int y) { return y < 166 ? SDL_SCANCODE_UNKNOWN : SDL_SCANCODE_N; }});
    t.shown();
    // Field y 300 is canvas 300 * 412 / 600 = 206; field x 300 is canvas 205.
    EXPECT_EQ(inOrder({t.finger(SDL_FINGERDOWN, 1, 205, 206), t.up(1)}), "+N -N ");
    EXPECT_EQ(inOrder({t.finger(SDL_FINGERDOWN, 2, 205, 100), t.up(2)}), "");
    EXPECT_EQ(inOrder({t.down(3, "left"), t.up(3)}), "+N -N ");
    EXPECT_EQ(inOrder({t.down(4, "fire"), t.up(4)}), "+Space -Space ");
    open = false;
    EXPECT_EQ(inOrder({t.down(5, "left"), t.up(5)}), "+Left -Left ");
}

// While a recording plays there are two controls where thrust and fire sit, pause (P) and end
// (Escape), and the recorded game's panel takes no taps. A 1024 x 768 recording is shown 549
// wide, (915 - 549) / 2 = 183 from the left: the controls lie on it, not on the bars.
TEST(TouchControlsTest, AViewerHasPauseAndEndUnderTheRightThumbOfTheField) {
    Touch t;
    t.field(1024, 768);
    t.controls.setPanel({[] {
                             return SDL_Rect{0, 0, 1333, 600};
                         },
                         [](int) { return SDL_SCANCODE_N; }});
    t.controls.watching();
    t.shown();
    const auto& placed = t.controls.controls();
    ASSERT_EQ(placed.size(), 2u);
    const SDL_Rect pause{183 + 549 - 34 - 136, 327, 68, 68}, end{183 + 549 - 17 - 68, 327, 68, 68};
    EXPECT_TRUE(SDL_RectEquals(&placed[0].rect, &pause) && SDL_RectEquals(&placed[1].rect, &end));
    EXPECT_EQ(inOrder({t.down(1, "pause"), t.up(1), t.down(2, "end"), t.up(2)}),
              "+P -P +Escape -Escape ");
    EXPECT_EQ(inOrder({t.finger(SDL_FINGERDOWN, 3, 400, 206), t.up(3)}), "");
}

// Drawn on a canvas showing the field at x1, so each control's pixels are its rectangle's: a
// translucent pad, a rim of the colour nothing else has, on two rows, and its sign at its centre
// (a quarter of the side, 17 pixels, from it).
TEST(TouchControlsTest, RimsAndSignsAreDrawnOnTheirRectanglesOnlyOnceShown) {
    Touch t;
    t.field(kW, kH);
    Canvas canvas(kW, kH);
    t.controls.draw(canvas.paint);
    SDL_RenderFlush(canvas.renderer);
    EXPECT_EQ(canvas.countNonBlack(), 0);
    t.shown();
    t.controls.draw(canvas.paint);
    SDL_RenderFlush(canvas.renderer);
    const SDL_Color rim{120, 255, 200, 255}, black{0, 0, 0, 255};
    for (const auto& c : t.controls.controls()) {
        const SDL_Rect& r = c.rect;
        const int cx = r.x + r.w / 2, cy = r.y + r.h / 2, q = r.w / 4;
        SCOPED_TRACE(c.name);
        for (const SDL_Point p : {SDL_Point{r.x, r.y},
                                  {r.x + r.w - 1, r.y + r.h - 1},
                                  {r.x + 1, r.y + 1},
                                  {r.x + r.w - 2, r.y + 1}}) {
            EXPECT_EQ(canvas.pixel(p.x, p.y), rim) << p.x << "," << p.y;
        }
        EXPECT_EQ(canvas.pixel(r.x - 1, r.y - 1), black);
        const SDL_Color pad = canvas.pixel(r.x + 3, r.y + 3);
        EXPECT_TRUE(pad.b > pad.r && pad.b > 40 && pad.b < 60) << int(pad.r) << " " << int(pad.b);
        // Two points of the sign (on an arrow's slants, where they meet whole pixels: q is 17),
        // and one its mirror image or a shifted one would cover.
        const std::map<std::string, std::array<SDL_Point, 3>> sign = {
            {"left", {{{cx + 1, cy - 9}, {cx + 1, cy + 9}, {cx - q, cy - q / 2}}}},
            {"right", {{{cx - 1, cy - 9}, {cx - 1, cy + 9}, {cx + q, cy - q / 2}}}},
            {"thrust", {{{cx - 9, cy + 1}, {cx + 9, cy + 1}, {cx - q, cy - q}}}},
            {"fire", {{{cx, cy}, {cx - q / 2, cy - q / 2}, {cx + q, cy}}}},
            {"pause", {{{cx - q, cy}, {cx + 6, cy}, {cx, cy}}}},
            {"help", {{{cx, cy}, {cx - q, cy - q / 2}, {cx, cy - q / 2}}}},
            {"settings", {{{cx + q, cy}, {cx - q / 2, cy - q - 3}, {cx, cy - q / 2}}}}};
        const auto [on1, on2, off] = sign.at(c.name);
        EXPECT_EQ(std::tuple(canvas.pixel(on1.x, on1.y), canvas.pixel(on2.x, on2.y),
                             canvas.pixel(off.x, off.y)),
                  std::tuple(rim, rim, pad));
    }
}
