# The end-to-end cases' checks, over the X session the scripts share (scripts/x-session.sh).
# shellcheck source=../../scripts/x-session.sh
. "$(dirname "${BASH_SOURCE[0]}")/../../scripts/x-session.sh"

E2E_FAILS=0 E2E_PASSES=0

pass() { E2E_PASSES=$((E2E_PASSES + 1)) && echo "PASS: $1"; }

# fail NAME [DIR]: with the tail of the game's stdout and all of its stderr in DIR.
fail() {
    E2E_FAILS=$((E2E_FAILS + 1))
    echo "FAIL: $1"
    [ ! -d "${2:-}" ] ||
        { echo "--- stdout (tail)"; tail -n 20 "$2/out"; echo "--- stderr"; cat "$2/err"; } 2>/dev/null
}

# no_window NAME DIR: the game showed no window in time: it is stopped, and NAME fails.
no_window() { kill "$GAME_PID" 2>/dev/null; wait_exit; fail "$1" "$2"; }

# whole_save FILE: the 35 seed cells and each state key once, every line ended by a line break.
whole_save() {
    [ "$(grep -c '^fart_user_1_lfpt=[0-9]*,[0-9]*$' "$1")" -eq 35 ] \
        && [ "$(grep -oE '^fart_user_1_(score|level|liff_cycle_freeze|pause_game)=[0-9]+$' "$1" \
            | cut -d= -f1 | sort -u | wc -l)" -eq 4 ] \
        && [ "$(wc -l <"$1")" -eq 39 ] && [ "$(grep -c '' "$1")" -eq 39 ]
}

# check NAME DIR COMMAND...: passes when the command succeeds.
check() {
    local name=$1 dir=$2
    shift 2
    if "$@"; then pass "$name"; else fail "$name" "$dir"; fi
}
