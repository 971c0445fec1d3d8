va_test_suite(life SOURCES liff_automaton_test.cpp liff_blocks_test.cpp islands_test.cpp)
