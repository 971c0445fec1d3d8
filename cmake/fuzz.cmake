# The readers under libFuzzer (make fuzz): clang only, so in a build folder of its own. Every
# layer is compiled with the fuzzer's coverage and the sanitizers, and each fuzz target links the
# layer it feeds, so it always has every source that layer comes to need.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "VA_FUZZ=ON needs clang (libFuzzer): configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
target_compile_options(va_warnings INTERFACE -fsanitize=fuzzer-no-link,address,undefined
    -fno-sanitize-recover=all)
target_link_options(va_warnings INTERFACE -fsanitize=address,undefined)
# GCC's warnings are the project's. clang's add two that the code trips where GCC finds nothing
# wrong: SpaceJunk's const printCords beside SpaceItem's virtual one, and aggregates that leave
# their trailing members to their defaults.
target_compile_options(va_warnings INTERFACE -Wno-overloaded-virtual -Wno-missing-field-initializers)

function(va_fuzz_target name layer)
    add_executable(${name} ${PROJECT_SOURCE_DIR}/tests/fuzz/${name}.cpp)
    target_link_libraries(${name} PRIVATE va_${layer})
    target_link_options(${name} PRIVATE -fsanitize=fuzzer)
endfunction()
