va_test_suite(geometry SOURCES geometry_test.cpp draw_circle_test.cpp)
