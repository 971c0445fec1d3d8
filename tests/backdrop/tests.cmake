va_test_suite(backdrop SOURCES backdrop_test.cpp)
