#!/usr/bin/env bash
# Builds the SDL libraries from Debian's source packages for another target, into a cache:
#   scripts/build-sdl-libs.sh TARGET PREFIX
# TARGET names scripts/sdl-libs/TARGET.sh, which sets LIBS (the build order), CMAKE_WRAP (a
# command put before cmake, e.g. emcmake), TARGET_CMAKE_ARGS, and args_<lib> and pkg_<lib> (or
# src_<lib>) for each library.
# A library is rebuilt only when its sources or its target's settings change. Each library finds
# the ones built before it in PREFIX, also under a cross toolchain that searches only its own root.
set -euo pipefail
target=${1:?target}
prefix=${2:?prefix}
here="$(cd "$(dirname "$0")" && pwd)"
settings="$here/sdl-libs/$target.sh"
[ -f "$settings" ] || { echo "no settings for target $target" >&2; exit 1; }
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

declare -A src_dir
while read -r pkg dir; do src_dir[$pkg]=$dir; done < <("$here/fetch-sdl-sources.sh")

CMAKE_WRAP=()
TARGET_CMAKE_ARGS=()
# shellcheck source=/dev/null
source "$settings"

mkdir -p "$prefix"
prefix="$(cd "$prefix" && pwd)"
for lib in "${LIBS[@]}"; do
    # src_<lib> names sources a Debian package installs as they are (googletest's in /usr/src).
    src_var="src_$lib"
    src=${!src_var:-}
    if [ -z "$src" ]; then
        pkg_var="pkg_$lib"
        pkg=${!pkg_var:?"$settings sets no pkg_$lib"}
        src=${src_dir[$pkg]:?"no sources for $pkg"}
    fi
    args_var="args_$lib[@]"
    args=("${!args_var}")
    stamp="$prefix/.stamp-$lib"
    key=$(printf '%s\n' "$src" "${TARGET_CMAKE_ARGS[@]}" "${args[@]}" | cat - "$settings" | sha1sum)
    if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$key" ]; then
        continue
    fi
    echo "building $lib for $target" >&2
    build="$prefix/.build/$lib"
    log="$build.log"
    rm -rf "$build"
    mkdir -p "$build"
    "${CMAKE_WRAP[@]}" cmake -S "$src" -B "$build" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCMAKE_FIND_ROOT_PATH="$prefix" \
        "${TARGET_CMAKE_ARGS[@]}" "${args[@]}" >"$log" 2>&1 ||
        { tail -40 "$log" >&2; exit 1; }
    cmake --build "$build" -j "$jobs" >>"$log" 2>&1 || { tail -40 "$log" >&2; exit 1; }
    cmake --install "$build" >>"$log" 2>&1 || { tail -40 "$log" >&2; exit 1; }
    echo "$key" >"$stamp"
done
