#include "audio/sound_effects.h"
#include "support/kit.h"

namespace fs = std::filesystem;

TEST(SoundEffectsTest, EachFileLoadsIntoItsChunkOrIsReportedWithItsOwnMessage) {
    WorkDir dir;
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0);
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 1, 1024), 0);
    SoundEffects sounds;
    Mix_Chunk* SoundEffects::*chunks[] = {&SoundEffects::shot,  &SoundEffects::emptyGun,
                                          &SoundEffects::blast, &SoundEffects::heroHit,
                                          &SoundEffects::radar, &SoundEffects::thrust};
    const char* files[] = {"shot",        "rev_gun_choke_v2", "explosion_v2",
                           "hero_hit_v2", "radar_v2",         "thrust_sfx2"};
    const char* messages[] = {"shoot sound effect", "empyt shoot sound effect",
                              "blast sound effect", "hero hit sound effect",
                              "radar background",   "thrust sfx"};
    // Every missing file is reported, in order, each on a line of its own with SDL's reason.
    fs::rename("dat", "real-dat");
    fs::create_directory("dat");
    testing::internal::CaptureStderr();
    const std::vector<std::string> log = logLines(quietly([&] { EXPECT_FALSE(sounds.loadAll()); }));
    const std::string advice = testing::internal::GetCapturedStderr();
    ASSERT_EQ(log.size(), 6u);
    for (std::size_t i = 0; i < 6; ++i) {
        const std::string& line = log[i];
        const std::string start =
            std::string("Failed to load ") + messages[i] + "! SDL_mixer Error: ";
        EXPECT_EQ(line.rfind(start, 0), 0u) << line;
        EXPECT_NE(line.find(std::string("dat/") + files[i], start.size()), std::string::npos);
    }
    // One line on standard error, not six: the first file and the folder it was looked for in.
    EXPECT_EQ(advice.rfind("cannot start: dat/shot.wav is missing from the working directory " +
                               fs::current_path().string() + "; ",
                           0),
              0u);
    EXPECT_EQ(std::count(advice.begin(), advice.end(), '\n'), 1) << advice;
    fs::remove("dat");
    fs::rename("real-dat", "dat");
    // Each chunk holds its own file: the samples after the 44-byte header, in the mixer's format.
    EXPECT_EQ(quietly([&] { EXPECT_TRUE(sounds.loadAll()); }), "");
    for (std::size_t i = 0; i < 6; ++i) {
        ASSERT_NE(sounds.*chunks[i], nullptr) << files[i];
        EXPECT_EQ((sounds.*chunks[i])->alen,
                  fs::file_size(std::string("dat/") + files[i] + ".wav") - 44);
    }
    sounds.freeAll();
    for (auto chunk : chunks) {
        EXPECT_EQ(sounds.*chunk, nullptr);
    }
    Mix_CloseAudio();
    SDL_Quit();
}
