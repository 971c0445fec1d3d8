"""lit_corners.py LOG PNG FIELD_W FIELD_H: the rocks' corners from the log's W report, found in
a capture of the game's window, which may show the field scaled between black bars. Each
corner must be a lit pixel of a rock's colour and the bars all black. Prints "corners lit
unblack-bar-pixels"; fails below 100 corners, on one unlit or on a bar pixel not black."""
import math
import re
import struct
import sys

import PIL.Image


def f32(v):
    return struct.unpack("f", struct.pack("f", v))[0]


def placement(w, h, fw, fh):
    """SDL's logical-size letterbox, in its float arithmetic: scale and offsets."""
    want, real = f32(fw / fh), f32(w / h)
    if abs(want - real) < 0.0001:
        return f32(w / fw), 0, 0
    if want > real:
        s = f32(w / fw)
        return s, 0, (h - math.floor(f32(fh * s))) // 2
    s = f32(h / fh)
    return s, (w - math.floor(f32(fw * s))) // 2, 0


def main(log_path, png, fw, fh):
    log = open(log_path).read().split("SpaceJunk::printCords()")[1:]
    img = PIL.Image.open(png).convert("RGB")
    s, ox, oy = placement(img.width, img.height, int(fw), int(fh))
    # The window pixel holding the field pixel's centre, as the outlines are built below x1.
    to_window = lambda v, o: o + math.floor(f32(f32(v + 0.5) * s))
    rock = {(255, 0, 0), (168, 198, 78)}
    corners = lit = 0
    for drawn in log[1::2]:  # each rock before and after fixLostRock: the second is drawn
        for x, y in re.findall(r"x=(\S+),y=(\S+)", drawn)[:12]:
            px, py = to_window(int(float(x)), ox), to_window(int(float(y)), oy)
            if 0 <= px < img.width and 0 <= py < img.height:
                corners += 1
                lit += img.getpixel((px, py)) in rock
    fw, fh = math.floor(f32(int(fw) * s)), math.floor(f32(int(fh) * s))
    # Only the bars are read: a whole screen pixel by pixel takes seconds on a busy machine.
    bars = [(0, 0, ox, img.height), (ox + fw, 0, img.width, img.height),
            (ox, 0, ox + fw, oy), (ox, oy + fh, ox + fw, img.height)]
    stray = sum(
        sum(p != (0, 0, 0) for p in img.crop(box).getdata())
        for box in bars
        if box[2] > box[0] and box[3] > box[1]
    )
    print(corners, lit, stray)
    return corners >= 100 and lit == corners and stray == 0


sys.exit(0 if main(*sys.argv[1:5]) else 1)
