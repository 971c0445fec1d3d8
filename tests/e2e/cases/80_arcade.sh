# One whole run played with real key presses (about three minutes): it ends by itself, its panel
# takes typed initials while a second process checks it, and it is entered verified with them;
# then -scores finds what was changed since.

dir=$(new_workdir) && conf=$dir/config && scores=$conf/void-angler
printf 'fart_user_1_score=2500\n' >"$dir/game.txt"
XDG_CONFIG_HOME=$conf start_game "$dir" -arcade
if wait_window 60; then
    press space Left Left Up
    # Frames go on through a pause: P twice, and the run still ends.
    press p p
    # The window stays after the last frame: the panel asks for the initials.
    wait_for 600 eval 'grep -qs "^end 9000$" "$scores"/arcade-*.rec' && press a b x BackSpace c Return
    wait_for 60 eval 'grep -qs "^initials=ABC " "$scores/scores.txt"' && press Escape
    wait_for 30 eval '! kill -0 "$GAME_PID" 2>/dev/null'
fi
wait_exit
# From the run's folder: its check replays each run, which needs dat/ (ctest starts elsewhere).
listed() { (cd "$dir" && XDG_CONFIG_HOME=$conf "$BIN" -scores >"$dir/list" 2>"$dir/list.err"); echo $?; }
check "a whole run ends by itself at frame 9000 and enters the table with typed initials, verified" "$dir" \
    bash -c "[ $GAME_STATUS -eq 0 ] && grep -q '^score [0-9]*, verified: entered in the table' '$dir/err' \
        && grep -q '^end 9000$' '$scores'/arcade-*.rec && [ \"\$(cat '$dir/game.txt')\" = fart_user_1_score=2500 ] \
        && [ $(listed) -eq 0 ] && grep -q '^  1\. ABC .* verified$' '$dir/list'"

rec=$(ls "$scores"/arcade-*.rec | head -n 1)
cp "$scores/scores.txt" "$dir/kept.txt" && cp "$rec" "$dir/kept.rec"
# not_verified WHAT SAID: -scores says SAID of the run, whose WHAT was just made, with status 3.
not_verified() {
    check "-scores: $1 is not verified (status 3)" "$dir" bash -c "[ $(listed) -eq 3 ] && grep -q 'NOT verified: $2' '$dir/list'"
}
sed -i 's/ score=\([0-9]*\)/ score=1\1/' "$scores/scores.txt"
not_verified "a hand-edited score" "its replay scores"
cp "$dir/kept.txt" "$scores/scores.txt" && rm "$rec"
not_verified "a missing recording" "its recording is missing"
sed 's/^field 1920 1080$/field 1920 1079/' "$dir/kept.rec" >"$rec"
not_verified "a recording of another field" "its run played another field"
sed '0,/^digest rng=/s/^digest rng=......../digest rng=00000000/' "$dir/kept.rec" >"$rec"
not_verified "a damaged recording" "its replay says: replay out of sync at frame 1"
cp "$dir/kept.rec" "$rec" && echo 'initials=AB score=1' >>"$scores/scores.txt"
check "-scores: a damaged table is one line and status 1" "$dir" \
    bash -c "[ $(listed) -eq 1 ] && grep -q 'line 3: an entry it cannot read' '$dir/list.err' \
        && [ \$(wc -l <'$dir/list.err') -eq 1 ]"
