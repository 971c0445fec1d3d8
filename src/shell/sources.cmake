va_layer(shell
    SOURCES frame.cpp game.cpp gamepad.cpp input.cpp key_table.cpp platform.cpp
            process_state.cpp rock_waves.cpp windows_desktop.cpp work_folder.cpp
    USES geometry objects weapons audio hud flock radar backdrop life persist portal selfcheck)
