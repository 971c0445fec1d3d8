target_sources(va_tests PRIVATE
    assets_test.cpp
    game_start_test.cpp
    game_input_test.cpp
    game_frame_test.cpp
    rock_waves_test.cpp
    sound_effects_test.cpp
)
