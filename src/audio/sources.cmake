va_layer(audio
    SOURCES audio_device.cpp sound_effects.cpp
    USES geometry
    LIBS SDL2_mixer::SDL2_mixer)
