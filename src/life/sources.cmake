va_layer(life
    SOURCES liff_automaton.cpp liff_blocks.cpp island.cpp islands.cpp
    USES geometry objects)
