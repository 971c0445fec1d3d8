va_test_suite(portal SOURCES portal_test.cpp)
