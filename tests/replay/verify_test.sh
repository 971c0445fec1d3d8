#!/bin/sh
# -verify with no display named: every stored recording in sync, with the recorded log on
# standard output; a cut-off and an out-of-sync one end as -replay ends them.
# Usage: verify_test.sh GAME REPLAYS_DIR DAT_DIR
set -u
game=$1 replays=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/va-verify-XXXXXX")
trap 'rm -rf "$work"' EXIT
ln -s "$3" "$work/dat" && cd "$work" || exit 1
fails=0
fail() { echo "FAIL: $*"; cat err; fails=$((fails + 1)); }
# verify FILE STATUS LINE: the status and a line of standard error.
verify() {
    env -u DISPLAY -u SDL_VIDEODRIVER -u SDL_AUDIODRIVER "$game" -verify="$1" >out 2>err
    s=$?
    [ $s -eq "$2" ] && grep -q "$3" err || fail "-verify=$1: status $s, wanted $2 and \"$3\""
}
for rec in "$replays"/*.rec; do
    verify "$rec" 0 '^replay in sync: [1-9]'
    grep -q '^verify: [1-9][0-9]* frames, .* state [0-9a-f]\{8\}, score [0-9]*, level [0-9]*$' err ||
        fail "-verify=$rec: no closing line"
    cmp -s out "${rec%.rec}.log" || fail "-verify=$rec: the log is not the recorded one"
done
head -n 2000 "$replays/portal.rec" >cut.rec
verify cut.rec 0 '^replay in sync up to frame [1-9][0-9]*: the recording is cut off'
sed '0,/^digest rng=/s/^digest rng=......../digest rng=00000000/' "$replays/portal.rec" >off.rec
verify off.rec 3 '^replay out of sync at frame 1: '
[ $fails -eq 0 ]
