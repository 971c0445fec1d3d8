target_sources(va_tests PRIVATE
    space_item_test.cpp
    space_junk_test.cpp
    space_ship_test.cpp
)
