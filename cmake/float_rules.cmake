# Same bits on every target: no fused multiply-add (arm64 and others would fuse a * b + c, and
# the maths module's exact products rely on it not happening) and none of fast-math's liberties.
# A flag that brings either back stops the configuration here, before anything is built.
include(CheckCXXSourceCompiles)

target_compile_options(va_warnings INTERFACE -ffp-contract=off -fno-fast-math)

set(va_float_flags "${CMAKE_CXX_FLAGS}")
if(CMAKE_BUILD_TYPE)
    string(TOUPPER "${CMAKE_BUILD_TYPE}" va_config)
    string(APPEND va_float_flags " ${CMAKE_CXX_FLAGS_${va_config}}")
endif()
set(va_loose_math "-Ofast|-ffast-math|-ffp-contract=(fast|on)|-funsafe-math-optimizations|\
-fassociative-math|-freciprocal-math|-ffinite-math-only|-fno-signed-zeros|-mrecip|\
-ffp-model=(fast|aggressive)|-fapprox-func")
if(va_float_flags MATCHES "(^| )(${va_loose_math})")
    message(FATAL_ERROR "float rules: \"${CMAKE_MATCH_2}\" in the compiler flags would let the "
        "simulation's arithmetic differ between platforms; remove it")
endif()

# The compiler's own view, with our flags last as the game's sources get them; asked again at
# every configuration, as flags change.
unset(VA_FLOAT_RULES_HOLD CACHE)
set(CMAKE_REQUIRED_FLAGS "${va_float_flags} -ffp-contract=off -fno-fast-math")
check_cxx_source_compiles("
#if defined(__FAST_MATH__) || __FINITE_MATH_ONLY__
#error loose floating point
#endif
int main() { return 0; }" VA_FLOAT_RULES_HOLD)
unset(CMAKE_REQUIRED_FLAGS)
if(NOT VA_FLOAT_RULES_HOLD)
    message(FATAL_ERROR "float rules: the compiler reports fast-math with the game's flags, or "
        "could not build the check at all (CMakeFiles/CMakeError.log says which)")
endif()
