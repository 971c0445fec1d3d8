#!/bin/bash
# Records the stored replays (tests/replays/) with the real game under Xvfb and openbox,
# driven by xdotool:
#   scripts/record-replays.sh build/void-angler [NAME...]
#   scripts/record-replays.sh build-win/void-angler-VERSION-win64.zip volley
# Given the Windows zip, its void-angler.exe plays under Wine and the recording is named
# windows-NAME. `make replays` then digests the drawn frames headless (and redigests the Linux
# recordings' states, never another platform's). Look at what each recording shows before
# committing it.
set -eu
BIN=$(readlink -f "${1:?usage: record-replays.sh GAME|ZIP [NAME...]}")
shift
SRC=$(cd "$(dirname "$0")/.." && pwd)
OUT=$SRC/tests/replays
# The program and the words before the game's own arguments; a prefix for the stored names.
GAME=("$BIN") PREFIX=''
# shellcheck source=x-session.sh
. "$SRC/scripts/x-session.sh"

# A small screen keeps the sanitizer build's replays short; its own displays, not the e2e ones.
start_x() {
    local n
    for n in $(seq "${VA_DISPLAY_FROM:-260}" "${VA_DISPLAY_TO:-279}"); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 "${VA_SCREEN:-1024x768}x24" -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    sleep 1
}

hold() { # hold SECONDS KEY...: keys down together, then up
    local t=$1
    shift
    xdotool keydown "$@"
    sleep "$t"
    xdotool keyup "$@"
}

tap() {
    local k
    for k in "$@"; do
        xdotool key "$k"
        sleep 0.3
    done
}

# Firing while turning full circles sends missiles over all four edges; thrust carries the
# ship across the top; E, S, P and G on the way.
scene_edges() {
    hold 6 space Left
    hold 1.5 Up
    hold 4 space Right
    tap e s p
    sleep 1
    tap p s g g
    hold 1.2 Up Left
    hold 4 space Left
}

# From a saved game (score 2500: a larger magazine): clear the field for a level step, then
# the milk run and two N waves.
scene_waves() {
    hold 14 space Left
    tap m
    hold 5 space Right
    tap n n
    hold 5 space Left
    tap m
}

# The flock's sight widened with V and Up, narrowed with V and Down; the overlay and the
# help panel; a right-click pick with the islands held; a checkpoint; thrust through the
# field.
scene_flock() {
    tap v Up v Up v Down d h
    sleep 1
    xdotool mousemove --sync 145 271 mousedown 3
    sleep 1.5
    xdotool mouseup 3
    tap c h
    hold 2 Up
    sleep 3
    hold 0.6 Right
    hold 2 Up
    sleep 4
    tap d
}

# One thrust carries the ship straight up the middle column, where the portal ends of two
# islands lie, so a showing on either takes it across; with the overlay on, 1 logs the ship's
# place every second or so, which shows each crossing as a jump to another column. Ends near
# 1700 frames ($dir is the game's folder, set by record).
scene_portal() {
    tap d 1
    hold 0.6 Up
    while kill -0 "$GAME_PID" 2>/dev/null &&
        [ "$(grep -c '^frame ' "$dir/portal.rec")" -lt 1700 ]; do
        sleep 1
        tap 1
    done
}

# The ship's place, logged by 1, changed column: it went through the portal.
shows_portal() {
    [ "$(grep -o 'g_sprite_frect::x=[-0-9.]*' "$dir/out" | sort -u | wc -l)" -gt 1 ]
}

# Missiles while turning both ways, thrust and two N waves (the page records it too, in
# scripts/record-web-replay.mjs).
scene_volley() {
    hold 3 space Left
    tap n
    hold 3 space Right
    hold 0.8 Up
    tap n
    hold 3 space Left
}

# Played with the player's settings (see `record settings` below): F fires, one tap of Up
# thrusts until the next, and Space fires nothing. The recording holds the rows' keys, so it
# replays with no settings file.
scene_settings() {
    tap Up
    hold 2 f Left
    tap Up
    hold 1.5 space Right
    hold 2 f Right
    tap n
    hold 2 f Left
}

# Fire as Space, never as F, and thrust pressed and let go only by the two taps of Up.
shows_settings() {
    local rec=$dir/settings.rec
    grep -q '^key 44 down$' "$rec" && ! grep -q '^key 9 ' "$rec" &&
        [ "$(grep -c '^key 82 down$' "$rec")" -eq 1 ] && [ "$(grep -c '^key 82 up$' "$rec")" -eq 1 ]
}

