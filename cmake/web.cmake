# The browser build: the same game as a WebAssembly module beside our own page from web/.
# Configured by `make web` with emcmake against the SDL libraries in build-web/deps.

# Static-only builds of the SDL libraries name their targets with -static.
foreach(lib SDL2 SDL2_image SDL2_ttf SDL2_mixer)
    if(NOT TARGET ${lib}::${lib} AND TARGET ${lib}::${lib}-static)
        add_library(${lib}::${lib} INTERFACE IMPORTED)
        set_target_properties(${lib}::${lib} PROPERTIES INTERFACE_LINK_LIBRARIES ${lib}::${lib}-static)
    endif()
endforeach()

# Asyncify keeps the game's blocking loop and its sleeps: each sleep hands the page back to the
# browser. The runtime exits after a quit, so the store's destructor writes "game.txt". A worker
# loads a second instance to check a run's recording (web/check.js).
target_link_options(void-angler PRIVATE
    -sASYNCIFY -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 -sENVIRONMENT=web,worker
    -sFORCE_FILESYSTEM=1 -lidbfs.js
    # SDL's JavaScript calls these (emscripten's own SDL port adds them); a file, as "$" would
    # not survive the link command's quoting.
    -sDEFAULT_LIBRARY_FUNCS_TO_INCLUDE=@${CMAKE_CURRENT_LIST_DIR}/web-sdl-js-funcs.json
    -sEXPORTED_RUNTIME_METHODS=FS,addRunDependency,removeRunDependency,UTF8ToString
    --preload-file ${CMAKE_SOURCE_DIR}/dat@/game/dat)
set_target_properties(void-angler PROPERTIES SUFFIX ".js")

foreach(page index.html page.css log.js saves.js runs.js check.js page.js offline.js touch.js webgl.js manifest.webmanifest icons/void-angler-192.png
             icons/void-angler-512.png)
    configure_file(web/${page} ${CMAKE_BINARY_DIR}/${page} COPYONLY)
endforeach()
# The offline worker names its cache after the files of this very build: run every build.
add_custom_target(web-offline ALL
    COMMAND ${CMAKE_COMMAND} -DWEB=${CMAKE_SOURCE_DIR}/web -DOUT=${CMAKE_BINARY_DIR}
            -P ${CMAKE_CURRENT_LIST_DIR}/web-offline.cmake
    DEPENDS void-angler
    COMMENT "offline worker for this build")
# emscripten's clang warns where gcc does not: a rock's const printCords stands beside the item
# family's virtual one on purpose.
target_compile_options(va_warnings INTERFACE -Wno-overloaded-virtual)
