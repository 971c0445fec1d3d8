#!/usr/bin/env bash
# The package on a real system: apt installs it, the installed command plays, and remove and
# purge take every file of ours away but the players' saves. This changes the machine itself, so
# it runs only where VA_APT_INSTALL_TEST=1 asks for it (CI, on a machine of its own, as root).
# Usage: apt_install.sh BUILD_DIR
set -u
if [ "${VA_APT_INSTALL_TEST:-}" != 1 ]; then
    echo "SKIPPED: apt install / remove / purge of the package: it changes this machine's own" \
        "system; set VA_APT_INSTALL_TEST=1 on a machine of its own (as .ci/run does) to run it"
    exit 0
fi
BUILD=$(realpath "$1")
HERE=$(dirname "$(realpath "$0")")
. "$HERE/../e2e/lib.sh"
[ "$(id -u)" -eq 0 ] || { echo "FAIL: the apt install test needs root"; exit 1; }
if dpkg -s void-angler >/dev/null 2>&1; then
    echo "FAIL: void-angler is installed already; the test would remove it"
    exit 1
fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")
deb="$BUILD/void-angler_${version}_$(dpkg --print-architecture).deb"
start_x
trap 'stop_x; dpkg -s void-angler >/dev/null 2>&1 && apt-get purge -y -qq void-angler' EXIT
apt() { DEBIAN_FRONTEND=noninteractive apt-get "$@" -y -qq >"$out/apt.log" 2>&1 || cat "$out/apt.log"; }
out=$(mktemp -d "${TMPDIR:-/tmp}/va-e2e-$$-XXXXXX")

apt install "$deb"
check "apt-get installs the package" "" bash -c "dpkg -s void-angler | grep -qx 'Status: install ok installed'"
(cd "$out" && HOME="$out/help" /usr/games/void-angler -help >"$out/out" 2>"$out/err")
check "/usr/games/void-angler -help prints the four help lines, then its version on stderr" "$out" \
    bash -c "[ \"\$(tail -n 4 '$out/out')\" = \"\$(printf '%s\\n' '-help show this message..' \
        '-test run tests...' '-run_lvl=n run game at lvl n...' '-demo_mode run demo mode')\" ] \
        && [ \"\$(tail -n 1 '$out/err')\" = 'void-angler $version' ]"
check "the software centre's catalogue lists it" "" \
    bash -c "appstreamcli get org.mogulira.void_angler | grep -q 'Mogu Lira: Void-Angler'"

INSTALLED_PREFIX=/usr INSTALLED_COMMAND=/usr/games/void-angler
. "$HERE/../e2e/cases/50_install.sh"

dpkg -L void-angler | while read -r f; do [ -d "$f" ] || echo "$f"; done >"$out/files"
# gone: none of the package's files, nor a folder of ours, is left.
gone() {
    local f
    [ -s "$out/files" ] || return 1
    while read -r f; do [ ! -e "$f" ] && [ ! -L "$f" ] || return 1; done <"$out/files"
    for f in /usr/libexec/void-angler /usr/share/void-angler /usr/share/doc/void-angler; do
        [ ! -e "$f" ] || return 1
    done
}
apt remove void-angler
check "apt-get remove takes every file of the package away, and its folders" "" gone
apt purge void-angler
check "after purge dpkg knows nothing of it; both players' saves stay" "" \
    bash -c "! dpkg -s void-angler >/dev/null 2>&1 \
        && [ -f '$inst/home0/.local/share/void-angler/game.txt' ] \
        && [ -f '$inst/xdg/void-angler/game.txt' ]"

echo "$E2E_PASSES passed, $E2E_FAILS failed"
[ "$E2E_FAILS" -eq 0 ]
