# Sourced by package_test.sh: the package installed, played, removed and purged by apt.
games=/usr/games/void-angler
apt_get() {
    DEBIAN_FRONTEND=noninteractive apt-get "$@" -y -qq >"$out/apt.log" 2>&1 || cat "$out/apt.log"
}
installed() { dpkg -s void-angler 2>/dev/null | grep -qx 'Status: install ok installed'; }
# gone: none of the package's files, nor a folder of ours, is left (ls names those still there).
gone() {
    [ -s "$out/files" ] && [ -z "$(xargs -a "$out/files" ls -d /usr/libexec/void-angler \
        /usr/share/void-angler /usr/share/doc/void-angler 2>/dev/null)" ]
}
purged() {
    gone && ! dpkg -s void-angler >/dev/null 2>&1 &&
        ls "$inst/xdg/void-angler/game.txt" "$inst/home0/.local/share/void-angler/game.txt" >/dev/null
}

start_x
trap 'stop_x; rm -rf "$out"; ! installed || apt-get purge -y -qq void-angler' EXIT
apt_get install "$deb"
check "apt-get installs the package" "" installed
(cd "$out" && HOME="$out/help" "$games" -help >"$out/out" 2>"$out/err")
check "$games -help prints the four help lines, then its version on stderr" "$out" \
    bash -c "[ \"\$(tail -n 4 '$out/out')\" = \"\$(printf '%s\\n' '-help show this message..' \
        '-test run tests...' '-run_lvl=n run game at lvl n...' '-demo_mode run demo mode')\" ] \
        && [ \"\$(tail -n 1 '$out/err')\" = 'void-angler $version' ]"
check "the software centre's catalogue lists it" "" \
    bash -c "appstreamcli get org.mogulira.void_angler | grep -q 'Mogu Lira: Void-Angler'"

INSTALLED_PREFIX=/usr INSTALLED_COMMAND=$games
. "$HERE/../e2e/cases/50_install.sh"

dpkg -L void-angler | while read -r f; do [ -d "$f" ] || echo "$f"; done >"$out/files"
apt_get remove void-angler
check "apt-get remove takes every file of the package away, and its folders" "" gone
# Remove leaves nothing for purge (there are no conffiles): purge an installed package too.
apt_get install "$deb"
apt_get purge void-angler
check "apt-get purge does the same, dpkg forgets it, and both players' saves stay" "" purged
