#!/usr/bin/env bash
# The Debian package built by `make package`: its files are exactly what the install rules put
# under /usr, dpkg-shlibdeps found its dependencies, and Debian's own checkers accept it. Then, only
# where VA_APT_INSTALL_TEST=1 asks for it (CI, on a machine of its own, as root, since it changes
# the machine itself): apt installs it, the installed command plays, and remove and purge take
# every file of ours away but the players' saves.
# Usage: package_test.sh BUILD_DIR
set -u
BUILD=$(realpath "$1")
HERE=$(dirname "$(realpath "$0")")
. "$HERE/../e2e/lib.sh"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
deb="$BUILD/void-angler_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL: no package at $deb (make package)"; exit 1; }
out=$(mktemp -d "${TMPDIR:-/tmp}/va-e2e-$$-XXXXXX")
trap 'rm -rf "$out"' EXIT

DESTDIR="$out/installed" cmake --install "$BUILD" --prefix /usr >/dev/null
sed "s,^$out/installed,," "$BUILD/install_manifest.txt" | sort >"$out/manifest"
dpkg-deb --fsys-tarfile "$deb" | tar -t | sed -n 's,^\./\(.*[^/]\)$,/\1,p' | sort >"$out/files"
check "the package holds exactly the files the install rules put under /usr" "" \
    diff "$out/manifest" "$out/files"
dpkg-deb -x "$deb" "$out/root"
check "dpkg-shlibdeps found libc and SDL2's libraries; the man page carries the version" "" \
    bash -c "dpkg-deb -f '$deb' Depends | grep 'libc6 (' | grep -q 'libsdl2-mixer-2.0-0 (' \
        && zcat '$out/root/usr/share/man/man6/void-angler.6.gz' | grep -qF '\"void-angler $version\"'"
# validate-tree also checks the launcher and the icon the metainfo names (desktop-file-validate
# checks the launcher in the install test).
check "the metainfo passes appstreamcli validate and validate-tree (no network)" "" \
    bash -c "appstreamcli validate --no-net '$out'/root/usr/share/metainfo/*.metainfo.xml \
        && appstreamcli validate-tree --no-net '$out/root'"
check "lintian finds no error and no warning" "" lintian --fail-on error,warning "$deb"
# The shipped (Release) game replays the stored games in sync, as the test builds do.
for rec in "$HERE"/../replays/*.rec; do
    check "the packaged game replays $(basename "$rec") in sync" "" bash -c "cd '$HERE/../..' && \
        SDL_VIDEODRIVER=dummy '$out/root/usr/libexec/void-angler/void-angler' -timedemo='$rec' \
        2>&1 >/dev/null | grep -q '^replay in sync: '"
done

if [ "${VA_APT_INSTALL_TEST:-}" != 1 ]; then
    echo "SKIPPED: apt install / remove / purge of the package changes this machine's own system;" \
        "VA_APT_INSTALL_TEST=1 (as in .ci/run, on a machine of its own) runs it"
elif [ "$(id -u)" -ne 0 ] || dpkg -s void-angler >/dev/null 2>&1; then
    fail "apt install: needs root, and void-angler not installed already (the test removes it)"
else
    . "$HERE/apt_install.sh"
fi
echo "$E2E_PASSES passed, $E2E_FAILS failed"
[ "$E2E_FAILS" -eq 0 ]
