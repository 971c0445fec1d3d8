va_test_suite(life SOURCES life_test.cpp)
