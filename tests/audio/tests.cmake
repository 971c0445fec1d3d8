target_sources(va_tests PRIVATE
    audio/sound_effects_test.cpp
)
