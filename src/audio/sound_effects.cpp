#include "audio/sound_effects.h"

#include <SDL.h>
#include <cstdio>

namespace {
struct SoundFile {
    Mix_Chunk* SoundEffects::*chunk;
    const char* path;
    const char* failure;
};

constexpr SoundFile kSoundFiles[] = {
    {&SoundEffects::shot, "dat/shot.wav",
     "Failed to load shoot sound effect! SDL_mixer Error: %s\n"},
    {&SoundEffects::emptyGun, "dat/rev_gun_choke_v2.wav",
     "Failed to load empyt shoot sound effect! SDL_mixer Error: %s\n"},
    {&SoundEffects::blast, "dat/explosion_v2.wav",
     "Failed to load blast sound effect! SDL_mixer Error: %s\n"},
    {&SoundEffects::heroHit, "dat/hero_hit_v2.wav",
     "Failed to load hero hit sound effect! SDL_mixer Error: %s\n"},
    {&SoundEffects::radar, "dat/radar_v2.wav",
     "Failed to load radar background! SDL_mixer Error: %s\n"},
    {&SoundEffects::thrust, "dat/thrust_sfx2.wav",
     "Failed to load thrust sfx! SDL_mixer Error: %s\n"},
};
} // namespace

bool SoundEffects::loadAll() {
    bool ok = true;
    for (const SoundFile& f : kSoundFiles) {
        this->*f.chunk = Mix_LoadWAV(f.path);
        if (this->*f.chunk == nullptr) {
            std::printf(f.failure, SDL_GetError());
            ok = false;
        }
    }
    std::fflush(stdout);
    return ok;
}

void SoundEffects::freeAll() {
    for (const SoundFile& f : kSoundFiles) {
        Mix_FreeChunk(this->*f.chunk);
        this->*f.chunk = nullptr;
    }
    Mix_Quit();
}

void SoundEffects::play(Mix_Chunk* chunk) {
    if (chunk != nullptr) {
        Mix_PlayChannel(-1, chunk, 0);
    }
}

void SoundEffects::startRadarLoop() const {
    if (radar != nullptr) {
        Mix_PlayChannel(kRadarChannel, radar, -1);
    }
}

void SoundEffects::haltRadarLoop() {
    Mix_HaltChannel(kRadarChannel);
}
