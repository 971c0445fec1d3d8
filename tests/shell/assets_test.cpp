#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <SDL_mixer.h>
#include <SDL_ttf.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "geometry/data_path.h"
#include "support/work_dir.h"

namespace {
std::vector<std::string> picturePaths() {
    std::vector<std::string> paths = {".\\dat\\shipThrust0.png",  ".\\dat\\shipThrust1.png",
                                      ".\\dat\\shipThrust2.png",  ".\\dat\\mogu.png",
                                      ".\\dat\\lira.png",         ".\\dat\\themoon4.png",
                                      ".\\dat\\com_satellite.png"};
    for (int i = 0; i <= 6; ++i) {
        paths.push_back(".\\dat\\shipShield" + std::to_string(i) + ".png");
    }
    for (int i = 0; i <= 2; ++i) {
        paths.push_back(".\\dat\\shipThrustShield" + std::to_string(i) + ".png");
    }
    for (int i = 0; i < 90; ++i) {
        paths.push_back(".\\dat\\portal_layers\\RGB\\" + std::to_string(i) + ".png");
    }
    return paths;
}

const char* const kSounds[] = {"dat/shot.wav",         "dat/rev_gun_choke_v2.wav",
                               "dat/explosion_v2.wav", "dat/hero_hit_v2.wav",
                               "dat/radar_v2.wav",     "dat/thrust_sfx2.wav"};

struct WavFormat {
    std::uint16_t format = 0;
    std::uint16_t channels = 0;
    std::uint32_t rate = 0;
    std::uint16_t bits = 0;
    std::vector<std::int16_t> samples;
};

// Reads a plain PCM WAV: the "fmt " and "data" chunks.
WavFormat readWav(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    WavFormat wav;
    std::size_t at = 12;
    while (at + 8 <= bytes.size()) {
        std::uint32_t size = 0;
        std::memcpy(&size, &bytes[at + 4], 4);
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0) {
            std::memcpy(&wav.format, &bytes[at + 8], 2);
            std::memcpy(&wav.channels, &bytes[at + 10], 2);
            std::memcpy(&wav.rate, &bytes[at + 12], 4);
            std::memcpy(&wav.bits, &bytes[at + 22], 2);
        } else if (std::memcmp(&bytes[at], "data", 4) == 0) {
            wav.samples.resize(size / 2);
            std::memcpy(wav.samples.data(), &bytes[at + 8], wav.samples.size() * 2);
        }
        at += 8 + size + (size & 1u);
    }
    return wav;
}
} // namespace

TEST(AssetsTest, EveryPictureLoadsWithAlphaAtItsDrawnSize) {
    WorkDir dir;
    for (const std::string& name : picturePaths()) {
        SDL_Surface* s = IMG_Load(dataPath(name).c_str());
        ASSERT_NE(s, nullptr) << name << ": " << SDL_GetError();
        EXPECT_TRUE(SDL_ISPIXELFORMAT_ALPHA(s->format->format)) << name;
        if (name.find("ship") != std::string::npos || name.find("portal") != std::string::npos) {
            int size = name.find("ship") != std::string::npos ? 80 : 100;
            EXPECT_EQ(s->w, size) << name;
            EXPECT_EQ(s->h, size) << name;
        }
        if (name.find("themoon4") != std::string::npos) {
            EXPECT_EQ(s->w, 790);
            EXPECT_EQ(s->h, 790);
        }
        SDL_FreeSurface(s);
    }
}

TEST(AssetsTest, TheFontOpensAtPointSizeTwentyAndRendersText) {
    WorkDir dir;
    ASSERT_EQ(TTF_Init(), 0);
    TTF_Font* font = TTF_OpenFont(dataPath(".\\dat\\TOMARIDENA.ttf").c_str(), 20);
    ASSERT_NE(font, nullptr) << SDL_GetError();
    for (char c = 0x20; c < 0x7f; ++c) {
        EXPECT_TRUE(TTF_GlyphIsProvided(font, static_cast<Uint16>(c))) << "glyph " << c;
    }
    SDL_Surface* text = TTF_RenderText_Solid(font, "Score:123 LvL:1", SDL_Color{255, 44, 44, 255});
    ASSERT_NE(text, nullptr);
    EXPECT_GT(text->w, 100);
    SDL_FreeSurface(text);
    TTF_CloseFont(font);
    TTF_Quit();
}

TEST(AssetsTest, EverySoundIsMonoSixteenBitAt44100AndLoadsInTheMixer) {
    WorkDir dir;
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16LSB, 1, 1024), 0) << SDL_GetError();
    for (const char* path : kSounds) {
        WavFormat wav = readWav(path);
        EXPECT_EQ(wav.format, 1) << path;
        EXPECT_EQ(wav.channels, 1) << path;
        EXPECT_EQ(wav.rate, 44100u) << path;
        EXPECT_EQ(wav.bits, 16) << path;
        ASSERT_FALSE(wav.samples.empty()) << path;
        int peak = 0;
        for (std::int16_t s : wav.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        EXPECT_LT(peak, 32767) << path << " clips";
        EXPECT_LT(std::abs(wav.samples.front()), 200) << path << " starts with a click";
        EXPECT_LT(std::abs(wav.samples.back()), 200) << path << " ends with a click";
        Mix_Chunk* chunk = Mix_LoadWAV(path);
        EXPECT_NE(chunk, nullptr) << path << ": " << SDL_GetError();
        Mix_FreeChunk(chunk);
    }
    Mix_CloseAudio();
    SDL_Quit();
}

TEST(AssetsTest, TheRadarLoopMeetsItselfAtTheSeam) {
    WavFormat wav = readWav((std::string(VA_SOURCE_DIR) + "/dat/radar_v2.wav").c_str());
    ASSERT_GT(wav.samples.size(), 2u);
    EXPECT_LE(std::abs(wav.samples.back() - wav.samples.front()), 200);
}
