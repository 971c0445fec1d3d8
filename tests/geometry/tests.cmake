va_test_suite(geometry SOURCES geometry_test.cpp)
