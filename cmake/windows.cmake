# The Windows build: cross-built with mingw-w64 (cmake/mingw-w64-x86_64.cmake), the SDL DLLs from
# scripts/build-sdl-libs.sh win64 in CMAKE_PREFIX_PATH, tests run under Wine.

enable_language(RC)

# No compiler runtime DLL beside the game.
string(APPEND CMAKE_EXE_LINKER_FLAGS " -static-libgcc -static-libstdc++")

# Test programs run through Wine; they are listed when the tests run, so building needs no Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run --test)
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
# As GoogleTest was built (scripts/sdl-libs/win64.sh): no std::mutex in the win32 thread model.
set(VA_GTEST_PREINCLUDE -include ${PROJECT_SOURCE_DIR}/cmake/gtest-notification.h)
# Tests reach the sources through Wine's Z: drive.
set(VA_TEST_SOURCE_DIR "Z:${PROJECT_SOURCE_DIR}")

set(VA_WIN_DLL_DIR ${CMAKE_PREFIX_PATH}/bin)
set(VA_WIN_ZIP_NAME void-angler-${PROJECT_VERSION}-win64)

# Called once the game's target exists.
function(va_windows_program target)
    # SDL2main gives the entry point; the program stays a console program, whose log is the
    # standard output.
    target_link_libraries(${target} PRIVATE SDL2::SDL2main)
    target_link_options(${target} PRIVATE -mconsole)

    find_program(VA_CONVERT convert REQUIRED)
    set(icons "")
    foreach(size 16 32 48 64 128 256)
        list(APPEND icons ${PROJECT_SOURCE_DIR}/dist/icons/hicolor/${size}x${size}/apps/void-angler.png)
    endforeach()
    set(ico ${CMAKE_CURRENT_BINARY_DIR}/windows/void-angler.ico)
    add_custom_command(OUTPUT ${ico} COMMAND ${VA_CONVERT} ${icons} ${ico} DEPENDS ${icons}
        COMMENT "Windows icon from our own icons")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/windows/void-angler.rc)
    file(WRITE ${rc}.in "1 ICON \"${ico}\"\n")
    configure_file(${rc}.in ${rc} COPYONLY)
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${ico})
    target_sources(${target} PRIVATE ${rc})

    # Beside the program, so the build folder's game runs as the zip's does.
    file(GLOB dlls ${VA_WIN_DLL_DIR}/*.dll)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${dlls} $<TARGET_FILE_DIR:${target}>)

    set(stage ${CMAKE_CURRENT_BINARY_DIR}/zip/${VA_WIN_ZIP_NAME})
    add_custom_target(windows-zip
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_CURRENT_BINARY_DIR}/zip
        COMMAND ${CMAKE_COMMAND} -E make_directory ${stage}
        COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${target}> ${dlls} ${stage}
        COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/dat ${stage}/dat
        COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/dist/windows/README.txt
                ${PROJECT_SOURCE_DIR}/dist/windows/THIRD-PARTY-NOTICES.txt
                ${PROJECT_SOURCE_DIR}/dist/windows/arcade-run.cmd
                ${PROJECT_SOURCE_DIR}/dist/windows/daily-run.cmd ${stage}
        COMMAND ${CMAKE_COMMAND} -DSRC=${PROJECT_SOURCE_DIR} -DDEST=${stage}
                -P ${PROJECT_SOURCE_DIR}/cmake/windows-licence.cmake
        COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_CURRENT_BINARY_DIR}/zip
                ${CMAKE_COMMAND} -E tar cf ${CMAKE_CURRENT_BINARY_DIR}/${VA_WIN_ZIP_NAME}.zip
                --format=zip ${VA_WIN_ZIP_NAME}
        DEPENDS ${target}
        COMMENT "${VA_WIN_ZIP_NAME}.zip"
        VERBATIM)
endfunction()

# SDL2_image's package asks for libpng whenever PNG is on, though our DLL reads PNG with its
# built-in stb_image and links no libpng: nothing to find.
add_library(PNG::PNG INTERFACE IMPORTED)
