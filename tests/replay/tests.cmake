va_test_suite(replay SOURCES recording_test.cpp)

# Each stored recording replays headless; `make replays` rewrites their digests.
set(VA_REPLAYS ${CMAKE_CURRENT_SOURCE_DIR}/replays)
file(GLOB VA_REPLAY_FILES CONFIGURE_DEPENDS ${VA_REPLAYS}/*.rec)
foreach(recording ${VA_REPLAY_FILES})
    get_filename_component(name ${recording} NAME_WE)
    add_test(NAME replay_${name} COMMAND va_replay_check ${recording}
        --pictures ${PROJECT_BINARY_DIR}/replay-pictures)
    set_tests_properties(replay_${name} PROPERTIES TIMEOUT 600 LABELS replay)
endforeach()
