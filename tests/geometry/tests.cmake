target_sources(va_tests PRIVATE
    geometry/draw_circle_test.cpp
    geometry/geometry_test.cpp
)
