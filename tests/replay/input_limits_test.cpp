// The platform, the writer and the reader at the inputs' limits: what SDL can say reaches a
// recording and reads back, and no frame gets more inputs than a recording holds.
#include "fuzz/recording_fuzz_kit.h"
#include "platform/input_translator.h"
#include "support/kit.h"

namespace {
// A landscape phone: a 915 x 412 window showing a 1333 x 600 field. The left control is at
// (17, 327), the right one at (102, 327), both 68 across.
void finger(Uint32 type, int x, int y) {
    SDL_Event e{.tfinger = {type, 0, 1, 7, (static_cast<float>(x) + 0.5f) / 915,
                            (static_cast<float>(y) + 0.5f) / 412, 0, 0, 0, 0}};
    ASSERT_EQ(SDL_PushEvent(&e), 1);
}

std::vector<PlayerInput> frame(InputTranslator& t) {
    std::vector<PlayerInput> got;
    for (PlayerInput in; t.next(in);) {
        got.push_back(in);
    }
    return got;
}
} // namespace

TEST(InputLimitsTest, EveryCodeSdlGivesIsRecordedAndAFullFrameLeavesTheRestForTheNext) {
    WorkDir dir;
    SDL_InitSubSystem(SDL_INIT_VIDEO);
    SDL_Window* window = SDL_CreateWindow("", 0, 0, 915, 412, SDL_WINDOW_HIDDEN);
    InputTranslator t;
    t.enableTouch();
    t.attach(window, 1333, 600);
    SDL_PumpEvents();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    using K = PlayerInput::Kind;
    const std::vector<PlayerInput> edges = {{K::Key, 511, true, true},
                                            {K::Key, 0, false},
                                            {K::Mouse, 255, true, false, 7, 9},
                                            {K::Mouse, 1, false, false, -3, 0}};
    for (const PlayerInput& in : edges) {
        const auto key = static_cast<SDL_Scancode>(in.code);
        const auto button = static_cast<Uint8>(in.code);
        SDL_Event e = in.kind == K::Key
                          ? SDL_Event{.key = {in.down ? SDL_KEYDOWN : SDL_KEYUP,
                                              0,
                                              0,
                                              0,
                                              Uint8(in.repeat),
                                              0,
                                              0,
                                              {key, 0, 0, 0}}}
                          : SDL_Event{.button = {in.down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP,
                                                 0, 0, 0, button, 0, 1, 0, in.x, in.y}};
        SDL_PushEvent(&e);
    }
    // The window's own keys are no input; its close is.
    for (const auto& [type, key, mod] : {std::tuple(SDL_KEYDOWN, SDL_SCANCODE_F11, KMOD_NONE),
                                         std::tuple(SDL_KEYUP, SDL_SCANCODE_F11, KMOD_NONE),
                                         std::tuple(SDL_KEYDOWN, SDL_SCANCODE_RETURN, KMOD_LALT)}) {
        SDL_Event e{.key = {type, 0, 0, 0, 0, 0, 0, {key, 0, Uint16(mod), 0}}};
        SDL_PushEvent(&e);
    }
    SDL_Event close{.type = SDL_QUIT};
    SDL_PushEvent(&close);
    // 65,300 clicks, then the first touch (it only shows the controls), a finger on the left
    // control and 120 slides to the right and back, two keys a slide: 65,546 inputs.
    for (int i = 0; i < 65300; ++i) {
        SDL_Event click{.button = {Uint32(i % 2 == 0 ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP), 0,
                                   0, 0, 1, 0, 1, 0, 5, 5}};
        ASSERT_EQ(SDL_PushEvent(&click), 1);
    }
    finger(SDL_FINGERDOWN, 450, 200);
    finger(SDL_FINGERUP, 450, 200);
    finger(SDL_FINGERDOWN, 51, 361);
    const auto slides = [](int from, int count) {
        for (int i = from; i < from + count; ++i) {
            finger(SDL_FINGERMOTION, i % 2 == 0 ? 136 : 51, 361);
        }
    };
    slides(0, 120);
    std::vector<RecordedFrame> frames;
    const auto take = [&] {
        frames.push_back({static_cast<std::uint32_t>(frames.size() + 1), frame(t), {}, {}});
        for (const char* part : kDigestParts) {
            frames.back().digest.parts.emplace_back(part, frames.size());
        }
        return frames.back().inputs;
    };
    const std::vector<PlayerInput> first = take();
    ASSERT_EQ(first.size(), kMaxFrameInputs);
    EXPECT_EQ(take().size(), 65546 - kMaxFrameInputs) << "the rest waits for the next frame";
    std::vector<PlayerInput> heard = edges;
    heard.push_back({K::Quit});
    EXPECT_EQ(std::vector(first.begin(), first.begin() + 5), heard);
    // Each slide lets go of one key, then presses the other, once each.
    const std::vector<PlayerInput> slid = {{K::Key, SDL_SCANCODE_LEFT, true},
                                           {K::Key, SDL_SCANCODE_LEFT, false},
                                           {K::Key, SDL_SCANCODE_RIGHT, true},
                                           {K::Key, SDL_SCANCODE_RIGHT, false},
                                           {K::Key, SDL_SCANCODE_LEFT, true}};
    EXPECT_EQ(std::vector(first.begin() + 65305, first.begin() + 65310), slid);
    // 200 more slides: Right's 65th press (slide 248) begins the next frame.
    slides(120, 200);
    const std::vector<PlayerInput> third = take();
    ASSERT_EQ(third.size(), 257u);
    EXPECT_EQ(third.back(), (PlayerInput{K::Key, SDL_SCANCODE_LEFT, false}));
    EXPECT_EQ(take().front(), (PlayerInput{K::Key, SDL_SCANCODE_RIGHT, true}));
    EXPECT_EQ(frames[3].inputs.size(), 400u - 257u);
    EXPECT_TRUE(frame(t).empty());
    const RecordingHeader h{"1.0.0", kSimVersion, {}, 1333, 600, std::nullopt, {}};
    EXPECT_TRUE(readsBack(written(h, frames, true), h, frames, RecordingReader::Next::End));
    t.closePads();
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
