va_layer(portal SOURCES portal.cpp USES geometry LIBS SDL2_image::SDL2_image)
