# Saves through a linked game.txt, and into a folder that takes no new files.

link=$(new_workdir) locked=$(new_workdir)
mkdir "$link/synced"
printf 'fart_user_1_score=9\n' | tee "$link/synced/game.txt" >"$locked/game.txt"
ln -s synced/game.txt "$link/game.txt"
# Locked once its files exist: write bits for a user, the immutable flag for root (who
# ignores write bits); stop_x unlocks it whatever happens.
: >"$locked/out" && : >"$locked/err" && E2E_LOCKED+=("$locked")
if [ "$(id -u)" -ne 0 ]; then chmod a-w "$locked"; else chattr +i "$locked" 2>"$locked/err"; fi
if : 2>/dev/null >"$locked/probe"; then
    echo "SKIP: read-only folder: neither chmod a-w nor chattr +i keeps new files out ($(cat "$locked/err"))"
    rm -f "$locked/probe" && locked=''
fi

# new_save FILE: a whole save that kept the loaded score.
new_save() { whole_save "$1" && grep -qx 'fart_user_1_score=9' "$1"; }
linked() { [ "$(readlink "$link/game.txt")" = synced/game.txt ] && new_save "$link/synced/game.txt"; }
in_place() { new_save "$locked/game.txt" && [ "$(grep -c 'written in place' "$locked/err")" -eq 1 ]; }

pids=()
for dir in "$link" ${locked:+"$locked"}; do start_game "$dir" && pids+=("$GAME_PID"); done
# SIGTERM is an orderly quit, which saves.
for GAME_PID in "${pids[@]}"; do wait_window && kill -TERM "$GAME_PID"; wait_exit; done
check "a linked game.txt stays a link and its target holds the new save" "$link" linked
[ -z "$locked" ] || check "a read-only folder's writable game.txt is saved in place, said once" "$locked" in_place
