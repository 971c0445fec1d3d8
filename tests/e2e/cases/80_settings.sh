# The player's settings file: fire moved to F, thrust toggled, G remembered, large text and clear
# colours on. The recording holds what the keys stood for and replays in sync with no settings.

dir=$(new_workdir)
printf 'bind_fire=F\ntoggle_thrust=on\nlarge_text=on\nclear_colours=on\nmine=kept\n' >"$dir/mine.txt"
start_game "$dir" -record=run.rec -settings=mine.txt
if wait_window && wait_ready; then
    press h space f Up
    wait_for 20 grep -qsx 'key 82 down' "$dir/run.rec"
    press Up
    wait_for 20 grep -qsx 'key 82 up' "$dir/run.rec"
    press g
    wait_for 20 grep -qx 'sound=off' "$dir/mine.txt"
    press q
    wait_exit
    check "F fires as Space did, Space and F themselves are not recorded" "$dir" \
        bash -c "[ \$(grep -cx 'key 44 down' '$dir/run.rec') -eq 1 ] && ! grep -q '^key 9 ' '$dir/run.rec'"
    check "one press of Up starts the thrust, the next ends it, and each is one input" "$dir" \
        bash -c "[ \"\$(grep '^key 82 ' '$dir/run.rec' | tr '\\n' ,)\" = 'key 82 down,key 82 up,' ]"
    check "G is remembered beside the bindings and the line the game does not know" "$dir" \
        bash -c "grep -qx sound=off '$dir/mine.txt' && grep -qx bind_fire=F '$dir/mine.txt' \
            && grep -qx toggle_thrust=on '$dir/mine.txt' && grep -qx mine=kept '$dir/mine.txt' \
            && [ ! -e '$dir/config/void-angler/settings.txt' ]"
    cp "$dir/mine.txt" "$dir/mine.before"
    start_game "$dir" -timedemo=run.rec -settings=mine.txt
    wait_exit
    check "the recording replays in sync with no settings, and writes none" "$dir" \
        bash -c "[ $GAME_STATUS -eq 0 ] && grep -q '^replay in sync: ' '$dir/err' \
            && cmp -s '$dir/mine.txt' '$dir/mine.before' \
            && [ ! -e '$dir/config/void-angler/settings.txt' ]"
else
    no_window "a game with a settings file opens a window" "$dir"
fi

# A game that starts in the remembered window, and F11 remembered in the settings folder's file.
dir=$(new_workdir)
mkdir -p "$dir/config/void-angler"
printf 'display=window\nwindow=1000x700\n' >"$dir/config/void-angler/settings.txt"
start_game "$dir"
window_is() { xdotool getwindowgeometry "$GAME_WIN" 2>/dev/null | grep -q "Geometry: $1"; }
if wait_window && wait_for 20 window_is 1000x700; then
    press F11
    wait_for 20 grep -qx 'display=fullscreen' "$dir/config/void-angler/settings.txt"
    press q
    wait_exit
    check "the remembered window opens on the desktop's field, and F11 is remembered" "$dir" \
        bash -c "grep -qx 'FullScreen Window Size X=1920, y=1080' '$dir/out' \
            && grep -qx display=fullscreen '$dir/config/void-angler/settings.txt' \
            && grep -qx window=1000x700 '$dir/config/void-angler/settings.txt'"
else
    no_window "a game with display=window opens a 1000x700 window" "$dir"
fi
