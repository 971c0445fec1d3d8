# The game's sequence: start-up, frame and input steps over the subsystems.
va_layer(game
    SOURCES frame.cpp game.cpp game_digest.cpp input.cpp key_table.cpp process_state.cpp
            rock_waves.cpp shut_down.cpp
    USES geometry objects weapons audio hud flock radar backdrop life persist portal selfcheck
         replay platform)
