#!/usr/bin/env bash
# Installs the Debian packages that building, testing and the asset tools need.
# Does nothing when they are all present. Needs root (or sudo).
set -euo pipefail

packages=(
    build-essential cmake pkg-config clang-format clang libclang-rt-14-dev
    libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev
    libgtest-dev libbenchmark-dev
    # The maths module's tests check it against GNU MPFR (native tests only).
    libmpfr-dev
    xvfb xauth openbox xdotool x11-utils imagemagick desktop-file-utils
    dpkg-dev lintian appstream
    python3 python3-pil python3-numpy python3-fonttools
    # The browser build and its tests.
    emscripten chromium
    # The Windows build: the x86-64 compiler alone (not the metapackage), Debian's GoogleTest
    # sources, apt-get source's unpacker, and Wine to run the result.
    g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 googletest wine wine64 e2fsprogs
)

# The browser tests need node and npm: Debian's, unless the machine has its own (another
# node's npm and Debian's npm cannot both be installed).
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    packages+=(nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null; then
        sudo="sudo"
    else
        echo "need root (or sudo) to install: ${missing[*]}" >&2
        exit 1
    fi
fi
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
