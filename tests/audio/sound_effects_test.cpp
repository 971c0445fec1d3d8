#include <gtest/gtest.h>

#include "support/started_game_test.h"

namespace {
class SoundEffectsTest : public StartedGameTest {};
} // namespace

TEST_F(SoundEffectsTest, AllSixLoadAndTheRadarLoopsOnItsOwnChannel) {
    const SoundEffects& s = h.state->sounds;
    for (Mix_Chunk* chunk : {s.shot, s.emptyGun, s.blast, s.heroHit, s.radar, s.thrust}) {
        EXPECT_NE(chunk, nullptr);
    }
    EXPECT_EQ(Mix_Playing(SoundEffects::kRadarChannel), 1);
    EXPECT_EQ(Mix_GetChunk(SoundEffects::kRadarChannel), s.radar);
}

TEST_F(SoundEffectsTest, GHaltsTheRadarAndASecondGRestartsIt) {
    h.tapKey(SDL_SCANCODE_G);
    frameLog();
    EXPECT_TRUE(h.state->input.soundMuted);
    EXPECT_EQ(Mix_Playing(SoundEffects::kRadarChannel), 0);
    h.tapKey(SDL_SCANCODE_G);
    frameLog();
    EXPECT_FALSE(h.state->input.soundMuted);
    EXPECT_EQ(Mix_Playing(SoundEffects::kRadarChannel), 1);
    EXPECT_EQ(Mix_GetChunk(SoundEffects::kRadarChannel), h.state->sounds.radar);
}

TEST_F(SoundEffectsTest, MutedShotsStartNoChannel) {
    h.tapKey(SDL_SCANCODE_G);
    frameLog();
    h.tapKey(SDL_SCANCODE_SPACE);
    frameLog();
    EXPECT_EQ(h.game->ssw->getNumMissiles(), 1);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundEffectsTest, ShotsAndThrustPlayOnFreeChannels) {
    h.pressKey(SDL_SCANCODE_UP);
    frameLog();
    frameLog();
    EXPECT_GE(Mix_Playing(-1), 2) << "the radar loop and at least one thrust rumble";
    h.releaseKey(SDL_SCANCODE_UP);
    h.tapKey(SDL_SCANCODE_SPACE);
    frameLog();
    bool shotPlaying = false;
    for (int ch = 0; ch < MIX_CHANNELS; ++ch) {
        shotPlaying = shotPlaying || (Mix_Playing(ch) && Mix_GetChunk(ch) == h.state->sounds.shot);
    }
    EXPECT_TRUE(shotPlaying);
}

TEST_F(SoundEffectsTest, FreeAllReleasesEveryChunk) {
    SoundEffects& s = h.state->sounds;
    s.freeAll();
    for (Mix_Chunk* chunk : {s.shot, s.emptyGun, s.blast, s.heroHit, s.radar, s.thrust}) {
        EXPECT_EQ(chunk, nullptr);
    }
}
