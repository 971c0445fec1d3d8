# One static library per folder of src/. A layer links only the layers it may
# use, and the include check (tests/layers) holds every file to the same list.
add_library(va_core INTERFACE)
set(VA_LAYER_RULES "" CACHE INTERNAL "")

# va_layer(NAME SOURCES file... [USES layer...] [LIBS target...])
function(va_layer name)
    cmake_parse_arguments(L "" "" "SOURCES;USES;LIBS" ${ARGN})
    list(TRANSFORM L_SOURCES PREPEND "${PROJECT_SOURCE_DIR}/src/${name}/")
    add_library(va_${name} STATIC ${L_SOURCES})
    target_include_directories(va_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    list(TRANSFORM L_USES PREPEND "va_" OUTPUT_VARIABLE uses_targets)
    target_link_libraries(va_${name} PUBLIC va_warnings va_generated SDL2::SDL2 ${uses_targets} ${L_LIBS})
    target_link_libraries(va_core INTERFACE va_${name})
    string(JOIN "," uses ${L_USES})
    set(VA_LAYER_RULES "${VA_LAYER_RULES}|${name}:${uses}" CACHE INTERNAL "")
endfunction()
