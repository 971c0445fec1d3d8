// The platform, the writer and the reader at the inputs' limits: what SDL can say reaches a
// recording and reads back, and no frame gets more inputs than a recording holds.
#include "fuzz/recording_fuzz_kit.h"
#include "platform/input_translator.h"
#include "support/kit.h"

namespace {
using K = PlayerInput::Kind;

// A landscape phone: a 915 x 412 window showing a 1333 x 600 field, its touch controls shown.
// The left control is at (17, 326), the right one at (102, 326), both 68 across.
class InputLimitsTest : public testing::Test {
  protected:
    void SetUp() override {
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        window = SDL_CreateWindow("", 0, 0, 915, 412, SDL_WINDOW_HIDDEN);
        t.enableTouch();
        t.attach(window, 1333, 600);
        SDL_PumpEvents();
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    }
    void TearDown() override {
        t.closePads();
        SDL_DestroyWindow(window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    static void push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1); }
    static void finger(Uint32 type, int x, int y) {
        push({.tfinger = {type, 0, 1, 7, (static_cast<float>(x) + 0.5f) / 915,
                          (static_cast<float>(y) + 0.5f) / 412, 0, 0, 0, 0}});
    }
    // The first touch only shows the controls; then a finger goes down on the left one.
    static void onLeft() {
        finger(SDL_FINGERDOWN, 450, 200);
        finger(SDL_FINGERUP, 450, 200);
        finger(SDL_FINGERDOWN, 51, 361);
    }
    // Slides to the right control and back, from slide `from` on: two keys each.
    static void slides(int from, int count) {
        for (int i = from; i < from + count; ++i) {
            finger(SDL_FINGERMOTION, i % 2 == 0 ? 136 : 51, 361);
        }
    }
    // The next frame's inputs, kept as a recorded frame.
    std::vector<PlayerInput> take() {
        frames.push_back({static_cast<std::uint32_t>(frames.size() + 1), {}, {}, {}});
        for (PlayerInput in; t.next(in);) {
            frames.back().inputs.push_back(in);
        }
        for (const char* part : kDigestParts) {
            frames.back().digest.parts.emplace_back(part, frames.size());
        }
        return frames.back().inputs;
    }
    bool readBack() const {
        const RecordingHeader h{"1.0.0", kSimVersion, {}, 1333, 600, std::nullopt, {}, {}};
        return readsBack(written(h, frames, true), h, frames, RecordingReader::Next::End);
    }

    WorkDir dir;
    SDL_Window* window = nullptr;
    InputTranslator t;
    std::vector<RecordedFrame> frames;
};
} // namespace

TEST_F(InputLimitsTest, SdlsFirstAndLastKeysAndButtonsAreRecordedAndReadBack) {
    const std::vector<PlayerInput> edges = {{K::Key, 511, true, true},
                                            {K::Key, 0, false},
                                            {K::Mouse, 255, true, false, 7, 9},
                                            {K::Mouse, 1, false, false, -3, 0}};
    for (const PlayerInput& in : edges) {
        if (in.kind == K::Key) {
            SDL_Event e{};
            e.type = in.down ? SDL_KEYDOWN : SDL_KEYUP;
            e.key.repeat = Uint8(in.repeat), e.key.keysym.scancode = SDL_Scancode(in.code);
            push(e);
        } else {
            push({.button = {in.down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, 0, 0, 0,
                             static_cast<Uint8>(in.code), 0, 1, 0, in.x, in.y}});
        }
    }
    EXPECT_EQ(take(), edges);
    EXPECT_TRUE(readBack());
}

TEST_F(InputLimitsTest, TheWindowsOwnKeysAreNoInputItsCloseIs) {
    for (const auto& [type, key, mod] : {std::tuple(SDL_KEYDOWN, SDL_SCANCODE_F11, KMOD_NONE),
                                         std::tuple(SDL_KEYUP, SDL_SCANCODE_F11, KMOD_NONE),
                                         std::tuple(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT)}) {
        push({.key = {type, 0, 0, 0, 0, 0, 0, {key, 0, Uint16(mod), 0}}});
    }
    push({.type = SDL_QUIT});
    EXPECT_EQ(take(), std::vector<PlayerInput>{{K::Quit}});
}

// 65,300 clicks and 123 slides (two inputs an event, the first press 1): 65,547 inputs.
TEST_F(InputLimitsTest, AFullFrameLeavesTheRestForTheNextAndBothReadBack) {
    for (int i = 0; i < 65300; ++i) {
        push({.button = {Uint32(i % 2 == 0 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP), 0, 0, 0, 1,
                         0, 1, 0, 5, 5}});
    }
    onLeft();
    slides(0, 123);
    EXPECT_EQ(take().size(), kMaxFrameInputs);
    EXPECT_EQ(take().size(), 65547 - kMaxFrameInputs);
    EXPECT_TRUE(take().empty());
    EXPECT_TRUE(readBack());
}

// Left is pressed once, then again at every odd slide: its 65th press is slide 127's second
// input, so the frame ends after 1 + 127 * 2 + 1 = 256 inputs and the next begins with it.
TEST_F(InputLimitsTest, AKeysSixtyFifthPressInAFrameBeginsTheNext) {
    onLeft();
    slides(0, 200);
    const std::vector<PlayerInput> first = take();
    ASSERT_EQ(first.size(), 256u);
    EXPECT_EQ(first.back(), (PlayerInput{K::Key, SDL_SCANCODE_RIGHT, false}));
    const std::vector<PlayerInput> second = take();
    ASSERT_EQ(second.size(), 401u - 256u);
    EXPECT_EQ(second.front(), (PlayerInput{K::Key, SDL_SCANCODE_LEFT, true}));
    EXPECT_TRUE(readBack());
}
