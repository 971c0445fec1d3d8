# Everything that knows where the game runs; it knows nothing of the game. CMake picks the
# host's own file: the desktop's or the page's.
va_layer(platform
    SOURCES child_program.cpp closed_pipes.cpp compared_path.cpp display_options.cpp
            field_size.cpp field_view.cpp gamepad.cpp headless_screen.cpp input_bindings.cpp
            input_filter.cpp input_translator.cpp own_program.cpp pad_names.cpp page_scores.cpp
            panel_input.cpp
            player_window.cpp renderer.cpp settings_file.cpp settings_folder.cpp
            settings_keeper.cpp settings_panel.cpp touch_controls.cpp touch_controls_draw.cpp
            windows_desktop.cpp work_folder.cpp
    USES geometry)
if(EMSCRIPTEN)
    target_sources(va_platform PRIVATE ${PROJECT_SOURCE_DIR}/src/platform/browser_platform.cpp)
else()
    target_sources(va_platform PRIVATE ${PROJECT_SOURCE_DIR}/src/platform/desktop_platform.cpp)
endif()
