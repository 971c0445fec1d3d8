va_test_suite(shell SOURCES ../support/headless_game.cpp assets_test.cpp game_start_test.cpp
    game_input_test.cpp game_frame_test.cpp rock_waves_test.cpp)
