va_layer(audio
    SOURCES audio_device.cpp sound_effects.cpp
    USES geometry
    LIBS SDL2_mixer::SDL2_mixer)
# Mixer channels: held thrust and fire must never leave a blast or a shot without one.
# tests/assets/mix_test.py mixes the worst case with this same figure.
set(VA_MIX_CHANNELS 64)
target_compile_definitions(va_audio PRIVATE VA_MIX_CHANNELS=${VA_MIX_CHANNELS})
