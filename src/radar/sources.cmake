va_layer(radar SOURCES radar.cpp USES geometry)
