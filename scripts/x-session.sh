# shellcheck shell=bash
# The real game under Xvfb with openbox, driven by XTEST keys: an X server with a window manager,
# a scratch working directory holding dat/, the game started in it and waited for by state.
# Sourced by the maintainer scripts (recording, screenshots, timing) and the end-to-end tests.
set -u

# E2E_LOCKED: folders a case made read-only; stop_x makes them writable again whatever happened.
XVFB_PID='' WM_PID='' E2E_LOCKED=()

# wait_for SECONDS COMMAND...: polls COMMAND until it succeeds or the deadline passes.
wait_for() {
    local end=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < end)) || return 1
        sleep 0.1
    done
}

# start_x [WxH]: an X server (1920x1080 unless told) on a free display of 91-140 and openbox.
# Xvfb itself claims the display through its lock file, so runs started side by side never share
# one: a server that finds its number taken exits, and the next number is tried.
start_x() {
    local n ready
    ready=$(mktemp "${TMPDIR:-/tmp}/va-e2e-$$-display-XXXXXX")
    XVFB_PID='' WM_PID=''
    for n in $(seq 91 140); do
        Xvfb ":$n" -displayfd 3 -screen 0 "${1:-1920x1080}x24" -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
        XVFB_PID=$!
        wait_for 30 eval '[ -s "$ready" ] || ! kill -0 "$XVFB_PID" 2>/dev/null'
        [ -s "$ready" ] && kill -0 "$XVFB_PID" 2>/dev/null && break
        kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
        XVFB_PID=''
    done
    rm -f "$ready"
    [ -n "$XVFB_PID" ] || { echo "no free X display in 91-140" >&2; return 1; }
    export DISPLAY=":$n"
    # The game's own settings folder, scratch: no run reads or writes the machine's.
    XDG_CONFIG_HOME=$(mktemp -d "${TMPDIR:-/tmp}/va-e2e-$$-config-XXXXXX")
    export XDG_CONFIG_HOME
    # Desktop full-screen needs a window manager, as on a player's desktop; openbox is
    # ready once it names its check window on the root window.
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    wait_for 30 eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' ||
        echo "openbox did not start" >&2
}

stop_x() {
    local dir
    for dir in "${E2E_LOCKED[@]}"; do
        chattr -i "$dir" 2>/dev/null
        chmod u+w "$dir" 2>/dev/null
    done
    kill "$WM_PID" 2>/dev/null
    kill "$XVFB_PID" 2>/dev/null
    wait 2>/dev/null
    rm -rf "${TMPDIR:-/tmp}"/va-e2e-"$$"-*
}

# start_session NAME TOOL...: for the scripts/ that drive the game: checks the tools and $BIN,
# starts the X server and sets WORK to a scratch folder with dat/; all of it ends with the script.
start_session() {
    local name=$1 tool
    shift
    for tool in Xvfb openbox xdotool xdpyinfo "$@"; do
        command -v "$tool" >/dev/null || { echo "$name: $tool is missing" >&2; exit 1; }
    done
    [ -x "$BIN" ] || { echo "$name: no game at $BIN (make build)" >&2; exit 1; }
    start_x || exit 1
    WORK=$(new_workdir)
    trap 'kill "$GAME_PID" 2>/dev/null || true; stop_x' EXIT
}

# new_workdir: a scratch directory with dat/ linked in, echoed.
new_workdir() {
    local dir
    dir=$(mktemp -d "${TMPDIR:-/tmp}/va-e2e-$$-XXXXXX")
    ln -s "$SRC/dat" "$dir/dat"
    echo "$dir"
}

# GAME_ERRS: each started game's stderr file, by process id, so wait_window can see its renderer.
declare -A GAME_ERRS=()

# start_game DIR [ARGS...]: starts the game in DIR, logging to DIR/out and DIR/err, with its
# settings in DIR/config/void-angler.
start_game() {
    local dir=$1
    shift
    # Each game its own settings folder: one that F11 left windowed starts no other windowed.
    (cd "$dir" && XDG_CONFIG_HOME="$dir/config" exec "$BIN" "$@" >"$dir/out" 2>"$dir/err") &
    GAME_PID=$!
    GAME_ERRS[$GAME_PID]=$dir/err
}

# wait_window [SECONDS]: waits (30 s unless told: a start takes five) for the window of GAME_PID
# into GAME_WIN. An X error (another window closed during the search) counts as not found yet.
# A game begun by start_game is waited for until it names its renderer: opening the renderer
# may replace the first window, and keys sent to that one are lost.
wait_window() {
    local err=${GAME_ERRS[$GAME_PID]:-}
    GAME_WIN=''
    wait_for "${1:-30}" eval '{ [ -z "$err" ] || grep -q "^renderer: " "$err"; } &&
        GAME_WIN=$(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | tail -n 1) &&
        [ -n "$GAME_WIN" ]' || { echo "no window of process $GAME_PID within ${1:-30} s" >&2 && return 1; }
}

# wait_ready: waits until the window manager has made GAME_WIN full-screen at the origin, so
# clicks land where they aim (press asks for the focus itself).
# The window is looked up again each time: SDL may replace its first window when the renderer
# starts, and the one found first is then gone.
wait_ready() {
    wait_for 30 eval 'GAME_WIN=$(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | tail -n 1);
        [ -n "$GAME_WIN" ] && xprop -id "$GAME_WIN" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_FULLSCREEN &&
        xdotool getwindowgeometry "$GAME_WIN" 2>/dev/null | grep -q "Position: 0,0"' ||
        { echo "window $GAME_WIN: not full-screen at the origin within 30 s" >&2 && return 1; }
}

# wait_exit: waits for the game to end (up to 30 s; a game still running is killed) and sets
# GAME_STATUS.
wait_exit() {
    wait_for 30 eval '! kill -0 "$GAME_PID" 2>/dev/null' || true
    kill -9 "$GAME_PID" 2>/dev/null || true
    # Written so that a caller under `set -e` (scripts/) survives a failing game.
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
}

# press KEY...: to the game's window, looked up again if the one known has gone.
press() {
    xdotool getwindowname "${GAME_WIN:-}" >/dev/null 2>&1 ||
        wait_for 10 eval 'GAME_WIN=$(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | tail -n 1);
            [ -n "$GAME_WIN" ]' || true
    timeout 10 xdotool windowactivate --sync "$GAME_WIN" >/dev/null 2>&1 || true
    xdotool key --window "$GAME_WIN" --clearmodifiers "$@" 2>/dev/null || xdotool key "$@"
}
