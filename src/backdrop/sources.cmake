va_layer(backdrop
    SOURCES colour_cycler.cpp moon.cpp picture.cpp platform.cpp satellite.cpp title_cards.cpp
    USES geometry
    LIBS SDL2_image::SDL2_image)
