# The saved game, checkpoints and the Liff cell under the pointer, in the real binary.

saved_game() {
    printf 'fart_user_1_score=2500\nfart_user_1_level=3\n' >"$1/game.txt"
}

dir=$(new_workdir)
saved_game "$dir"
start_game "$dir"
if wait_window; then
    sleep 1
    xdotool mousemove --sync 145 271 click 3
    xdotool mousemove --sync 1919 1079 click 3
    press c
    sleep 1.2
    press p
    press c
    sleep 0.5
    press q
    wait_exit
    checkpoints=$(ls "$dir"/checkpoint*.txt 2>/dev/null | wc -l)
    check "a right click on cell (4, 7) names it" "$dir" \
        bash -c "grep -A1 -x 'Living Liff Block!' '$dir/out' | grep -qx 'Liff Block Point(x=4,y=7);'"
    check "a right click in the strip right of the field names the last cell" "$dir" \
        grep -qx 'Liff Block Point(x=50,y=27);' "$dir/out"
    check "two checkpoints a second apart" "$dir" test "$checkpoints" -eq 2
    for f in "$dir"/checkpoint*.txt "$dir/game.txt"; do
        check "$(basename "$f") holds the 35 seed cells, score 2500, level 3 and freeze 1" "$dir" \
            bash -c "[ \$(grep -c '^fart_user_1_lfpt=' '$f') -eq 35 ] \
                && [ \"\$(head -n 1 '$f')\" = 'fart_user_1_lfpt=4,7' ] \
                && grep -qx 'fart_user_1_score=2500' '$f' && grep -qx 'fart_user_1_level=3' '$f' \
                && grep -qx 'fart_user_1_liff_cycle_freeze=1' '$f'"
    done
    first=$(ls "$dir"/checkpoint*.txt | head -n 1)
    check "the first checkpoint is unpaused, the last file paused" "$dir" \
        bash -c "grep -qx 'fart_user_1_pause_game=0' '$first' \
            && grep -qx 'fart_user_1_pause_game=1' '$dir/game.txt'"
else
    kill "$GAME_PID" 2>/dev/null; wait_exit
    fail "the saved-game run opens a window" "$dir"
fi

