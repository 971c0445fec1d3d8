target_sources(va_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/frame.cpp
    ${CMAKE_CURRENT_LIST_DIR}/game.cpp
    ${CMAKE_CURRENT_LIST_DIR}/input.cpp
    ${CMAKE_CURRENT_LIST_DIR}/platform.cpp
    ${CMAKE_CURRENT_LIST_DIR}/process_state.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rock_waves.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sound_effects.cpp
)
