va_test_suite(app SOURCES recording_round_trip_test.cpp playback_viewer_test.cpp file_names_test.cpp
    ../support/headless_game.cpp)
