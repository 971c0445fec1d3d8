va_layer(geometry
    SOURCES angles.cpp calendar_clock.cpp data_path.cpp draw_circle.cpp game_rand.cpp
            numeric.cpp outline_batch.cpp picture.cpp player_notice.cpp point.cpp rand.cpp rect.cpp vec.cpp
    LIBS SDL2_image::SDL2_image)
