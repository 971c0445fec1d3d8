#!/usr/bin/env bash
# The real game as players run it: build/void-angler under Xvfb with openbox (no
# GPU: SDL's OpenGL renderer on Mesa's CPU rasteriser), driven with xdotool.
# Measures, in one run, the idle scene (the first wave, nothing held) and then the
# heavy scene (N five times, SPACE and Left held), reading the game's CPU time (all
# threads) from /proc and counting presented frames with a preloaded counter.
#
# usage: scripts/perf-e2e.sh [binary]   (IDLE_S and HEAVY_S set the windows, in s)
set -eu

SRC=$(cd "$(dirname "$0")/.." && pwd)
BIN=$(realpath "${1:-$SRC/build/void-angler}")
IDLE_S=${IDLE_S:-10}
HEAVY_S=${HEAVY_S:-20}
SETTLE_S=3
for tool in Xvfb openbox xdotool xdpyinfo cc; do
    command -v "$tool" >/dev/null || { echo "perf-e2e: $tool is missing" >&2; exit 1; }
done
[ -x "$BIN" ] || { echo "perf-e2e: no game at $BIN (make build)" >&2; exit 1; }

WORK=$(mktemp -d "${TMPDIR:-/tmp}/va-perf-XXXXXX")
XVFB_PID=""
WM_PID=""
GAME_PID=""
cleanup() {
    [ -n "$GAME_PID" ] && kill "$GAME_PID" 2>/dev/null || true
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -n "${KEEP_WORK:-}" ] && echo "perf-e2e: kept $WORK" >&2 || rm -rf "$WORK"
}
trap cleanup EXIT

cc -O2 -shared -fPIC -o "$WORK/present_counter.so" "$SRC/bench/present_counter.c" -ldl

for n in $(seq 151 200); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
done
Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
XVFB_PID=$!
export DISPLAY=":$n"
for _ in $(seq 1 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
openbox >/dev/null 2>&1 &
WM_PID=$!
sleep 1

ln -s "$SRC/dat" "$WORK/dat"
# A saved score of 2500: a magazine of 115.
printf 'fart_user_1_score=2500\nfart_user_1_level=1\n' >"$WORK/game.txt"
COUNT="$WORK/presents"
(cd "$WORK" && SDL_AUDIODRIVER=dummy VA_PRESENT_COUNT_FILE="$COUNT" \
    LD_PRELOAD="$WORK/present_counter.so" exec "$BIN" >"$WORK/out" 2>"$WORK/err") &
GAME_PID=$!

WIN=$(timeout 30 xdotool search --sync --onlyvisible --name "Mogu Lira: Void-Angler" | head -n 1)
[ -n "$WIN" ] || { echo "perf-e2e: the game's window did not appear" >&2; exit 1; }
xdotool windowactivate --sync "$WIN" >/dev/null 2>&1 || true

ticks() { # utime + stime of the whole process, in clock ticks
    awk '{ sub(/^.*\) /, ""); print $12 + $13 }' "/proc/$GAME_PID/stat"
}
faults() { # minor page faults of the whole process
    awk '{ sub(/^.*\) /, ""); print $8 }' "/proc/$GAME_PID/stat"
}
frames() { od -An -tu8 -N8 "$COUNT" | tr -d ' '; }
now() { date +%s.%N; }
HZ=$(getconf CLK_TCK)

# measure SECONDS: prints "cpu-ms-per-frame fps page-faults-per-frame"
measure() {
    local c0 f0 p0 t0 c1 f1 p1 t1
    c0=$(ticks); f0=$(frames); p0=$(faults); t0=$(now)
    sleep "$1"
    c1=$(ticks); f1=$(frames); p1=$(faults); t1=$(now)
    awk -v c="$((c1 - c0))" -v f="$((f1 - f0))" -v p="$((p1 - p0))" -v hz="$HZ" \
        -v t0="$t0" -v t1="$t1" \
        'BEGIN { printf "%.2f %.1f %.1f\n", c * 1000 / hz / f, f / (t1 - t0), p / f }'
}

sleep "$SETTLE_S"
read -r IDLE_CPU IDLE_FPS IDLE_PF < <(measure "$IDLE_S")

for _ in 1 2 3 4 5; do
    xdotool key --window "$WIN" n
done
xdotool keydown --window "$WIN" space Left
sleep "$SETTLE_S"
read -r HEAVY_CPU HEAVY_FPS HEAVY_PF < <(measure "$HEAVY_S")
xdotool keyup --window "$WIN" space Left
xdotool key --window "$WIN" q
for _ in $(seq 1 100); do
    kill -0 "$GAME_PID" 2>/dev/null || break
    sleep 0.1
done
wait "$GAME_PID" 2>/dev/null || true
GAME_PID=""

awk -v ic="$IDLE_CPU" -v if_="$IDLE_FPS" -v hc="$HEAVY_CPU" -v hf="$HEAVY_FPS" \
    -v ip="$IDLE_PF" -v hp="$HEAVY_PF" -v is="$IDLE_S" -v hs="$HEAVY_S" 'BEGIN {
    cr = hc / ic; fr = hf / if_
    printf "idle scene (%ss):  %.2f ms CPU per frame, %.1f frames/s, %.1f page faults per frame\n", is, ic, if_, ip
    printf "heavy scene (%ss): %.2f ms CPU per frame, %.1f frames/s, %.1f page faults per frame\n", hs, hc, hf, hp
    printf "heavy/idle CPU per frame: %.2f (target <= 2)  %s\n", cr, (cr <= 2 ? "ok" : "MISSED")
    printf "heavy/idle frame rate:    %.2f (target >= 0.85)  %s\n", fr, (fr >= 0.85 ? "ok" : "MISSED")
}'
grep -m1 -i "renderer" "$WORK/err" "$WORK/out" 2>/dev/null | sed 's/^.*://; s/^/renderer:/' || true
