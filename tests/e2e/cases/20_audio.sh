# Sound start-up: missing files, and machines without a usable audio device.

dir=$(new_workdir)
rm "$dir/dat" && cp -rs "$SRC/dat" "$dir/dat" && rm "$dir/dat/shot.wav"
printf 'fart_user_1_score=9\n' >"$dir/game.txt"
start_game "$dir"
wait_exit
check "a missing shot.wav is reported and ends with a non-zero status" "$dir" \
    bash -c "[ $GAME_STATUS -ne 0 ] && grep -q '^Failed to load shoot sound effect! SDL_mixer Error: ' '$dir/out' \
        && ! grep -q 'loding game' '$dir/out' && [ \"\$(cat '$dir/game.txt')\" = fart_user_1_score=9 ]"

for driver in no-such-driver alsa; do
    dir=$(new_workdir)
    SDL_AUDIODRIVER=$driver start_game "$dir"
    if wait_window; then
        press q
        wait_exit
        check "SDL_AUDIODRIVER=$driver still plays (silent) and quits cleanly" "$dir" \
            bash -c "[ $GAME_STATUS -eq 0 ] && grep -q '^successful load of shot.wav$' '$dir/out'"
    else
        no_window "SDL_AUDIODRIVER=$driver opens the window" "$dir"
    fi
done
