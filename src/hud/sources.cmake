va_layer(hud
    SOURCES hud.cpp
    USES geometry
    LIBS SDL2_ttf::SDL2_ttf)
