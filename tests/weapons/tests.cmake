va_test_suite(weapons SOURCES weapons_test.cpp)
