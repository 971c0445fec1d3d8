# The display: full-screen toggles and a resize during play, -window and -scale, bad values.

# masked_log FILE: the log with every number masked (rocks and checkpoints come from the clock).
masked_log() { sed -E 's/-?[0-9]+(\.[0-9]+)?(e[-+]?[0-9]+)?/#/g' "$1"; }

# window_size: the game window's size as WxH.
window_size() {
    xdotool getwindowgeometry "$GAME_WIN" 2>/dev/null | sed -n 's/^ *Geometry: //p'
}

# Bad values: one line on stderr, a failure status and no window. They run side by side,
# each taking the usual five-second start.
bad_dirs=() bad_pids=() bad_args=()
for arg in -window=0x0 -window=-800x600 -window=800xabc -window=20000x600 -window=640x480 \
    "-window=1280x720 -scale=2" -scale=5 -scale=2; do
    dir=$(new_workdir)
    # shellcheck disable=SC2086 # the pair of flags is two arguments
    start_game "$dir" $arg
    bad_dirs+=("$dir") bad_pids+=("$GAME_PID") bad_args+=("$arg")
done
for i in "${!bad_dirs[@]}"; do
    GAME_PID=${bad_pids[$i]} dir=${bad_dirs[$i]}
    wait_exit
    check "${bad_args[$i]}: one line on stderr, a failure status, no window" "$dir" \
        bash -c "[ $GAME_STATUS -ne 0 ] && [ \$(grep -c '^void-angler: ' '$dir/err') -eq 1 ] \
            && ! grep -q 'FullScreen Window Size' '$dir/out' && [ ! -e '$dir/game.txt' ]"
done

dir=$(new_workdir)
start_game "$dir" -scale=2 -help
wait_exit
check "-help among the display flags still prints its four lines and ends with 0" "$dir" \
    bash -c "[ $GAME_STATUS -eq 0 ] && [ \$(grep -c '^-[a-z]' '$dir/out') -eq 4 ] \
        && ! grep -q 'FullScreen Window Size' '$dir/out'"

# play_toggles DIR: H, then (with "toggle") F11, Alt+Enter, a resize, F11 back, then H and Q.
play_toggles() {
    local dir=$1 toggle=${2:-}
    start_game "$dir"
    wait_pid_window || { kill "$GAME_PID" 2>/dev/null; wait_exit; return 1; }
    sleep 1
    press h
    if [ -n "$toggle" ]; then
        press F11
        sleep 1
        window_size >"$dir/windowed"
        press alt+Return
        sleep 1
        press alt+Return
        sleep 1
        xdotool windowsize "$GAME_WIN" 1000 700
        sleep 1
        window_size >"$dir/resized"
        press F11
        sleep 1
    fi
    press h
    sleep 0.5
    kill -0 "$GAME_PID" 2>/dev/null >"$dir/alive" && echo yes >"$dir/alive"
    press q
    wait_exit
}
plain=$(new_workdir)
toggled=$(new_workdir)
if play_toggles "$plain" && play_toggles "$toggled" toggle; then
    check "F11 and Alt+Enter leave full-screen for a window of the field's size" "$toggled" \
        grep -qx '1920x10[0-9][0-9]' "$toggled/windowed"
    check "the window takes xdotool's resize" "$toggled" grep -qx '1000x700' "$toggled/resized"
    check "the game plays on through the toggles and quits with status 0" "$toggled" \
        bash -c "[ $GAME_STATUS -eq 0 ] && grep -qx yes '$toggled/alive' \
            && [ \$(grep -c '^display help menu...$' '$toggled/out') -eq 2 ]"
    check "its log, numbers masked, equals a run without the toggles" "$toggled" \
        diff <(masked_log "$plain/out") <(masked_log "$toggled/out")
    check "the fixed start-up lines still match the golden file" "$toggled" \
        bash -c "grep -vxFf '$toggled/out' <(grep -v '\\*\$' '$SRC/tests/golden/startup_fixed_lines.txt') \
            | { ! grep -q .; }"
else
    fail "a window for the toggle runs" "$toggled"
fi

dir=$(new_workdir)
start_game "$dir" -window=800x600
if wait_pid_window; then
    sleep 1
    size=$(window_size)
    press q
    wait_exit
    check "-window=800x600 gives an 800 x 600 field in an 800 x 600 window" "$dir" \
        bash -c "[ '$size' = 800x600 ] && grep -qx 'FullScreen Window Size X=800, y=600' '$dir/out' \
            && grep -qx 'WINDOW_SIZE_X:800' '$dir/out' && [ $GAME_STATUS -eq 0 ]"
else
    kill "$GAME_PID" 2>/dev/null; wait_exit
    fail "-window=800x600 opens a window" "$dir"
fi

# Debian's python3 has the picture modules; another python3 may come first on PATH.
E2E_PYTHON=$(for p in /usr/bin/python3 python3; do
    $p -c 'import PIL, numpy' 2>/dev/null && { echo "$p"; break; }
done)

# -scale=2 on a 3840 x 2160 screen of its own.
big_x() {
    local n
    for n in $(seq "${BIG_FIRST_DISPLAY:-91}" "${BIG_LAST_DISPLAY:-140}"); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 3840x2160x24 -nolisten tcp >/dev/null 2>&1 &
    BIG_XVFB=$!
    BIG_DISPLAY=":$n"
    for _ in $(seq 1 100); do
        DISPLAY=$BIG_DISPLAY xdpyinfo >/dev/null 2>&1 && break
        sleep 0.1
    done
    DISPLAY=$BIG_DISPLAY openbox >/dev/null 2>&1 &
    BIG_WM=$!
    sleep 1
}
big_x
small_display=$DISPLAY
export DISPLAY=$BIG_DISPLAY
dir=$(new_workdir)
start_game "$dir" -scale=2
if wait_pid_window; then
    sleep 2
    # A capture may catch the screen between two strips of one frame's upload: a few tries.
    for i in 1 2 3 4 5; do
        import -window root "$dir/screen$i.png"
    done
    press q
    wait_exit
    check "-scale=2 on a 3840 x 2160 screen plays on a 1920 x 1080 field" "$dir" \
        bash -c "grep -qx 'FullScreen Window Size X=1920, y=1080' '$dir/out' && [ $GAME_STATUS -eq 0 ]"
    check "and every drawn pixel is a 2 x 2 block" "$dir" "$E2E_PYTHON" -c "
import glob, sys
import numpy as np
from PIL import Image
for f in sorted(glob.glob('$dir/screen*.png')):
    a = np.asarray(Image.open(f).convert('RGB'))
    b = a[0::2, 0::2]
    whole = (a[1::2, 0::2] == b).all() and (a[0::2, 1::2] == b).all() and (a[1::2, 1::2] == b).all()
    drawn = len(np.unique(b.reshape(-1, 3), axis=0)) > 20
    if a.shape == (2160, 3840, 3) and whole and drawn:
        sys.exit(0)
sys.exit(1)
"
else
    kill "$GAME_PID" 2>/dev/null; wait_exit
    fail "-scale=2 opens a window" "$dir"
fi
export DISPLAY=$small_display
kill "$BIG_WM" "$BIG_XVFB" 2>/dev/null
wait "$BIG_WM" "$BIG_XVFB" 2>/dev/null
