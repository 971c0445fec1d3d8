va_test_suite(objects SOURCES ship_weapon_test.cpp space_item_test.cpp space_junk_test.cpp
    space_ship_test.cpp space_block_test.cpp)
