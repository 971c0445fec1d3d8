# The largest recording the limits allow takes half a minute under the sanitizers.
va_test_suite(replay SOURCES recording_test.cpp input_limits_test.cpp PROPERTIES TIMEOUT 300)

# Each stored recording replays headless; `make replays` rewrites their digests.
set(VA_REPLAYS ${CMAKE_CURRENT_SOURCE_DIR}/replays)
file(GLOB VA_REPLAY_FILES CONFIGURE_DEPENDS ${VA_REPLAYS}/*.rec)
foreach(recording ${VA_REPLAY_FILES})
    get_filename_component(name ${recording} NAME_WE)
    add_test(NAME replay_${name} COMMAND va_replay_check ${recording}
        --pictures ${PROJECT_BINARY_DIR}/replay-pictures)
    # A whole run (9,000 frames at 1920 x 1080) takes minutes under the sanitizers or Wine.
    set_tests_properties(replay_${name} PROPERTIES TIMEOUT 600 LABELS replay)
endforeach()

# A folder given as the recording: one line, status 1, and the scratch folder is gone.
# A Unix shell drives the checker here, so not under Wine.
if(NOT WIN32)
    add_test(NAME replay_check_unreadable COMMAND sh -c
        "d=$(mktemp -d) && TMPDIR=$d \"$0\" \"$d\"; s=$?; left=$(ls -A \"$d\"); rm -rf \"$d\"; [ $s -eq 1 ] && [ -z \"$left\" ]"
        $<TARGET_FILE:va_replay_check>)
    set_tests_properties(replay_check_unreadable PROPERTIES TIMEOUT 60 LABELS replay)
    # Redigesting a recording damaged half-way fails and leaves every file as it was.
    add_test(NAME replay_check_redigest_damaged COMMAND sh -c
        "d=$(mktemp -d) && sed 's/^frame 40$/frame 41/' \"$1\" > \"$d/w.rec\" && cp \"$d/w.rec\" \"$d/copy\" && cd \"$d\" && \"$0\" w.rec --redigest 2>err; s=$?; cmp -s w.rec copy && [ $(ls | wc -l) -eq 3 ] && ! grep -q unchanged err; ok=$?; cd / && rm -rf \"$d\"; [ $s -eq 4 ] && [ $ok -eq 0 ]"
        $<TARGET_FILE:va_replay_check> ${VA_REPLAYS}/waves.rec)
    set_tests_properties(replay_check_redigest_damaged PROPERTIES LABELS replay TIMEOUT 300)
    # -verify of the game itself, with no display named.
    add_test(NAME verify_recordings COMMAND sh ${CMAKE_CURRENT_SOURCE_DIR}/replay/verify_test.sh
        $<TARGET_FILE:void-angler> ${VA_REPLAYS} ${PROJECT_SOURCE_DIR}/dat)
    set_tests_properties(verify_recordings PROPERTIES TIMEOUT 600 LABELS replay)
endif()
