va_layer(shell
    SOURCES display_options.cpp field_size.cpp field_view.cpp frame.cpp game.cpp gamepad.cpp
            input.cpp key_table.cpp platform.cpp process_state.cpp rock_waves.cpp
    USES geometry objects weapons audio hud flock radar backdrop life persist portal selfcheck)
