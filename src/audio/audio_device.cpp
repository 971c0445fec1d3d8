#include "audio/audio_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdio>
#include <iostream>

namespace {
// Runs silent on SDL's dummy audio driver; the override beats SDL_AUDIODRIVER.
void forceDummyAudio() {
    std::cerr << "retrying with SDL's silent dummy audio driver" << std::endl;
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
}

// Eight channels were too few: thrust restarted every frame filled them and hits went silent.
int openMixer() {
    const int opened = Mix_OpenAudio(44100, AUDIO_S16LSB, 1, 1024);
    if (opened == 0) {
        Mix_AllocateChannels(VA_MIX_CHANNELS);
    }
    return opened;
}
} // namespace

void openAudioAndVideo() {
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::printf("SDL could not initialize! SDL Error: %s\n", SDL_GetError());
        std::fflush(stdout);
        forceDummyAudio();
        // A failed SDL_Init also undid the video part: initialise both again.
        SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    }
    if (openMixer() < 0) {
        std::printf("SDL_mixer could not initialize! SDL_mixer Error: %s\n", SDL_GetError());
        std::fflush(stdout);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        forceDummyAudio();
        SDL_InitSubSystem(SDL_INIT_AUDIO);
        if (openMixer() < 0) {
            std::cerr << "mixer still unavailable: " << SDL_GetError() << std::endl;
        }
    }
}
