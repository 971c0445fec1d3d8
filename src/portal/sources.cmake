va_layer(
    portal SOURCES placement.cpp portal.cpp USES geometry objects life)
