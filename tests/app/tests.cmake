va_test_suite(app SOURCES recording_round_trip_test.cpp recording_verdicts_test.cpp
    ../support/headless_game.cpp)
