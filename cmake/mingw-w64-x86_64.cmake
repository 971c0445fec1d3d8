# Cross-builds for 64-bit Windows with Debian's mingw-w64 (win32 thread model: no winpthread DLL).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(VA_MINGW x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${VA_MINGW}-gcc-win32)
set(CMAKE_CXX_COMPILER ${VA_MINGW}-g++-win32)
set(CMAKE_RC_COMPILER ${VA_MINGW}-windres)

# Find the target's libraries only in mingw's root and in the prefixes we build into (given as
# CMAKE_PREFIX_PATH), never the build machine's own.
set(CMAKE_FIND_ROOT_PATH /usr/${VA_MINGW} ${CMAKE_PREFIX_PATH})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
