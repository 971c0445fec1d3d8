"""The desktop icon: the ship climbing out of a night sky past the moon.

Drawn once on a 768-pixel canvas and box-filtered down to each size of the
hicolor theme; 768 divides by all of them, so no resampling filter is involved.
The ship is the sprite's own outline, turned to fly up and to the right, drawn
big and in strong colours so that it still reads at 16 pixels.
"""

import math

import numpy as np

import assets_common as C
import assets_ship

SIZES = (16, 32, 48, 64, 128, 256)
# The page's icons, which an installed page shows on a phone's home screen.
WEB_SIZES = (192, 512)
MASTER = 768


def _rounded_square(x, y, lo, hi, radius):
    """Coverage of a rounded square, anti-aliased over one master pixel."""
    cx = np.clip(x, lo + radius, hi - radius)
    cy = np.clip(y, lo + radius, hi - radius)
    return np.clip(radius - np.hypot(x - cx, y - cy) + 0.5, 0.0, 1.0)


def _disc(x, y, cx, cy, r):
    return np.clip(r - np.hypot(x - cx, y - cy) + 0.5, 0.0, 1.0)


def _turn(points, angle, scale, centre, pivot):
    """Turns sprite points about pivot by angle (degrees), scales them and moves them to centre."""
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    out = []
    for px, py in points:
        dx, dy = px - pivot[0], py - pivot[1]
        out.append((centre[0] + scale * (c * dx - s * dy), centre[1] + scale * (s * dx + c * dy)))
    return out


def master():
    n = MASTER
    x, y = C.grid(n, n)
    tile = _rounded_square(x, y, 24.0, n - 24.0, 150.0)
    # Night sky: violet at the top to deep blue below.
    t = (y / n)[..., None]
    sky = C.rgb(58, 30, 96) * (1 - t) + C.rgb(10, 14, 40) * t
    img = C.layer(sky, tile)

    rng = np.random.default_rng(1616)
    for _ in range(34):
        sx, sy = rng.uniform(70, n - 70, 2)
        r = rng.uniform(3.0, 7.5)
        img = C.over(img, C.layer(C.rgb(255, 250, 230), _disc(x, y, sx, sy, r) * tile * 0.9))

    # The moon low on the right, cut by the tile's edge, lit from the upper left.
    moon = _disc(x, y, 600.0, 640.0, 260.0) * tile
    shade = C.smoothstep(-120.0, 160.0, np.hypot(x - 520.0, y - 560.0) - 190.0)
    moon_rgb = C.rgb(196, 198, 210)[None, None] * (1 - 0.65 * shade[..., None])
    img = C.over(img, C.layer(moon_rgb, moon))

    # Sprite points left (nose at x = 6); turned by 135 degrees it points up and to the right.
    # The flame is a triangle behind the rear notch, in the sprite's coordinates too.
    cy = assets_ship.CY
    pts = _turn(assets_ship.HULL + [(50.0, cy - 6), (76.0, cy), (50.0, cy + 6)],
                135.0, 8.6, (372.0, 392.0), (34.0, cy))
    hull, flame = pts[:4], pts[4:]
    nose, wing_up, notch, wing_down = hull
    flame_mask = C.polygon_mask(n, n, flame)
    glow = C.blur(flame_mask, 10)
    img = C.over(img, C.layer(C.rgb(255, 150, 40), glow * 0.9))
    img = C.over(img, C.layer(C.rgb(255, 230, 120), C.blur(flame_mask, 3) * 0.8))

    # A dark rim first, so the hull stands out from the moon and the sky alike.
    rim = np.clip(C.blur(C.polygon_mask(n, n, hull), 9) * 3.0, 0.0, 1.0)
    img = C.over(img, C.layer(C.rgb(8, 8, 20), rim * 0.85))
    # Two faces split along the long axis: the upper one catches the light.
    left_face = C.polygon_mask(n, n, [nose, wing_up, notch])
    right_face = C.polygon_mask(n, n, [nose, notch, wing_down])
    img = C.over(img, C.layer(C.rgb(232, 238, 248), left_face))
    img = C.over(img, C.layer(C.rgb(150, 162, 186), right_face))
    # Red wing tips, as on the sprite: the part of each wing behind a line across it.
    for tip, face in ((wing_up, left_face), (wing_down, right_face)):
        near = np.hypot(x - tip[0], y - tip[1]) < 120.0
        img = C.over(img, C.layer(C.rgb(236, 84, 64), face * near))
    return img


def _boxed(big, size):
    """Box filter to size; 512 is two thirds of the master, so each master pixel is split in
    four first and three by three of those make one output pixel."""
    if MASTER % size == 0:
        return C.downsample(big, MASTER // size)
    doubled = np.repeat(np.repeat(big, 2, axis=0), 2, axis=1)
    return C.downsample(doubled, 2 * MASTER // size)


def write_all(root):
    """Writes dist/icons/hicolor/<n>x<n>/apps/void-angler.png and web/icons/void-angler-<n>.png;
    returns {relative path: RGBA}."""
    big = master()
    out = {}
    for size in SIZES:
        rel = "dist/icons/hicolor/%dx%d/apps/void-angler.png" % (size, size)
        out[rel] = C.save_png(_boxed(big, size), root + "/" + rel)
    for size in WEB_SIZES:
        rel = "web/icons/void-angler-%d.png" % size
        out[rel] = C.save_png(_boxed(big, size), root + "/" + rel)
    return out
