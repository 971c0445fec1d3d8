# The process on top: the command line, launching, recording and playback.
va_layer(app
    SOURCES arguments.cpp game_link.cpp game_playback.cpp game_recorder.cpp launch.cpp
            recording_target.cpp run_end_panel.cpp run_proof.cpp score_book.cpp score_table.cpp scores_command.cpp
    USES geometry persist replay platform game)
