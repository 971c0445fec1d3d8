# The installed game: cmake --install into a scratch prefix (or the game already installed in
# INSTALLED_PREFIX with its command INSTALLED_COMMAND, as by the package test), then the command
# started from an empty folder by two players, one with XDG_DATA_HOME and one without; each saves
# in their own.

if [ -n "${BUILD:-}" ] || [ -n "${INSTALLED_PREFIX:-}" ]; then
    inst=$(mktemp -d "${TMPDIR:-/tmp}/va-e2e-$$-XXXXXX")
    mkdir "$inst/elsewhere" "$inst/run0" "$inst/run1"
    prefix=${INSTALLED_PREFIX:-$inst/prefix} cmd=${INSTALLED_COMMAND:-$inst/prefix/bin/void-angler}
    [ -n "${INSTALLED_PREFIX:-}" ] ||
        cmake --install "$BUILD" --prefix "$prefix" >"$inst/run0/out" 2>"$inst/run0/err"
    check "the installed launcher validates, with its six icon sizes beside it" "$inst/run0" \
        bash -c "desktop-file-validate '$prefix/share/applications/void-angler.desktop' \
            && [ \$(ls '$prefix'/share/icons/hicolor/*/apps/void-angler.png | wc -l) -eq 6 ]"
    xdgs=("" "$inst/xdg") saves=("$inst/home0/.local/share/void-angler" "$inst/xdg/void-angler")
    # One after the other: two full-screen games at once fight over the focus the keys need.
    for i in 0 1; do
        (cd "$inst/elsewhere" && exec env -u XDG_DATA_HOME HOME="$inst/home$i" \
            ${xdgs[$i]:+XDG_DATA_HOME="${xdgs[$i]}"} "$cmd" \
            >"$inst/run$i/out" 2>"$inst/run$i/err") &
        GAME_PID=$! dir=${saves[$i]}
        if wait_window && wait_ready; then
            press c
            wait_for 30 eval 'ls "$dir"/checkpoint*.txt >/dev/null 2>&1'
            press q
        fi
        wait_exit
        check "player $i: C and Q leave one checkpoint and game.txt in ${dir#"$inst"/}, by dat/" \
            "$inst/run$i" bash -c "[ $GAME_STATUS -eq 0 ] \
                && [ \$(ls '$dir'/checkpoint*.txt | wc -l) -eq 1 ] \
                && grep -qx 'fart_user_1_score=0' '$dir/game.txt' && [ \"\$(readlink '$dir/dat')\" \
                = \"\$(realpath '$prefix/share/void-angler/dat')\" ]"
    done
    check "nothing lands in the folder it was started from, nor in the XDG player's ~/.local" \
        "$inst/run1" bash -c "[ -z \"\$(ls -A '$inst/elsewhere')\" ] && [ ! -e '$inst/home1/.local' ]"
fi
