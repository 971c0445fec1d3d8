#include <gtest/gtest.h>

#include <SDL.h>

#include <cstring>
#include <filesystem>

#include "audio/sound_effects.h"
#include "support/work_dir.h"

namespace {
class SoundEffectsTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0);
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 1, 1024), 0);
    }
    void TearDown() override {
        Mix_CloseAudio();
        SDL_Quit();
    }
    static std::vector<Mix_Chunk*> chunks(const SoundEffects& s) {
        return {s.shot, s.emptyGun, s.blast, s.heroHit, s.radar, s.thrust};
    }
    WorkDir dir;
    SoundEffects sounds;
};
} // namespace

TEST_F(SoundEffectsTest, EveryMissingFileIsReportedInOrderWithItsOwnMessage) {
    std::filesystem::remove(dir.path() / "dat");
    std::filesystem::create_directory(dir.path() / "dat");
    testing::internal::CaptureStdout();
    EXPECT_FALSE(sounds.loadAll());
    const std::string log = testing::internal::GetCapturedStdout();
    const char* messages[] = {
        "Failed to load shoot sound effect! SDL_mixer Error: ",
        "Failed to load empyt shoot sound effect! SDL_mixer Error: ",
        "Failed to load blast sound effect! SDL_mixer Error: ",
        "Failed to load hero hit sound effect! SDL_mixer Error: ",
        "Failed to load radar background! SDL_mixer Error: ",
        "Failed to load thrust sfx! SDL_mixer Error: ",
    };
    std::size_t at = 0;
    for (const char* m : messages) {
        at = log.find(std::string(m), at);
        ASSERT_NE(at, std::string::npos) << m;
        const std::size_t end = log.find('\n', at);
        ASSERT_NE(end, std::string::npos) << "each message ends its line";
        EXPECT_GT(end - at, std::strlen(m)) << "followed by SDL's reason";
        at = end;
    }
    for (Mix_Chunk* c : chunks(sounds)) {
        EXPECT_EQ(c, nullptr);
    }
}

TEST_F(SoundEffectsTest, AllSixLoadTheRadarLoopsOnChannelFiveAndFreeAllReleasesThem) {
    testing::internal::CaptureStdout();
    ASSERT_TRUE(sounds.loadAll());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    // Each chunk holds its own file: the samples after the 44-byte header, as the mixer
    // plays the same 44 100 Hz mono 16-bit format.
    const char* files[] = {"shot",        "rev_gun_choke_v2", "explosion_v2",
                           "hero_hit_v2", "radar_v2",         "thrust_sfx2"};
    const std::vector<Mix_Chunk*> loaded = chunks(sounds);
    for (std::size_t i = 0; i < loaded.size(); ++i) {
        ASSERT_NE(loaded[i], nullptr);
        const auto size = std::filesystem::file_size(std::string("dat/") + files[i] + ".wav");
        EXPECT_EQ(loaded[i]->alen, size - 44) << files[i];
    }
    sounds.startRadarLoop();
    EXPECT_EQ(Mix_Playing(SoundEffects::kRadarChannel), 1);
    EXPECT_EQ(Mix_GetChunk(SoundEffects::kRadarChannel), sounds.radar);
    SoundEffects::haltRadarLoop();
    EXPECT_EQ(Mix_Playing(SoundEffects::kRadarChannel), 0);
    sounds.freeAll();
    for (Mix_Chunk* c : chunks(sounds)) {
        EXPECT_EQ(c, nullptr);
    }
}
