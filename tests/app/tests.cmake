va_test_suite(app SOURCES arguments_test.cpp game_recording_test.cpp ../support/headless_game.cpp)
