# The tests build when their libraries are installed and are left out when not, so the game
# builds with the play packages alone. -DBUILD_TESTING=ON insists and names what is missing;
# -DBUILD_TESTING=OFF leaves them out. Undecided, it is decided again at each configure, so
# installing the test packages later brings the tests in.
find_package(GTest QUIET)
set(VA_TESTS_MISSING "")
if(NOT GTest_FOUND)
    list(APPEND VA_TESTS_MISSING "GoogleTest (libgtest-dev)")
endif()
# The maths module's own tests check it against GNU MPFR, on native builds.
if(NOT WIN32 AND NOT EMSCRIPTEN)
    find_library(VA_MPFR mpfr)
    find_library(VA_GMP gmp)
    if(NOT VA_MPFR OR NOT VA_GMP)
        list(APPEND VA_TESTS_MISSING "GNU MPFR (libmpfr-dev)")
    endif()
endif()
list(JOIN VA_TESTS_MISSING " and " VA_TESTS_MISSING_TEXT)

if(NOT DEFINED CACHE{BUILD_TESTING})
    if(VA_TESTS_MISSING)
        set(BUILD_TESTING OFF)
        message(STATUS "Tests left out: no ${VA_TESTS_MISSING_TEXT} (make test installs them)")
    else()
        set(BUILD_TESTING ON)
    endif()
elseif(BUILD_TESTING AND VA_TESTS_MISSING)
    message(FATAL_ERROR "BUILD_TESTING=ON, but the tests need ${VA_TESTS_MISSING_TEXT}: "
        "scripts/install-deps.sh test installs them")
endif()
include(CTest)
