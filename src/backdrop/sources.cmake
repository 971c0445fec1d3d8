va_layer(backdrop
    SOURCES colour_cycler.cpp moon.cpp platform.cpp satellite.cpp title_cards.cpp
    USES geometry)
