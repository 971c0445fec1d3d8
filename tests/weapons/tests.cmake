target_sources(va_tests PRIVATE
    weapons/manage_weapon_test.cpp
)
