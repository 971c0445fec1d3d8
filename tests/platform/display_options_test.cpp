#include "platform/display_options.h"
#include "platform/field_view.h"
#include "platform/platform.h"
#include "support/kit.h"

namespace {
// What the flags ask for as "WxH/scale" ("0x0/1" for the desktop), or the error line.
std::string asked(const std::vector<std::string>& args) {
    const DisplayOptions got = readDisplayOptions(args);
    const FieldRequest& f = got.field;
    return got.error.empty() ? std::to_string(f.width) + "x" + std::to_string(f.height) + "/" +
                                   std::to_string(f.scale)
                             : got.error;
}
} // namespace

TEST(DisplayOptionsTest, FlagsAskForAFieldEveryBadValueSaysWhyAndAWindowFitsTheScreen) {
    const std::pair<std::vector<std::string>, const char*> rows[] = {
        {{"-test", "-window=1280x720"}, "1280x720/1"},
        {{"-window=800x600"}, "800x600/1"},
        {{"-scale=4", "-test"}, "0x0/4"},
        {{"-window=799x600"}, "too small"},
        {{"-window=800x599"}, "at least 800x600"},
        {{"-scale=5"}, "1 to 4"},
        {{"-window=1280x720", "-test", "-scale=2"}, "together"},
    };
    for (const auto& [args, want] : rows) {
        EXPECT_NE(asked(args).find(want), std::string::npos) << asked(args) << ", not " << want;
    }
    for (const char* bad : {"-window=16385x720", "-window=+800x600", "-window=1280x720x2",
                            "-window=1 x720", "-window=800x", "-window=99999999999999999999x720"}) {
        EXPECT_EQ(asked({bad}).rfind("-window wants WIDTHxHEIGHT, each 1 to 16384", 0), 0u) << bad;
    }
    // A window too large for the screen keeps the field's shape: 3840 * 1050 / 2160 = 1866.7.
    const SDL_Point fit = windowedSize(3840, 2160, {0, 24, 1920, 1050});
    EXPECT_EQ(std::pair(fit.x, fit.y), std::pair(1866, 1050));
    // Wider than the screen's shape, the width bounds it: 1080 * 1920 / 3840 = 540.
    const SDL_Point wide = windowedSize(3840, 1080, {0, 24, 1920, 1050});
    EXPECT_EQ(std::pair(wide.x, wide.y), std::pair(1920, 540));
    EXPECT_EQ(windowedSize(1280, 720, {0, 0, 1920, 1050}).x, 1280);
    const SDL_Point exact = windowedSize(1920, 1050, {0, 24, 1920, 1050});
    EXPECT_EQ(std::pair(exact.x, exact.y), std::pair(1920, 1050)) << "exactly the usable area";
    // The desktop's size is known before any window opens: SDL's dummy screen is 1024 x 768.
    SDL_InitSubSystem(SDL_INIT_VIDEO);
    int w = 0, h = 0;
    EXPECT_TRUE(Platform::real().display.desktopSize(w, h));
    EXPECT_EQ(std::pair(w, h), std::pair(1024, 768));
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// A window manager may restore the window's own size after SDL leaves full-screen, so the size
// SDL keeps for the window must already be one of the field: SDL centres a window by it.
TEST(DisplayOptionsTest, LeavingFullScreenGivesAWindowOfTheFieldsSize) {
    SDL_InitSubSystem(SDL_INIT_VIDEO);
    int w = -1, h = -1;
    SDL_Window* window = Platform::real().display.openWindow("t", w, h);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(std::pair(w, h), std::pair(1024, 768)) << "full-screen on the dummy screen";
    auto size = [&window] {
        int sw = 0, sh = 0;
        SDL_GetWindowSize(window, &sw, &sh);
        return std::pair(sw, sh);
    };
    SDL_SetWindowFullscreen(window, 0);
    SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    int x = -1, y = -1;
    SDL_GetWindowPosition(window, &x, &y);
    EXPECT_EQ(std::pair(x, y), std::pair(0, 0)) << "centred as a window of the whole screen";
    // Back to full-screen, then out for a smaller field: a window of that field.
    for (const auto& [fullScreen, want] :
         {std::pair(true, std::pair(1024, 768)), std::pair(false, std::pair(900, 700))}) {
        FieldView::toggleFullscreen(window, 900, 700);
        EXPECT_EQ((SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0, fullScreen);
        EXPECT_EQ(size(), want);
    }
    SDL_DestroyWindow(window);
    // A field exactly the screen's usable size gets a window of that size.
    w = 1024, h = 768;
    window = Platform::real().display.openWindow("t", w, h);
    EXPECT_EQ(size(), std::pair(1024, 768));
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

// A phone's screen shows a larger field in its own shape; worked out by hand, rounded up.
TEST(DisplayOptionsTest, AScreenBelowTheSmallestFieldGetsTheSmallestFieldInItsShape) {
    const std::pair<std::pair<int, int>, std::pair<int, int>> rows[] = {
        {{915, 412}, {1333, 600}},  // 915 * 600 / 412 = 1332.5
        {{412, 915}, {800, 1777}},  // 915 * 800 / 412 = 1776.7
        {{600, 600}, {800, 800}},   // square stays square
        {{1024, 500}, {1229, 600}}, // 1228.8
        {{820, 590}, {834, 600}},   // one side short: 820 * 600 / 590 = 833.9
        {{400, 300}, {800, 600}},   {{600, 300}, {1200, 600}}, // exact: not one pixel more
        {{1280, 720}, {1280, 720}},                            // large enough: the screen itself
        {{800, 600}, {800, 600}},   {{0, 0}, {800, 600}},      // no canvas size yet
    };
    for (const auto& [screen, field] : rows) {
        const SDL_Point got = fieldForScreen(screen.first, screen.second);
        EXPECT_EQ(std::pair(got.x, got.y), field) << screen.first << "x" << screen.second;
    }
}
