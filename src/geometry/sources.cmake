target_sources(va_core PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/angles.cpp
    ${CMAKE_CURRENT_LIST_DIR}/calendar_clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/data_path.cpp
    ${CMAKE_CURRENT_LIST_DIR}/draw_circle.cpp
    ${CMAKE_CURRENT_LIST_DIR}/numeric.cpp
    ${CMAKE_CURRENT_LIST_DIR}/point.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rand.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rect.cpp
    ${CMAKE_CURRENT_LIST_DIR}/vec.cpp
)
