#!/usr/bin/env bash
# Unpacks Debian's sources of the SDL libraries (and what they need) into build-deps/src, at the
# versions of the packages the native build uses, for the browser and Windows builds.
# Enables the source index for the Debian mirror the machine's apt sources already name.
# Prints one "name dir" line per library. Needs root (or sudo) only to enable the index once.
set -euo pipefail
cd "$(dirname "$0")/.."
# VA_DEPS_CACHE lets several checkouts share one download.
src_root="${VA_DEPS_CACHE:-$PWD/build-deps}/src"
mkdir -p "$src_root"

# source package, and the binary package whose installed version pins it
libs=(
    "libsdl2 libsdl2-dev"
    "libsdl2-image libsdl2-image-dev"
    "libsdl2-mixer libsdl2-mixer-dev"
    "libsdl2-ttf libsdl2-ttf-dev"
    "freetype libfreetype-dev"
    "libpng1.6 libpng-dev"
    "zlib zlib1g-dev"
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

enable_source_index() {
    local f out=/etc/apt/sources.list.d/void-angler-deb-src.sources
    [ -e "$out" ] && return 0
    # deb822 files: the same entries with Types: deb-src.
    for f in /etc/apt/sources.list.d/*.sources; do
        [ -e "$f" ] || continue
        grep -q '^URIs:.*debian' "$f" || continue
        sed -n 's/^Types:.*/Types: deb-src/; /^\(Types\|URIs\|Suites\|Components\|Signed-By\):/p; /^$/p' "$f"
    done | $sudo tee "$out" >/dev/null
    # One-line sources.list entries.
    if [ -f /etc/apt/sources.list ]; then
        sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list | $sudo tee -a \
            /etc/apt/sources.list.d/void-angler-deb-src.list >/dev/null
    fi
    $sudo apt-get update -qq
}

for entry in "${libs[@]}"; do
    read -r pkg bin <<<"$entry"
    version=$(dpkg-query -W -f='${source:Version}' "$bin" 2>/dev/null || true)
    [ -n "$version" ] || { echo "$bin is not installed: run scripts/install-deps.sh" >&2; exit 1; }
    upstream=${version#*:}
    upstream=${upstream%-*}
    dir="$src_root/$pkg-${version#*:}"
    if [ ! -f "$dir/.unpacked" ]; then
        if ! apt-get source --print-uris "$pkg=$version" >/dev/null 2>&1; then
            enable_source_index
        fi
        # A security update may have replaced the installed revision (and a mirror may lack a
        # listed one): then try the other revisions of the same upstream version, newest first.
        tmp=$(mktemp -d "$src_root/.fetch.XXXXXX")
        # A failed fetch leaves no half-unpacked folder behind.
        trap 'rm -rf "$tmp"' EXIT
        got=""
        for rev in "$version" $(apt-cache showsrc "$pkg" | sed -n 's/^Version: //p' |
            grep -F "$upstream-" | sort -Vru); do
            rm -rf "${tmp:?}"/*
            if (cd "$tmp" && apt-get source -qq "$pkg=$rev" >/dev/null 2>&1); then
                got=$rev
                break
            fi
        done
        [ -n "$got" ] || { echo "no source of $pkg $upstream could be fetched" >&2; exit 1; }
        [ "$got" = "$version" ] || echo "$pkg: using source $got for installed $version" >&2
        rm -rf "$dir"
        mv "$(find "$tmp" -mindepth 1 -maxdepth 1 -type d | head -1)" "$dir"
        rm -rf "$tmp"
        trap - EXIT
        touch "$dir/.unpacked"
    fi
    echo "$pkg $dir"
done
