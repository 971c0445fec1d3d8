# Shared helpers for the end-to-end cases: an X server with a window manager,
# a scratch working directory holding dat/, and the game started in it.
set -u

E2E_FAILS=0
E2E_PASSES=0

start_x() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do
        xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    # Desktop full-screen needs a window manager, as on a player's desktop.
    openbox >/dev/null 2>&1 &
    WM_PID=$!
    sleep 1
}

stop_x() {
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
    start_x
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

# start_game DIR [ARGS...]: starts the game in DIR, logging to DIR/out and DIR/err.
start_game() {
    local dir=$1
    shift
    (cd "$dir" && exec "$BIN" "$@" >"$dir/out" 2>"$dir/err") &
    GAME_PID=$!
}

# wait_window: waits until the game's window is mapped, up to 30 s.
wait_window() {
    GAME_WIN=$(timeout 30 xdotool search --sync --onlyvisible --name "Mogu Lira: Void-Angler" | head -n 1)
    [ -n "$GAME_WIN" ]
}

# wait_pid_window: polls (up to 30 s) for a visible window of GAME_PID into GAME_WIN; a search
# fails outright when another window dies while it runs.
wait_pid_window() {
    local end=$((SECONDS + 30))
    GAME_WIN=''
    until [ -n "$GAME_WIN" ] || ((SECONDS > end)); do
        sleep 0.1
        GAME_WIN=$(xdotool search --onlyvisible --pid "$GAME_PID" 2>/dev/null | head -n 1)
    done
    [ -n "$GAME_WIN" ]
}

# wait_exit: waits for the game to end (up to 30 s; a game still running is killed) and sets
# GAME_STATUS.
wait_exit() {
    local i
    for i in $(seq 1 300); do
        kill -0 "$GAME_PID" 2>/dev/null && sleep 0.1 || break
    done
    kill -9 "$GAME_PID" 2>/dev/null || true
    # Written so that a caller under `set -e` (scripts/) survives a failing game.
    GAME_STATUS=0
    wait "$GAME_PID" || GAME_STATUS=$?
}

press() {
    xdotool windowactivate --sync "$GAME_WIN" >/dev/null 2>&1 || true
    xdotool key --window "$GAME_WIN" --clearmodifiers "$@" 2>/dev/null || xdotool key "$@"
}

pass() { E2E_PASSES=$((E2E_PASSES + 1)) && echo "PASS: $1"; }

# fail NAME [DIR]: with the tail of the game's stdout and all of its stderr in DIR.
fail() {
    E2E_FAILS=$((E2E_FAILS + 1))
    echo "FAIL: $1"
    [ ! -d "${2:-}" ] ||
        { echo "--- stdout (tail)"; tail -n 20 "$2/out"; echo "--- stderr"; cat "$2/err"; } 2>/dev/null
}

# check NAME DIR COMMAND...: passes when the command succeeds.
check() {
    local name=$1 dir=$2
    shift 2
    if "$@"; then pass "$name"; else fail "$name" "$dir"; fi
}
