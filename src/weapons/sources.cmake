target_sources(va_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/manage_weapon.cpp
)
