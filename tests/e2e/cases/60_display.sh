# The display: full-screen toggles and a resize during play, -window and -scale, bad values.
size_of() { xdotool getwindowgeometry "$GAME_WIN" 2>/dev/null | sed -n 's/^ *Geometry: //p'; }

# A bad value through the real binary: one stderr line, a failure status, no window (each
# value's own line is the unit tests'). -scale=2 on this 1920 x 1080 screen is a 960 x 540 field.
for bad in -window=640x480 -scale=2; do
    dir=$(new_workdir) && start_game "$dir" "$bad" && wait_exit
    check "$bad: one stderr line, a failure status, no window" "$dir" bash -c "[ $GAME_STATUS -ne 0 ] \
        && [ \$(grep -c '^void-angler: ' '$dir/err') -eq 1 ] && ! grep -q 'Window Size' '$dir/out'"
done

# full_screen 1|0: waits (up to 10 s) until the window manager says so.
full_screen() { wait_for 10 eval '[ "$(xprop -id "$GAME_WIN" _NET_WM_STATE | grep -c FULLSCREEN)" = '"$1"' ]'; }
# resize_to WxH: the size the game asks for on leaving full-screen can land after ours; a size
# that does not hold for two seconds is asked for again, three times at most.
resize_to() {
    local want=$1
    for _ in 1 2 3; do
        xdotool windowsize --sync "$GAME_WIN" ${want/x/ } || return 1
        wait_for 3 eval '[ "$(size_of)" != "$want" ]' || return 0
    done
}
# play DIR [toggle]: H, (F11, Alt+Enter twice, a resize, F11), H, Q.
play() {
    start_game "$1"
    wait_window && full_screen 1 || { kill "$GAME_PID"; wait_exit; return 1; }
    press h
    if [ -n "${2:-}" ]; then
        press F11 && full_screen 0 && size_of >"$1/windowed"
        press alt+Return && full_screen 1 && press alt+Return && full_screen 0 &&
            resize_to 1000x700 && size_of >"$1/resized"
        press F11 && full_screen 1 || echo "no toggle" >>"$1/resized"
    fi
    press h && kill -0 "$GAME_PID" && press q
    wait_exit
}
plain=$(new_workdir) toggled=$(new_workdir)
if play "$plain" && play "$toggled" toggle; then
    check "F11 leaves full-screen for a window of the field's size; the window resizes" "$toggled" \
        bash -c "grep -qx '1920x10[0-9][0-9]' '$toggled/windowed' && grep -qx 1000x700 '$toggled/resized'"
    check "the toggled game plays on (H twice) and quits with 0" "$toggled" bash -c \
        "[ $GAME_STATUS -eq 0 ] && [ \$(grep -cx 'display help menu...' '$toggled/out') -eq 2 ]"
    check "its log, numbers masked, equals a run without the toggles" "$toggled" \
        diff <(sed -E 's/[0-9]+/#/g' "$plain/out") <(sed -E 's/[0-9]+/#/g' "$toggled/out")
else
    fail "the toggle runs play and quit" "$toggled"
fi

dir=$(new_workdir)
start_game "$dir" -window=800x600
wait_window && size=$(size_of) && press q
wait_exit
check "-window=800x600 gives an 800 x 600 field in an 800 x 600 window" "$dir" bash -c \
    "[ '${size:-}' = 800x600 ] && grep -qx 'FullScreen Window Size X=800, y=600' '$dir/out'"

# A viewing toggles as a game does, paused or not, and Escape ends it while paused.
dir=$(new_workdir)
start_game "$dir" -replay="$SRC/tests/replays/portal.rec"
toggled=no
if wait_window && full_screen 0; then
    press F11 && full_screen 1 && press F11 && full_screen 0 && size_of >"$dir/windowed" &&
        press alt+Return && full_screen 1 && press p && press alt+Return && full_screen 0 &&
        toggled=yes
fi
press Escape
wait_exit
check "a replay: F11 and Alt+Enter toggle full-screen, paused too; Escape ends the paused viewing" \
    "$dir" bash -c "[ $toggled = yes ] && [ $GAME_STATUS -eq 0 ] && grep -qx 1024x768 '$dir/windowed' \
        && grep -q '^replay stopped at frame [0-9]*, in sync so far$' '$dir/err'"

# -scale=2 on a 3840 x 2160 screen of its own; the 1920 x 1080 one comes back after it.
small_x=("$DISPLAY" "$XVFB_PID" "$WM_PID")
start_x 3840x2160
# whole PNG: a 3840 x 2160 frame with drawings, every 2 x 2 block of one colour.
whole() { /usr/bin/python3 -c "
import sys, numpy as np, PIL.Image
a = np.asarray(PIL.Image.open(sys.argv[1]).convert('RGB')); b = a[0::2, 0::2]
sys.exit(not (a.shape == (2160, 3840, 3) and len(np.unique(b.reshape(-1, 3), axis=0)) > 20
    and all((a[i::2, j::2] == b).all() for i, j in ((0, 1), (1, 0), (1, 1)))))" "$1"; }
dir=$(new_workdir)
start_game "$dir" -scale=2
# Until a capture is whole (one may fall between two strips of a frame's upload), up to 30 s.
blocks=no
if wait_window; then
    end=$((SECONDS + 30))
    until [ $blocks = yes ] || ((SECONDS > end)); do
        import -window root "$dir/s.png" && whole "$dir/s.png" && blocks=yes
    done
fi
press q && wait_exit
check "-scale=2 on a 3840 x 2160 screen: a 1920 x 1080 field, every drawn pixel a 2 x 2 block" "$dir" \
    bash -c "[ $blocks = yes ] && grep -qx 'FullScreen Window Size X=1920, y=1080' '$dir/out'"
kill "$WM_PID" "$XVFB_PID" 2>/dev/null && wait "$WM_PID" "$XVFB_PID" 2>/dev/null
DISPLAY=${small_x[0]} XVFB_PID=${small_x[1]} WM_PID=${small_x[2]}
