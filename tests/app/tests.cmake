# The end-of-run panel plays whole runs of 9000 frames: over a minute under the sanitizers.
va_test_suite(app SOURCES arcade_run_test.cpp arguments_test.cpp game_recording_test.cpp
    run_end_panel_test.cpp score_table_test.cpp playback_viewer_test.cpp file_names_test.cpp
    ../support/headless_game.cpp PROPERTIES TIMEOUT 300)

# Peak resident memory of the normal build: the sanitizers reserve far more by design.
if(NOT SANITIZE AND NOT WIN32)
    find_program(VA_TEST_PYTHON python3)
    add_test(NAME memory_bound COMMAND ${VA_TEST_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/app/memory_bound_test.py
        $<TARGET_FILE:void-angler> ${PROJECT_SOURCE_DIR})
    add_test(NAME closed_pipe COMMAND ${VA_TEST_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/app/closed_pipe_test.py
        $<TARGET_FILE:void-angler> ${PROJECT_SOURCE_DIR})
    set_tests_properties(memory_bound closed_pipe PROPERTIES TIMEOUT 120)
endif()

# The panel after a run checks it with the game itself, as the game checks its own runs.
add_dependencies(va_tests_app void-angler)
target_compile_definitions(va_tests_app PRIVATE VA_GAME_PROGRAM="$<TARGET_FILE:void-angler>")
