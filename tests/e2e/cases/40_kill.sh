# SIGKILL at random moments (start-up, play with checkpoints, the save at exit) never leaves
# a torn file: game.txt is the old file or a whole new one, and every checkpoint is whole.

# Four groups of five games start together, so their start-ups overlap. In each group the
# first dies during start-up; the others are driven one at a time, pressing C a few times,
# then die in play or, after Q, around the save at exit.
# The moments come from RANDOM, seeded and printed: VA_KILL_SEED=n runs the same moments again.
RANDOM=${VA_KILL_SEED:=$(($(date +%s%N) % 32768))}
echo "kill: seed $VA_KILL_SEED (VA_KILL_SEED=$VA_KILL_SEED repeats it)"
kill_dirs=() kill_nowin=0
for _ in 1 2 3 4; do
    pids=() dirs=()
    for i in 0 1 2 3 4; do
        dir=$(new_workdir)
        printf 'fart_user_1_score=2500\nfart_user_1_level=3\nkept=1\n' | tee "$dir/old" >"$dir/game.txt"
        start_game "$dir"
        pids+=("$GAME_PID") dirs+=("$dir")
    done
    # Drawn here, not in the subshell, which would draw from a reseeded RANDOM.
    delay="$((RANDOM % 6)).$((RANDOM % 10))"
    (sleep "$delay" && kill -9 "${pids[0]}") 2>/dev/null &
    killer=$!
    for i in 1 2 3 4; do
        GAME_PID=${pids[$i]} dir=${dirs[$i]}
        wait_window || { kill_nowin=$((kill_nowin + 1)); continue; }
        for ((c = RANDOM % 4; c > 0; c--)); do press c; done
        if ((i % 2)); then
            sleep "0.$((RANDOM % 4))$((RANDOM % 10))"
        else
            press q
            # The store is written within some 20 ms of shut-down's last line: watch for it
            # with builtins only (a fork costs as much), then kill 0-25 ms later.
            exec {log}<"$dir/out"
            line='' end=$((${EPOCHREALTIME/[.,]/} + 10000000))
            until [[ $line == "after clear"* ]] || ((${EPOCHREALTIME/[.,]/} > end)); do
                read -r -u "$log" line || kill -0 "$GAME_PID" 2>/dev/null || break
            done
            exec {log}<&-
            end=$((${EPOCHREALTIME/[.,]/} + RANDOM % 25000))
            while ((${EPOCHREALTIME/[.,]/} < end)); do :; done
        fi
        kill -9 "$GAME_PID" 2>/dev/null
    done
    wait "$killer"
    kill -9 "${pids[@]}" 2>/dev/null
    wait "${pids[@]}" 2>/dev/null
    kill_dirs+=("${dirs[@]}")
done

kill_bad=() kill_new=0 kill_cut=0
for dir in "${kill_dirs[@]}"; do
    for f in "$dir"/checkpoint*.txt; do
        [ ! -e "$f" ] || whole_save "$f" || kill_bad+=("$f")
    done
    if ! cmp -s "$dir/game.txt" "$dir/old"; then
        kill_new=$((kill_new + 1))
        whole_save "$dir/game.txt" || kill_bad+=("$dir/game.txt")
    fi
    ls "$dir"/.*.tmp >/dev/null 2>&1 && kill_cut=$((kill_cut + 1))
done
echo "kill: ${#kill_dirs[@]} runs, $kill_new wrote a new game.txt, $kill_cut died inside a save"
[ ${#kill_bad[@]} -eq 0 ] || printf 'torn: %s\n' "${kill_bad[@]}"
check "every game shows its window before it is killed" "${kill_dirs[0]}" test "$kill_nowin" -eq 0
check "after SIGKILL game.txt is the old file or a whole new one, each checkpoint whole" \
    "$(dirname "${kill_bad[0]:-.}")" test ${#kill_bad[@]} -eq 0
