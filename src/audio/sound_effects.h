// The six sound effects: loaded once at start-up, played fire-and-forget on any
// free channel, except the radar ping that loops on a channel of its own.
#pragma once

#include <SDL_mixer.h>

class SoundEffects {
  public:
    static constexpr int kRadarChannel = 5;

    // Loads all six in order, reporting every file that fails; true when all loaded.
    bool loadAll();
    // Frees every chunk and quits the mixer's decoders.
    void freeAll();

    // Plays a chunk once on the first free channel; a null chunk or a busy mixer is silent.
    static void play(Mix_Chunk* chunk);
    void startRadarLoop() const;
    static void haltRadarLoop();
    // Every channel's loudness, 0 to 100 per cent of the mixer's full volume.
    static void setVolume(int percent);

    Mix_Chunk* shot = nullptr;
    Mix_Chunk* emptyGun = nullptr;
    Mix_Chunk* blast = nullptr;
    Mix_Chunk* heroHit = nullptr;
    Mix_Chunk* radar = nullptr;
    Mix_Chunk* thrust = nullptr;
};
