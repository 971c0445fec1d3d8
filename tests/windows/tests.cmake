# GoogleTest's headers as GoogleTest was built (cmake/windows.cmake).
target_compile_options(va_test_support PUBLIC ${VA_GTEST_PREINCLUDE})

# The Windows build's own checks, run on the build machine: the zip as a player gets it.
set(zip ${PROJECT_BINARY_DIR}/${VA_WIN_ZIP_NAME}.zip)
add_test(NAME windows_zip_imports COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/zip_imports.sh ${zip}
    ${CMAKE_CURRENT_SOURCE_DIR}/windows/system_dlls.txt ${CMAKE_OBJDUMP})
set_tests_properties(windows_zip_imports PROPERTIES TIMEOUT 120)
find_program(XVFB Xvfb)
if(XVFB)
    add_test(NAME windows_game COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/windows/play_zip.sh ${zip}
        ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
    # Alone: a Wine desktop started by a parallel headless test cannot open its window.
    set_tests_properties(windows_game PROPERTIES TIMEOUT 600 LABELS e2e RUN_SERIAL TRUE)
endif()
