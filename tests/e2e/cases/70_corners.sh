# Outline corners on the real OpenGL renderer (Mesa's rasteriser on the CPU), counted as
# scripts/web-corners.mjs counts them in the browser: two N waves, P, W to print every rock,
# then each corner on the screen must be a lit pixel of a rock's colour. The driver's lines
# alone leave some of them unlit; below x1, SDL's own scaled lines break up and a filtered
# copy blurs them. Beside a scaled field the bars stay black.
# corners_case NAME [SIZE [FIELD]]: full-screen, or a FIELD in a window resized to SIZE.
corners_case() {
    local name=$1 size=${2:-} field=${3:-1920x1080} dir shot seen=none lit=no ready
    dir=$(new_workdir)
    if [ -n "$size" ]; then
        start_game "$dir" "-window=$field"
        ready='wait_window && xdotool windowsize --sync "$GAME_WIN" ${size/x/ }'
    else
        start_game "$dir"
        ready='wait_window && wait_ready'
    fi
    if eval "$ready" && grep -q '^renderer: opengl' "$dir/err"; then
        press n && press n && press p && press w
        # H twice after W: once both help lines are logged, the report before them is whole.
        press h && press h
        if wait_for 20 eval '[ "$(grep -cx "display help menu..." "$dir/out")" -eq 2 ]'; then
            shot=root
            [ -z "$size" ] || shot=$GAME_WIN
            # The frame after the second H may come late on a busy machine: retried until then.
            end=$((SECONDS + 60))
            until ((SECONDS > end)); do
                import -window "$shot" "$dir/s.png" &&
                    seen=$(/usr/bin/python3 "$HERE/lit_corners.py" "$dir/out" "$dir/s.png" ${field/x/ }) &&
                    lit=yes && break
            done
        fi
    fi
    press q && wait_exit
    check "$name (corners, lit, bar pixels not black: $seen)" "$dir" [ $lit = yes ]
}

corners_case "every rock corner lit on the OpenGL renderer"
corners_case "every rock corner lit in a window below x1, black bars" 1280x800
