# Outline corners on the real OpenGL renderer (Mesa's rasteriser on the CPU), counted as
# scripts/web-corners.mjs counts them in the browser: two N waves, P, W to print every rock,
# then each corner on the screen must be a lit pixel of a rock's colour. The driver's lines
# alone leave some of them unlit.
# lit_corners LOG PNG: prints "corners lit" and succeeds when every corner is lit.
lit_corners() { /usr/bin/python3 -c "
import re, sys, PIL.Image
log = open(sys.argv[1]).read().split('SpaceJunk::printCords()')[1:]
img = PIL.Image.open(sys.argv[2]).convert('RGB')
rock = {(255, 0, 0), (168, 198, 78)}
corners = lit = 0
for drawn in log[1::2]:  # each rock before and after fixLostRock: the second is drawn
    for x, y in re.findall(r'x=(\S+),y=(\S+)', drawn)[:12]:
        px, py = int(float(x)), int(float(y))
        if 0 <= px < img.width and 0 <= py < img.height:
            corners += 1
            lit += img.getpixel((px, py)) in rock
print(corners, lit)
sys.exit(not (corners >= 100 and lit == corners))" "$1" "$2"; }

dir=$(new_workdir)
start_game "$dir"
seen=none lit=no
if wait_window && wait_ready && grep -q '^renderer: opengl' "$dir/err"; then
    press n && press n && press p && press w
    # H twice after W: once both help lines are logged, the report before them is whole.
    press h && press h
    if wait_for 20 eval '[ "$(grep -cx "display help menu..." "$dir/out")" -eq 2 ]'; then
        end=$((SECONDS + 20))
        until ((SECONDS > end)); do
            import -window root "$dir/s.png" && seen=$(lit_corners "$dir/out" "$dir/s.png") && lit=yes && break
        done
    fi
fi
press q && wait_exit
check "every rock corner lit on the OpenGL renderer (corners, lit: $seen)" "$dir" [ $lit = yes ]
