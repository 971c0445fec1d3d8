# Command line, start-up, quitting.

dir=$(new_workdir)
printf 'fart_user_1_score=9\nkept=1\n' >"$dir/game.txt"
start_game "$dir" -test -help -test
wait_exit
check "-test then -help prints the banner once and the four help lines, runs no test and ends with 0" "$dir" \
    bash -c "[ $GAME_STATUS -eq 0 ] && [ \"\$(sed -n '/^~#!#~/,\$p' '$dir/out')\" = \"\$(printf '%s\\n' \
        '~#!#~...run tests...~#!#~' '-help show this message..' '-test run tests...' \
        '-run_lvl=n run game at lvl n...' '-demo_mode run demo mode')\" ]"
check "-help opens no window and leaves game.txt as it was" "$dir" \
    bash -c "! grep -q 'FullScreen Window Size' '$dir/out' \
        && [ \"\$(cat '$dir/game.txt')\" = \"\$(printf 'fart_user_1_score=9\\nkept=1')\" ]"

# A saved game, the Liff cell under the pointer and checkpoints, then Q.
dir=$(new_workdir)
printf 'fart_user_1_score=2500\nfart_user_1_level=3\n' >"$dir/game.txt"
start_game "$dir"
# checkpoints DIR: how many checkpoint files DIR holds.
checkpoints() { ls "$1"/checkpoint*.txt 2>/dev/null | wc -l; }
saved_2500() { whole_save "$1" && grep -qx fart_user_1_score=2500 "$1" && grep -qx fart_user_1_level=3 "$1"; }
if wait_window && wait_ready; then
    # The first click after the window manager placed the window may go to the manager:
    # click again until the game has logged it.
    for at in "145 271" "1919 1079"; do
        for _ in 1 2 3 4 5; do
            xdotool mousemove --sync $at click 3 >/dev/null 2>&1
            wait_for 3 grep -q "Mouse x=${at% *}, y=${at#* }\$" "$dir/out" && break
        done
    done
    press c
    # A checkpoint is named by its second: the next one waits for a new second.
    wait_for 30 eval '[ $(checkpoints "$dir") -eq 1 ]' && first=$(ls "$dir"/checkpoint*.txt) &&
        wait_for 5 eval '[ $(date +%s) -gt $(basename "$first" .txt | tr -dc 0-9) ]'
    press p
    press c
    wait_for 30 eval '[ $(checkpoints "$dir") -eq 2 ]'
    press q
    wait_exit
    check "right clicks on cell (4, 7) and in the strip right of the field name those cells" "$dir" \
        bash -c "grep -A1 -x 'Living Liff Block!' '$dir/out' | grep -qx 'Liff Block Point(x=4,y=7);' \
            && grep -qx 'Liff Block Point(x=50,y=27);' '$dir/out'"
    check "two checkpoints a second apart" "$dir" test "$(checkpoints "$dir")" -eq 2
    for f in "$dir"/checkpoint*.txt "$dir/game.txt"; do
        check "$(basename "$f") is a whole save of score 2500 and level 3" "$dir" saved_2500 "$f"
    done
    check "the first checkpoint is unpaused, the last file paused" "$dir" \
        bash -c "grep -qx 'fart_user_1_pause_game=0' \$(ls '$dir'/checkpoint*.txt | head -n 1) \
            && grep -qx 'fart_user_1_pause_game=1' '$dir/game.txt'"
    check "a start opens the full-screen window" "$dir" \
        grep -qx 'FullScreen Window Size X=1920, y=1080' "$dir/out"
    check "Q quits with status 0" "$dir" test "$GAME_STATUS" -eq 0
else
    no_window "a start opens a window" "$dir"
fi

# Without a window the game is killed outright, which fails the check.
dir=$(new_workdir) && start_game "$dir"
if wait_window; then kill -TERM "$GAME_PID"; else kill -KILL "$GAME_PID" 2>/dev/null; fi
wait_exit
check "SIGTERM on its window is an orderly quit with status 0" "$dir" test "$GAME_STATUS" -eq 0

dir=$(new_workdir)
(cd "$dir" && env -u DISPLAY -u WAYLAND_DISPLAY timeout 60 "$BIN" >"$dir/out" 2>"$dir/err")
status=$?
check "without a display the game says why and ends with a failure status" "$dir" \
    bash -c "[ $status -ne 0 ] && [ $status -ne 124 ] && grep -q '^cannot create the window: ' '$dir/err' \
        && [ ! -e '$dir/game.txt' ]"
