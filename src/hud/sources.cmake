va_layer(hud
    SOURCES debug_message_list.cpp help_panel.cpp hud.cpp overlay_lines.cpp text_label.cpp
    USES geometry
    LIBS SDL2_ttf::SDL2_ttf)
