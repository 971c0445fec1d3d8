#include "audio/sound_effects.h"

#include <SDL.h>
#include <cstdio>

#include "geometry/data_path.h"

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
    const char* firstFailed = nullptr;
    for (const SoundFile& f : kSoundFiles) {
        // Opened here rather than by Mix_LoadWAV, whose error for a missing file names no file.
        SDL_RWops* file = SDL_RWFromFile(dataPath(f.path).c_str(), "rb");
        this->*f.chunk = file != nullptr ? Mix_LoadWAV_RW(file, 1) : nullptr;
        if (this->*f.chunk == nullptr) {
            std::printf(f.failure, SDL_GetError());
            firstFailed = firstFailed != nullptr ? firstFailed : f.path;
        }
    }
    std::fflush(stdout);
    // One line for the player, however many files are missing.
    if (firstFailed != nullptr) {
        reportMissingData(firstFailed);
    }
    return firstFailed == nullptr;
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

void SoundEffects::setVolume(int percent) {
    Mix_Volume(-1, MIX_MAX_VOLUME * percent / 100);
}
