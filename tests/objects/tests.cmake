target_sources(va_tests PRIVATE
    objects/ship_weapon_test.cpp
    objects/space_item_test.cpp
    objects/space_junk_test.cpp
    objects/space_ship_test.cpp
)
