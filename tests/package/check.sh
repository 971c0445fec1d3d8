#!/usr/bin/env bash
# The Debian package built by `make package`: its files are exactly what the install rules put
# under /usr, its dependencies come from dpkg-shlibdeps, and Debian's own checkers accept it.
# Usage: check.sh BUILD_DIR
set -u
BUILD=$(realpath "$1")
HERE=$(dirname "$(realpath "$0")")
. "$HERE/../e2e/lib.sh"

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
deb="$BUILD/void-angler_${version}_$(dpkg --print-architecture).deb"
tmp=$(mktemp -d "${TMPDIR:-/tmp}/va-pkg-XXXXXX")
trap 'rm -rf "$tmp"' EXIT
[ -f "$deb" ] || { echo "FAIL: no package at $deb (make package)"; exit 1; }

DESTDIR="$tmp/installed" cmake --install "$BUILD" --prefix /usr >/dev/null
sed "s,^$tmp/installed,," "$BUILD/install_manifest.txt" | sort >"$tmp/manifest"
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -n 's,^\./\(.*[^/]\)$,/\1,p' | sort >"$tmp/files"
check "the package holds exactly the files the install rules put under /usr" "" \
    diff "$tmp/manifest" "$tmp/files"

dpkg-deb -x "$deb" "$tmp/root"
dpkg-deb -f "$deb" Version Depends >"$tmp/control"
check "version $version, and dpkg-shlibdeps found SDL2 and its companions, and libc" "" \
    bash -c "grep -qx 'Version: $version' '$tmp/control' && grep -q '^Depends: ' '$tmp/control' \
        && for lib in libc6 libsdl2-2.0-0 libsdl2-image-2.0-0 libsdl2-ttf-2.0-0 libsdl2-mixer-2.0-0; do \
            grep -Eq \"[ ,]\$lib( |,|\$)\" '$tmp/control' || exit 1; done"
check "the man page carries the version" "" \
    bash -c "zcat '$tmp/root/usr/share/man/man6/void-angler.6.gz' | head -n 1 | grep -qF 'void-angler $version'"
check "the launcher passes desktop-file-validate" "" \
    desktop-file-validate "$tmp/root/usr/share/applications/void-angler.desktop"
# validate-tree also checks that the launcher and the icon the metainfo names are there.
check "the metainfo passes appstreamcli validate and validate-tree (no network)" "" \
    bash -c "appstreamcli validate --no-net '$tmp'/root/usr/share/metainfo/*.metainfo.xml \
        && appstreamcli validate-tree --no-net '$tmp/root'"
check "lintian finds no error and no warning" "" \
    lintian --fail-on error,warning "$deb"

echo "$E2E_PASSES passed, $E2E_FAILS failed"
[ "$E2E_FAILS" -eq 0 ]
