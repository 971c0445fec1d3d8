target_sources(va_tests PRIVATE
    shell/assets_test.cpp
    shell/game_frame_test.cpp
    shell/game_input_test.cpp
    shell/game_start_test.cpp
    shell/rock_waves_test.cpp
)
