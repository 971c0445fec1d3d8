#!/usr/bin/env bash
# Installs the Debian packages a task needs; does nothing when they are all present.
#   install-deps.sh [-n] [play|assets|test]...
# play: build and play the game. assets: the asset tools. test (the default, as CI wants):
# everything `make test` runs, which includes the other two. -n prints what would be installed.
# Needs root (or sudo) unless -n.
set -euo pipefail

play=(
    build-essential cmake pkg-config
    libsdl2-dev libsdl2-image-dev libsdl2-ttf-dev libsdl2-mixer-dev
)
assets=(python3 python3-pil python3-numpy python3-fonttools)
test=(
    "${play[@]}" "${assets[@]}"
    clang-format clang libclang-rt-14-dev
    libgtest-dev libbenchmark-dev
    # The maths module's tests check it against GNU MPFR (native tests only).
    libmpfr-dev
    xvfb xauth openbox xdotool x11-utils imagemagick desktop-file-utils
    dpkg-dev lintian appstream
    # The browser build and its tests.
    emscripten chromium
    # The Windows build: the x86-64 compiler alone (not the metapackage), Debian's GoogleTest
    # sources, apt-get source's unpacker, and Wine to run the result.
    g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 googletest wine wine64 e2fsprogs
)
# The browser tests need node and npm: Debian's, unless the machine has its own (another
# node's npm and Debian's npm cannot both be installed).
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
    test+=(nodejs npm)
fi

dry_run=0
if [ "${1:-}" = -n ]; then
    dry_run=1
    shift
fi
[ $# -gt 0 ] || set -- test
packages=()
for set_name in "$@"; do
    case $set_name in
        play) packages+=("${play[@]}") ;;
        assets) packages+=("${assets[@]}") ;;
        test) packages+=("${test[@]}") ;;
        *)
            echo "install-deps.sh: unknown set '$set_name' (play, assets or test)" >&2
            exit 2
            ;;
    esac
done

missing=()
for p in $(printf '%s\n' "${packages[@]}" | sort -u); do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
if [ $dry_run -eq 1 ]; then
    echo "would install: ${missing[*]:-nothing}"
    exit 0
fi
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
