va_layer(shell
    SOURCES arguments.cpp display_options.cpp field_size.cpp field_view.cpp
            frame.cpp game.cpp game_digest.cpp game_playback.cpp game_recorder.cpp gamepad.cpp
            input.cpp key_table.cpp launch.cpp platform.cpp process_state.cpp rock_waves.cpp
            windows_desktop.cpp work_folder.cpp
    USES geometry objects weapons audio hud flock radar backdrop life persist portal selfcheck
         replay)
