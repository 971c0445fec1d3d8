va_test_suite(radar SOURCES radar_test.cpp)
