va_layer(geometry
    SOURCES angles.cpp calendar_clock.cpp data_path.cpp draw_circle.cpp exact_math.cpp
            exact_math_tables.cpp game_rand.cpp numeric.cpp outline_batch.cpp picture.cpp
            player_notice.cpp point.cpp rand.cpp rect.cpp sdl_surface.cpp utc_date.cpp utf8_path.cpp
            vec.cpp
    LIBS SDL2_image::SDL2_image)
