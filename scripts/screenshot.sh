#!/usr/bin/env bash
# The README's picture: the game in play under Xvfb with openbox, shrunk to half size.
# usage: scripts/screenshot.sh [binary] [output.png]
set -eu

SRC=$(cd "$(dirname "$0")/.." && pwd)
BIN=$(realpath "${1:-$SRC/build/void-angler}")
OUT=${2:-$SRC/docs/screenshot.png}

# The end-to-end tests' helpers: an X server, a scratch folder with dat/, key presses.
. "$SRC/scripts/x-session.sh"
set +u
start_session screenshot import convert
dir=$WORK
# A saved score lifts the magazine, so the stream of missiles is long.
printf 'fart_user_1_score=2500\nfart_user_1_level=3\n' >"$dir/game.txt"
start_game "$dir"
wait_window || { echo "screenshot: the game opened no window" >&2; cat "$dir/err" >&2; exit 1; }
sleep 1
press n
xdotool keydown --window "$GAME_WIN" Up
sleep 0.6
xdotool keyup --window "$GAME_WIN" Up keydown --window "$GAME_WIN" space Left
sleep 1.4
import -window root "$dir/shot.png"
xdotool keyup --window "$GAME_WIN" space Left
press q
wait_exit
# Half size and no time stamps in the file.
convert "$dir/shot.png" -resize 50% -strip "$OUT"
echo "wrote $OUT"
