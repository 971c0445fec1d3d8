target_sources(va_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/space_item.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ship_weapon.cpp
    ${CMAKE_CURRENT_LIST_DIR}/space_junk.cpp
    ${CMAKE_CURRENT_LIST_DIR}/space_ship.cpp
)
