va_layer(objects
    SOURCES space_item.cpp ship_weapon.cpp space_junk.cpp space_ship.cpp space_block.cpp
    USES geometry)
