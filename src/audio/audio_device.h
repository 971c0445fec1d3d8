// Opens SDL's audio and video and the mixer (44 100 Hz, signed 16-bit, mono,
// 1024-sample chunks) with VA_MIX_CHANNELS channels, set in sources.cmake. Without a sound
// card the game plays on silently.
#pragma once

void openAudioAndVideo();
