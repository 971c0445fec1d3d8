va_test_suite(audio SOURCES sound_effects_test.cpp audio_device_test.cpp)
