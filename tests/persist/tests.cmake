va_test_suite(persist SOURCES game_state_test.cpp)
