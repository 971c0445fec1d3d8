va_test_suite(selfcheck SOURCES start_checks_test.cpp)
