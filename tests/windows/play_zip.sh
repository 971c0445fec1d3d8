#!/usr/bin/env bash
# The zip's game under Wine, as a player gets it: unpacked into a folder whose name has a space
# and a non-ASCII letter, started there with no WINEPATH (a DLL missing from the zip fails), on
# Xvfb with openbox, driven by XTEST keys. Then the same game from a folder that cannot take a
# new file, which must keep its saves in the player's own folder. Wine's start adds to the
# game's five seconds, more so on a busy machine: a window may take 90 s. The first game is
# recorded under a Greek name, and replayed from both folders.
# Usage: play_zip.sh ZIP SOURCE_DIR BUILD_DIR
# Names here are UTF-8 whatever the caller's locale.
export LC_ALL=C.UTF-8
ZIP=$(realpath "$1")
SRC=$(realpath "$2")
base=$(realpath "$3")
export VA_WIN_NO_PATH=1
BIN="$SRC/scripts/wine-run"
. "$SRC/tests/e2e/lib.sh"

# A Wine server the headless unit tests left running would serve these games without this
# display: wait until it ends.
WINEPREFIX="$base/wine" wineserver -w 2>/dev/null

# A prefix of their own, whose %APPDATA% starts empty: no game here reads or writes a settings,
# scores or save file it did not make, and the build's prefix is left as it was.
prefix=$(mktemp -d "$base/play-zip-XXXXXX")
"$BIN" --linked-prefix "$base" "$prefix"
export VA_WIN_BUILD=$prefix
before=$(mktemp "$prefix/before-XXXXXX")
start_x
unlock() { [ -z "${locked:-}" ] || chattr -i "$locked" 2>/dev/null || chmod u+w "$locked"; }
own_prefix_gone() { WINEPREFIX="$prefix/wine" wineserver -k 2>/dev/null; rm -rf "$prefix"; }
trap 'unlock; stop_x; own_prefix_gone' EXIT

# unpack DIR: the zip's one folder inside DIR, echoed.
unpack() {
    mkdir -p "$1" && (cd "$1" && cmake -E tar xf "$ZIP") && echo "$1"/void-angler-*-win64
}

# The log with one CR stripped from each line holds the fixed start-up lines in order.
matches_golden() {
    sed 's/\r$//' "$1" | awk -v golden="$SRC/tests/golden/startup_fixed_lines.txt" '
        BEGIN { i = 0; while ((getline line < golden) > 0) want[n++] = line }
        i < n {
            w = want[i]
            if (w ~ /\*$/) { ok = index($0, substr(w, 1, length(w) - 1)) == 1 } else { ok = $0 == w }
            if (ok) i++
        }
        END { if (i < n) { print "missing or out of order: " want[i] > "/dev/stderr"; exit 1 } }'
}

# timedemo DIR FILE [FLAG]: replays FILE (named relative to DIR) as fast as it goes, started in
# DIR; -verify as FLAG draws nothing.
timedemo() {
    start_game "$1" "$1/void-angler.exe" "${3:--timedemo}=$2"
    wait_for 120 eval '! kill -0 "$GAME_PID" 2>/dev/null'
    wait_exit
    [ "$GAME_STATUS" -eq 0 ] && grep -q '^replay in sync: [1-9][0-9]* frames' "$1/err"
}

scratch=$(mktemp -d "${TMPDIR:-/tmp}/va-e2e-$$-XXXXXX")
game=$(unpack "$scratch/Spiel Ä")
greek=παιχνίδι.rec
start_game "$game" "$game/void-angler.exe" -record="$greek"
if wait_window 90 && wait_for 30 grep -q '^FullScreen Window Size' "$game/out"; then
    press n
    press space
    press d
    press c
    wait_for 30 eval "ls '$game'/checkpoint*.txt >/dev/null 2>&1"
    press q
    wait_exit
    check "Q quits with status 0" "$game" test "$GAME_STATUS" -eq 0
    check "the log, one CR stripped per line, holds the fixed start-up lines" "$game" \
        matches_golden "$game/out"
    check "the log keeps Windows line ends" "$game" grep -q $'\r$' "$game/out"
    check "C writes a checkpoint and names it" "$game" \
        bash -c "ls '$game'/checkpoint*.txt >/dev/null && grep -q '^Save checkpoint as: checkpoint' '$game/out'"
    check "game.txt holds the 35 seed cells with Unix line ends" "$game" \
        bash -c "[ \$(grep -c '^fart_user_1_lfpt=' '$game/game.txt') -eq 35 ] && ! grep -q $'\r' '$game/game.txt'"
    check "-record=$greek writes the whole game under that name" "$game" \
        bash -c "tail -n 1 '$game/$greek' | grep -q '^end [1-9]'"
    check "-timedemo=$greek replays it in sync" "$game" timedemo "$game" "$greek"
    check "-verify=$greek checks it in sync, drawing nothing" "$game" timedemo "$game" "$greek" -verify
