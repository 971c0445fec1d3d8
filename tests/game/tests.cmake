va_test_suite(game SOURCES ../support/headless_game.cpp start_test.cpp frame_test.cpp display_test.cpp
    gamepad_test.cpp rock_waves_test.cpp settings_test.cpp storage_test.cpp)
# The random-input run plays for minutes: its own binary, labelled so `ctest -LE slow` skips it.
va_test_suite(game NAME game_slow SOURCES ../support/headless_game.cpp monkey_test.cpp
    PROPERTIES TIMEOUT 900 LABELS slow)
