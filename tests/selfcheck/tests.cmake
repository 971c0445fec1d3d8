va_test_suite(selfcheck SOURCES island_checks_test.cpp start_checks_test.cpp)