# The day's run played whole: missiles while turning, thrust, S and P on the way (frames go on
# through a pause), until it ends by itself at frame 9000; then its panel takes the initials,
# and Escape leaves once it is entered. A run records itself, into the table's folder.
run_made() { ls "$dir"/config/void-angler/daily-*.rec 2>/dev/null | head -n 1; }
scene_daily() {
    while kill -0 "$GAME_PID" 2>/dev/null && ! grep -qs '^end 9000$' "$(run_made)"; do
        hold 1.5 space Left
        hold 0.5 Up
        hold 1.5 space Right
        tap s p p s
    done
    # Keys held as it ended went to the initials: cleared first.
    sleep 1
    tap BackSpace BackSpace BackSpace a b c Return
    wait_for 60 grep -qs '^initials=ABC ' "$dir/config/void-angler/scores.txt"
    tap Escape
}

shows_daily() {
    grep -q '^end 9000$' "$(run_made)"
}

# Not stored: the heavy scene of `make bench` for a -timedemo figure (VA_SCREEN=1920x1080):
# five N waves, a saved score of 2500, a stream of missiles while turning.
scene_heavy() {
    tap n n n n n d
    hold 30 space Left
}

record() { # record NAME [GAME.TXT CONTENT [SETTINGS.TXT CONTENT]]
    local name=$1 dir
    dir=$(new_workdir)
    [ -z "${2:-}" ] || printf '%s' "$2" >"$dir/game.txt"
    # start_game gives each game this settings folder.
    [ -z "${3:-}" ] || { mkdir -p "$dir/config/void-angler" &&
        printf '%s' "$3" >"$dir/config/void-angler/settings.txt"; }
    local args=(-record="$name.rec") made=$dir/$name.rec
    [ "$name" != daily ] || args=(-arcade=daily)
    SDL_AUDIODRIVER=dummy start_game "$dir" "${GAME[@]:1}" "${args[@]}"
    # Wine takes longer to show a window, and its full-screen is the log's to tell.
    if [ -n "$PREFIX" ]; then
        wait_window 90 && wait_for 30 grep -q '^FullScreen Window Size' "$dir/out"
    else
        wait_window && wait_ready
    fi || { echo "$name: no window" >&2; cat "$dir/err" >&2; exit 1; }
    xdotool windowactivate --sync "$GAME_WIN" >/dev/null 2>&1 || true
    "scene_$name"
    tap q
    wait_exit
    [ "$GAME_STATUS" -eq 0 ] || { echo "$name: status $GAME_STATUS" >&2; exit 1; }
    if declare -F "shows_$name" >/dev/null && ! "shows_$name"; then
        echo "$name: the scene missed what it is for" >&2
        return 1
    fi
    [ "$name" != daily ] || made=$(run_made)
    cp "$made" "${VA_REPLAY_OUT:-$OUT}/$PREFIX$name.rec"
    echo "$PREFIX$name: $(grep -c '^frame ' "$made") frames" >&2
}

ZIP=''
if [[ $BIN == *.zip ]]; then
    ZIP=$BIN BIN=$SRC/scripts/wine-run PREFIX=windows-
    # The zip's own DLLs, as a player has them.
    export VA_WIN_NO_PATH=1
fi
start_session record-replays
if [ -n "$ZIP" ]; then
    mkdir "$WORK/win" && (cd "$WORK/win" && cmake -E tar xf "$ZIP")
    GAME=("$BIN" "$(echo "$WORK"/win/void-angler-*-win64)/void-angler.exe")
fi
mkdir -p "$OUT"
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(edges waves flock portal)
for name in "${names[@]}"; do
    case $name in
    waves) record waves $'fart_user_1_score=2500\nfart_user_1_level=3\n' ;;
    settings) record settings '' $'bind_fire=F\ntoggle_thrust=on\nvolume=40\n' ;;
    heavy) record heavy $'fart_user_1_score=2500\nfart_user_1_level=1\n' ;;
    # Where the portal first shows is drawn at random: play again until the ship crosses.
    portal) record portal || record portal || record portal || record portal || exit 1 ;;
    *) record "$name" ;;
    esac
done
