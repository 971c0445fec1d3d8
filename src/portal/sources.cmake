va_layer(
    portal SOURCES placement.cpp portal.cpp USES geometry objects life LIBS SDL2_image::SDL2_image)
