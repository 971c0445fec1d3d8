va_test_suite(weapons SOURCES manage_weapon_test.cpp fire_rule_test.cpp collisions_test.cpp)
