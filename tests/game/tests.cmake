va_test_suite(game SOURCES ../support/headless_game.cpp start_test.cpp frame_test.cpp display_test.cpp
    gamepad_test.cpp rock_waves_test.cpp monkey_test.cpp storage_test.cpp)
