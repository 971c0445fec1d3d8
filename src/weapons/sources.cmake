va_layer(weapons
    SOURCES collisions.cpp fire_rule.cpp manage_weapon.cpp
    USES geometry objects)
