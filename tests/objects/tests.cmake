va_test_suite(objects SOURCES space_junk_test.cpp space_ship_test.cpp space_block_test.cpp)
