va_test_suite(weapons SOURCES manage_weapon_test.cpp)
