# Before the SDL packages are found for the browser build. SDL_image reads PNG with its bundled
# stb_image there, but its package file still asks for libpng: an empty target stands in.
if(NOT TARGET PNG::PNG)
    add_library(PNG::PNG INTERFACE IMPORTED)
endif()
