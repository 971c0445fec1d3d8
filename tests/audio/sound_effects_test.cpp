#include "audio/sound_effects.h"
#include "support/kit.h"

namespace fs = std::filesystem;

namespace {
Mix_Chunk* SoundEffects::*const kChunks[] = {&SoundEffects::shot,  &SoundEffects::emptyGun,
                                             &SoundEffects::blast, &SoundEffects::heroHit,
                                             &SoundEffects::radar, &SoundEffects::thrust};
const char* const kFiles[] = {"shot",        "rev_gun_choke_v2", "explosion_v2",
                              "hero_hit_v2", "radar_v2",         "thrust_sfx2"};

class SoundEffectsTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0);
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 1, 1024), 0);
    }
    void TearDown() override {
        sounds.freeAll();
        Mix_CloseAudio();
        SDL_Quit();
    }

    WorkDir dir;
    SoundEffects sounds;
};
} // namespace

// Every missing file is reported, in order, each on a line of its own with SDL's reason; one
// line on standard error, not six, names the first file and the folder it was looked for in.
TEST_F(SoundEffectsTest, EachMissingFileIsReportedWithItsOwnMessage) {
    const char* messages[] = {"shoot sound effect", "empyt shoot sound effect",
                              "blast sound effect", "hero hit sound effect",
                              "radar background",   "thrust sfx"};
    fs::remove_all("dat");
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
        EXPECT_NE(line.find(std::string("dat/") + kFiles[i], start.size()), std::string::npos);
    }
    EXPECT_EQ(advice.rfind("cannot start: dat/shot.wav is missing from the working directory " +
                               fs::current_path().string() + "; ",
                           0),
              0u);
    EXPECT_EQ(std::count(advice.begin(), advice.end(), '\n'), 1) << advice;
}

// Each chunk holds its own file: the samples after the 44-byte header, in the mixer's format.
TEST_F(SoundEffectsTest, EachFileLoadsIntoItsOwnChunkUntilFreed) {
    EXPECT_EQ(quietly([&] { EXPECT_TRUE(sounds.loadAll()); }), "");
    for (std::size_t i = 0; i < 6; ++i) {
        ASSERT_NE(sounds.*kChunks[i], nullptr) << kFiles[i];
        EXPECT_EQ((sounds.*kChunks[i])->alen,
                  fs::file_size(std::string("dat/") + kFiles[i] + ".wav") - 44);
    }
    sounds.freeAll();
    EXPECT_TRUE(std::ranges::all_of(kChunks, [this](auto chunk) { return !(sounds.*chunk); }))
        << "a chunk kept after freeAll";
}
