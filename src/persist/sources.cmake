va_layer(persist SOURCES game_state.cpp safe_file.cpp USES geometry)
if(WIN32)
    target_sources(va_persist PRIVATE ${PROJECT_SOURCE_DIR}/src/persist/replace_file_windows.cpp)
endif()