else
    no_window "the zip's game opens a window" "$game"
fi

# The day's whole run recorded on Linux: -verify here replays its 9000 frames in sync and gives
# the score its last frame holds there.
run_score() { printf '%d' "0x$(grep '^digest ' "$1" | tail -n 1 | sed 's/.* score=\([0-9a-f]*\) .*/\1/')"; }
verified_run() {
    timedemo "$game" daily.rec -verify &&
        grep -q "^verify: 9000 frames, .*, score $(run_score "$game/daily.rec"), level " "$game/err"
}
cp "$SRC/tests/replays/daily.rec" "$game/"
check "-verify of a whole daily run recorded on Linux: in sync, its score $(run_score "$game/daily.rec")" \
    "$game" verified_run

# Closed through the window manager (openbox's Alt+F4), like a click on the window's cross.
rm -f "$game/game.txt"
start_game "$game" "$game/void-angler.exe"
if wait_window 90; then
    # The window manager takes the key once the window has its focus: ask until the game ends.
    for _ in $(seq 1 20); do
        kill -0 "$GAME_PID" 2>/dev/null || break
        xdotool windowactivate --sync "$GAME_WIN" >/dev/null 2>&1 || true
        xdotool key alt+F4
        wait_for 1 eval '! kill -0 "$GAME_PID" 2>/dev/null'
    done
    wait_exit
    check "closing the window quits with status 0 and writes game.txt" "$game" \
        bash -c "[ $GAME_STATUS -eq 0 ] && [ -s '$game/game.txt' ]"
else
    no_window "the zip's game opens a window to close" "$game"
fi

# A folder that cannot take a new file (unzipped under Program Files).
locked=$(unpack "$scratch/locked")
cp "$game/$greek" "$locked/" 2>/dev/null
if chattr +i "$locked" 2>/dev/null || { [ "$(id -u)" -ne 0 ] && chmod a-w "$locked"; }; then
    own=$(find "$VA_WIN_BUILD/wine/drive_c/users" -maxdepth 4 -type d -path '*/Roaming' 2>/dev/null |
        head -n 1)/void-angler
    rm -rf "$own"
    logs="$scratch/locked-logs"
    mkdir -p "$logs"
    (cd "$locked" && exec "$BIN" "$locked/void-angler.exe" >"$logs/out" 2>"$logs/err") &
    GAME_PID=$!
    if wait_window 90 && wait_for 30 grep -q '^FullScreen Window Size' "$logs/out"; then
        press q
        wait_exit
        check "a locked start folder: saves go to the player's own folder, dat/ comes from the game's" \
            "$logs" bash -c "[ $GAME_STATUS -eq 0 ] && [ -s '$own/game.txt' ] && [ ! -e '$locked/game.txt' ] \
                && grep -q '^successful load of shot.wav' '$logs/out' \
                && grep -q 'cannot take new files; saves go to .*void-angler' '$logs/err'"
    else
        no_window "the game opens a window from a locked folder" "$logs"
    fi
    # Its output goes to the logs' folder: the locked one takes no new file.
    (cd "$locked" && exec "$BIN" "$locked/void-angler.exe" -timedemo="$greek" >"$logs/out" 2>"$logs/err") &
    GAME_PID=$!
    wait_for 120 eval '! kill -0 "$GAME_PID" 2>/dev/null'
    wait_exit
    check "a locked start folder: -timedemo=$greek still names the file in the folder started in" \
        "$logs" bash -c "[ $GAME_STATUS -eq 0 ] && grep -q '^replay in sync: [1-9][0-9]* frames' '$logs/err'"
else
    echo "SKIP: no way to lock a folder here (chattr +i refused)"
fi

check "the games left the build's own Wine prefix as it was" "$prefix" \
    bash -c "[ -z \"\$(find '$base/wine/drive_c/users' -newer '$before' -print -quit)\" ]"

echo "$E2E_PASSES passed, $E2E_FAILS failed"
[ "$E2E_FAILS" -eq 0 ]
