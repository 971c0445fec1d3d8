target_sources(va_tests PRIVATE
    geometry_test.cpp
    draw_circle_test.cpp
)
