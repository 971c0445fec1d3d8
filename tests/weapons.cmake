target_sources(va_tests PRIVATE
    ship_weapon_test.cpp
    manage_weapon_test.cpp
)
