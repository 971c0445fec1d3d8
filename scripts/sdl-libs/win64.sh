# Windows DLLs of the SDL libraries, cross-built with mingw-w64 (sourced by build-sdl-libs.sh).
# PNG goes through SDL_image's own stb_image loader: no libpng or zlib DLL to build or ship, and
# the game only reads plain 8-bit PNGs. Sound is WAV only; text needs FreeType alone.
# Sources come from scripts/fetch-sdl-sources.sh, the versions of the installed -dev packages.
here_win64="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
LIBS=(sdl2 freetype sdl2_image sdl2_mixer sdl2_ttf googletest)
TARGET_CMAKE_ARGS=(
    -DCMAKE_TOOLCHAIN_FILE="$here_win64/cmake/mingw-w64-x86_64.cmake"
    -DBUILD_SHARED_LIBS=ON
    # No compiler runtime DLL beside the game.
    "-DCMAKE_SHARED_LINKER_FLAGS=-static-libgcc"
)

pkg_sdl2=libsdl2
args_sdl2=(-DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL2_DISABLE_SDL2MAIN=OFF)

pkg_freetype=freetype
args_freetype=(-DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON)

pkg_sdl2_image=libsdl2-image
args_sdl2_image=(-DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_SAMPLES=OFF -DSDL2IMAGE_BACKEND_STB=ON
    -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_JPG=OFF -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_JXL=OFF
    -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF -DSDL2IMAGE_SVG=OFF)

pkg_sdl2_mixer=libsdl2-mixer
args_sdl2_mixer=(-DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF -DSDL2MIXER_CMD=OFF
    -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF -DSDL2MIXER_MIDI=OFF
    -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=OFF -DSDL2MIXER_WAVE=ON)

pkg_sdl2_ttf=libsdl2-ttf
args_sdl2_ttf=(-DSDL2TTF_VENDORED=OFF -DSDL2TTF_SAMPLES=OFF -DSDL2TTF_HARFBUZZ=OFF)

# The test programs' GoogleTest, from the sources Debian's googletest package installs; linked
# statically into each test program. The win32 thread model has no std::mutex: a header of ours
# stands in for GoogleTest's one use of it (the tests get it too, from cmake/windows.cmake).
src_googletest=/usr/src/googletest
args_googletest=(-DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=OFF -Dgtest_disable_pthreads=ON
    -DINSTALL_GTEST=ON "-DCMAKE_CXX_FLAGS=-include $here_win64/cmake/gtest-notification.h")
