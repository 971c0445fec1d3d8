# Settings for scripts/build-sdl-libs.sh: the SDL libraries for WebAssembly with emscripten.
# Static libraries only, and only the codecs the game uses: PNG (through SDL_image's bundled
# stb_image, so no libpng or zlib) and WAV. emscripten's own "ports" would download instead.
# shellcheck disable=SC2034
LIBS=(sdl2 freetype sdl2_ttf sdl2_image sdl2_mixer)
CMAKE_WRAP=(emcmake)
TARGET_CMAKE_ARGS=(-DBUILD_SHARED_LIBS=OFF)

pkg_sdl2=libsdl2
args_sdl2=(-DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF -DSDL_THREADS=OFF -DSDL_PTHREADS=OFF)

pkg_freetype=freetype
args_freetype=(-DFT_DISABLE_ZLIB=ON -DFT_DISABLE_BZIP2=ON -DFT_DISABLE_PNG=ON
    -DFT_DISABLE_HARFBUZZ=ON -DFT_DISABLE_BROTLI=ON)

pkg_sdl2_ttf=libsdl2-ttf
args_sdl2_ttf=(-DSDL2TTF_VENDORED=OFF -DSDL2TTF_HARFBUZZ=OFF -DSDL2TTF_SAMPLES=OFF)

pkg_sdl2_image=libsdl2-image
args_sdl2_image=(-DSDL2IMAGE_VENDORED=OFF -DSDL2IMAGE_DEPS_SHARED=OFF -DSDL2IMAGE_SAMPLES=OFF
    -DSDL2IMAGE_BACKEND_STB=ON -DSDL2IMAGE_PNG=ON -DSDL2IMAGE_PNG_SAVE=OFF -DSDL2IMAGE_JPG=OFF
    -DSDL2IMAGE_AVIF=OFF -DSDL2IMAGE_BMP=OFF -DSDL2IMAGE_GIF=OFF -DSDL2IMAGE_JXL=OFF
    -DSDL2IMAGE_LBM=OFF -DSDL2IMAGE_PCX=OFF -DSDL2IMAGE_PNM=OFF -DSDL2IMAGE_QOI=OFF
    -DSDL2IMAGE_SVG=OFF -DSDL2IMAGE_TGA=OFF -DSDL2IMAGE_TIF=OFF -DSDL2IMAGE_WEBP=OFF
    -DSDL2IMAGE_XCF=OFF -DSDL2IMAGE_XPM=OFF -DSDL2IMAGE_XV=OFF)

pkg_sdl2_mixer=libsdl2-mixer
args_sdl2_mixer=(-DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_DEPS_SHARED=OFF -DSDL2MIXER_SAMPLES=OFF
    -DSDL2MIXER_WAVE=ON -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF
    -DSDL2MIXER_MIDI=OFF -DSDL2MIXER_MP3=OFF -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=)

# With a node other than Debian's, emscripten's optimizer finds Debian's acorn only here.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
