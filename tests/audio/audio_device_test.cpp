#include <SDL_mixer.h>

#include "audio/audio_device.h"
#include "support/kit.h"

// No sound device to be had: the game says so in its log's words and plays on silently,
// its window still possible.
TEST(AudioDeviceTest, WhenSDLCannotStartTheGameSaysSoAndGoesOnWithSilentAudio) {
    SDL_setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    const std::vector<std::string> log = logLines(quietly(openAudioAndVideo));
    testing::internal::GetCapturedStderr();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].rfind("SDL could not initialize! SDL Error: ", 0), 0u) << log[0];
    EXPECT_EQ(SDL_WasInit(SDL_INIT_VIDEO), Uint32{SDL_INIT_VIDEO});
    EXPECT_STREQ(SDL_GetCurrentAudioDriver(), "dummy");
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    EXPECT_EQ(Mix_QuerySpec(&frequency, &format, &channels), 1) << "the mixer is open";
    EXPECT_EQ(std::tuple(frequency, channels), std::tuple(44100, 1));
    Mix_CloseAudio();
    SDL_Quit();
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
    SDL_ResetHint(SDL_HINT_AUDIODRIVER);
}
