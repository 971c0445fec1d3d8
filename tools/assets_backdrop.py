"""Backdrop pictures: the moon, the communications satellite and the title cards."""

import math

import numpy as np

import assets_common as C
import assets_glyphs as G

MOON_SIZE = 790
MOON_R = 390.0


def _crater_heights(n_x, n_y, n_z, rng):
    """Height field (in pixels) of craters scattered over the visible hemisphere."""
    size = MOON_SIZE
    c = size / 2.0
    h = np.zeros((size, size))
    # Broad dark plains: fewer craters land there.
    maria = C.fractal_noise(size, size, (3, 3), 3, rng)
    maria = C.smoothstep(0.54, 0.61, maria)
    young = []
    count = 2600
    for i in range(count):
        # Power-law sizes: many small craters, a few big ones.
        rc = min(2.2 * (1.0 - rng.random()) ** (-1.0 / 1.55), 62.0)
        z = 0.04 + 0.96 * rng.random()
        phi = 2 * math.pi * rng.random()
        s = math.sqrt(1 - z * z)
        cx, cy = s * math.cos(phi), s * math.sin(phi)
        px, py = int(c + MOON_R * cx), int(c + MOON_R * cy)
        if maria[min(py, size - 1), min(px, size - 1)] > 0.5 and rc > 3.0 and rng.random() < 0.75:
            continue
        ext = int(rc * 1.9) + 3
        x0, x1 = max(px - ext, 0), min(px + ext + 1, size)
        y0, y1 = max(py - ext, 0), min(py + ext + 1, size)
        if x0 >= x1 or y0 >= y1:
            continue
        dot = n_x[y0:y1, x0:x1] * cx + n_y[y0:y1, x0:x1] * cy + n_z[y0:y1, x0:x1] * z
        d = np.arccos(np.clip(dot, -1.0, 1.0)) * MOON_R / rc
        if rc > 6:
            # Slightly irregular outlines: a few random harmonics around the centre.
            yy, xx = np.mgrid[y0:y1, x0:x1]
            ang = np.arctan2(yy - py, xx - px)
            wobble = sum(0.045 * rng.random() * np.cos(k * ang + 6.3 * rng.random()) for k in (2, 3, 5, 7))
            d = d * (1.0 + wobble)
        # Relief seen edge-on near the limb is mostly hidden, so flatten it there.
        depth = rc * (0.3 if rc < 12 else 0.24) * (0.25 + 0.75 * z)
        if rc > 30:
            depth *= 0.6 + 0.4 * rng.random()  # old, worn basins
        # Steep walls and a flatter floor; every term fades out well inside
        # the box, so no seams show at its edge.
        wall = 2.0 if rc < 12 else 2.4
        bowl = -depth * np.clip(1.0 - d**wall, 0.0, 1.0)
        rim = 0.3 * depth * np.exp(-(((d - 1.0) / (0.28 if rc < 12 else 0.36)) ** 2))
        apron = 0.14 * depth * C.smoothstep(1.85, 1.0, d)
        crater = bowl + rim + apron
        if rc > 28:
            crater += 0.3 * depth * np.exp(-((d / 0.14) ** 2))
        h[y0:y1, x0:x1] += crater
        if rc > 14 and z > 0.55 and len(young) < 3 and rng.random() < 0.5:
            young.append((cx, cy, z, rc))
    return h, maria, young


def _rays(n_x, n_y, n_z, young, rng):
    """Bright streaks thrown out by a few young craters."""
    out = np.zeros(n_x.shape)
    for cx, cy, cz, rc in young:
        dot = np.clip(n_x * cx + n_y * cy + n_z * cz, -1, 1)
        dist = np.arccos(dot) * MOON_R / rc
        # Direction around the crater in the image plane.
        px, py = MOON_SIZE / 2 + MOON_R * cx, MOON_SIZE / 2 + MOON_R * cy
        yy, xx = np.mgrid[0:MOON_SIZE, 0:MOON_SIZE]
        ang = np.arctan2(yy - py, xx - px)
        streak = np.zeros(n_x.shape)
        for _ in range(18):
            a0 = rng.random() * 2 * math.pi
            width = 0.02 + 0.04 * rng.random()
            reach = 2.0 + 4.0 * rng.random()
            da = np.angle(np.exp(1j * (ang - a0)))
            streak = np.maximum(streak, np.exp(-((da / width) ** 2)) * np.exp(-dist / reach))
        out += streak * (dist > 0.9) + 0.5 * np.exp(-((dist / 1.4) ** 2))
    return np.clip(out, 0, 1)


def _cast_shadow(h, sun_dot, light):
    """Soft mask of where crater walls and rims block the sun (1 = shadowed).

    Marches from each pixel towards the light over the height field and checks
    whether the terrain rises above the sun's local elevation.
    """
    d = np.array(light[:2]) / np.linalg.norm(light[:2])
    sin_e = np.clip(sun_dot, 0.3, 1.0)
    tan_e = sin_e / np.sqrt(1.0 - sin_e * sin_e + 1e-9)
    block = np.zeros(h.shape)
    steps = 40
    hp = np.pad(h, steps, mode="edge")
    n0, n1 = h.shape
    for t in range(1, steps):
        sx, sy = int(round(d[0] * t)), int(round(d[1] * t))
        shifted = hp[steps + sy : steps + sy + n0, steps + sx : steps + sx + n1]
        block = np.maximum(block, (shifted - h) - t * tan_e)
    return C.smoothstep(0.0, 3.0, block)


def moon(rng):
    size = MOON_SIZE
    c = size / 2.0
    x, y = C.grid(size, size)
    nx, ny = (x - c) / MOON_R, (y - c) / MOON_R
    rr = nx * nx + ny * ny
    nz = np.sqrt(np.clip(1.0 - rr, 0.0, 1.0))
    h, maria, young = _crater_heights(nx, ny, nz, rng)
    h += (C.fractal_noise(size, size, (24, 24), 4, rng) - 0.5) * 3.0
    gy, gx = np.gradient(h)
    # Tilt the sphere normal by the surface slope.
    mx, my, mz = nx - gx * nz, ny - gy * nz, nz.copy()
    norm = np.sqrt(mx * mx + my * my + mz * mz) + 1e-9
    mx, my, mz = mx / norm, my / norm, mz / norm
    light = np.array([-0.62, -0.42, 0.66])
    light /= np.linalg.norm(light)
    lam = mx * light[0] + my * light[1] + mz * light[2]
    wrap = 0.22
    lit = np.clip((lam + wrap) / (1 + wrap), 0, 1) ** 1.2
    lit *= 1.0 - 0.7 * _cast_shadow(h, nx * light[0] + ny * light[1] + nz * light[2], light)
    # Occlusion in crater bottoms darkens them a little even when lit.
    occl = 1.0 - 0.25 * C.smoothstep(0.0, -12.0, h)

    grain = C.fractal_noise(size, size, (120, 120), 3, rng)
    mottle = C.fractal_noise(size, size, (12, 12), 3, rng)
    albedo = 0.66 - 0.18 * maria + (grain - 0.5) * 0.08 + (mottle - 0.5) * 0.12
    albedo += 0.05 * _rays(nx, ny, nz, young, rng)  # faint: bright streaks glare at the limb
    tint = np.stack([np.full_like(x, 1.0), np.full_like(x, 0.965), np.full_like(x, 0.92)], -1)
    tint = tint * (1 - 0.5 * maria[..., None]) + C.rgb(214, 220, 232)[None, None] * 0.5 * maria[..., None]
    limb = 0.8 + 0.2 * np.sqrt(nz)
    earthshine = C.rgb(22, 26, 40)
    col = tint * (albedo * lit * occl * limb)[..., None] * 1.08 + earthshine * (1 - lit[..., None]) * 0.7
    # Dim, because the game draws 1-pixel outlines over it (green, and red on
    # flock frames): they must stay readable on its lit side.
    col *= 0.45
    alpha = np.clip(MOON_R - np.sqrt(rr) * MOON_R + 0.5, 0.0, 1.0)
    return C.layer(np.clip(col, 0, 1), alpha)


def satellite():
    size, s = 48, 4
    x, y = C.grid(size, size, s)
    img = C.empty(size * s, size * s)

    def box(x0, y0, x1, y1):
        return C.polygon_mask(size, size, [(x0, y0), (x1, y0), (x1, y1), (x0, y1)], s)

    # Struts first, panels and body over them.
    img = C.over(img, C.layer(C.rgb(150, 156, 168), box(9, 23.2, 39, 24.8)))
    for x0, x1 in ((2.0, 17.0), (31.0, 46.0)):
        panel = box(x0, 18.0, x1, 30.0)
        u, v = (x - x0) / (x1 - x0), (y - 18.0) / 12.0
        cu = np.abs(u * 5 - np.round(u * 5)) * (x1 - x0) / 5
        cv = np.abs(v * 3 - np.round(v * 3)) * 4.0
        cells = C.smoothstep(0.45, 0.2, np.minimum(cu, cv))
        sheen = 0.75 + 0.45 * np.clip(1.0 - (u + v) * 0.6, 0, 1)
        col = C.rgb(28, 54, 130) * sheen[..., None]
        col = col * (1 - cells[..., None]) + C.rgb(90, 140, 210) * cells[..., None]
        frame = 1.0 - box(x0 + 0.8, 18.8, x1 - 0.8, 29.2)
        col = col * (1 - frame[..., None]) + C.rgb(170, 176, 190) * frame[..., None]
        img = C.over(img, C.layer(col, panel))
    # Body wrapped in gold foil, shaded as a box lit from the upper left.
    body = box(18.0, 16.0, 30.0, 32.0)
    crinkle = C.fractal_noise(size * s, size * s, (24, 24), 2, np.random.default_rng(7))
    shade = 0.7 + 0.45 * np.clip((30.0 - x) / 12.0, 0, 1) * np.clip((34.0 - y) / 18.0, 0, 1)
    foil = C.colour_ramp(crinkle * shade, [(0.0, (120, 72, 20)), (0.5, (214, 160, 60)), (1.0, (255, 232, 150))])
    img = C.over(img, C.layer(foil, body))
    edge = body - box(18.8, 16.8, 29.2, 31.2)
    img = C.over(img, C.layer(C.rgb(90, 60, 24), edge * 0.8))
    # Dish antenna on top with its feed horn.
    img = C.over(img, C.layer(C.rgb(160, 164, 176), box(23.3, 9.0, 24.7, 16.0)))
    dish_d = ((x - 24.0) / 7.0) ** 2 + ((y - 11.0) / 2.6) ** 2
    dish = C.smoothstep(1.0, 0.9, dish_d) * (y > 9.0)
    dish_col = C.colour_ramp(np.clip((x - 17.0) / 14.0, 0, 1), [(0.0, (250, 250, 252)), (1.0, (150, 156, 170))])
    img = C.over(img, C.layer(dish_col, dish))
    img = C.over(img, C.layer(C.rgb(220, 224, 232), box(23.0, 4.0, 25.0, 9.5)))
    # Whip antennas below and a red beacon.
    img = C.over(img, C.layer(C.rgb(190, 194, 204), box(20.4, 32.0, 21.2, 42.0)))
    img = C.over(img, C.layer(C.rgb(190, 194, 204), box(26.8, 32.0, 27.6, 39.0)))
    beacon = np.exp(-(((x - 27.2) ** 2 + (y - 39.5) ** 2) / 1.2))
    img = C.over(img, C.layer(C.rgb(255, 80, 60), np.clip(beacon * 1.4, 0, 1)))
    sil = np.clip(img[..., 3], 0, 1)
    outline = C.layer(C.rgb(12, 12, 20), np.clip(C.blur(sil, 2, passes=2) * 3.0, 0, 1) * 0.7)
    return C.downsample(C.over(outline, img), s)


# Display shapes for the cards where the text glyph would break up once the
# blocks are rounded (diagonal steps thin out).
TITLE_SHAPES = {
    "R": "####./#...#/#...#/####./#..#./#...#/#...#",
    "M": "#...#/##.##/#####/#.#.#/#...#/#...#/#...#",
}


def _title_bitmap(ch):
    if ch in TITLE_SHAPES:
        rows = TITLE_SHAPES[ch].split("/")
        return np.array([[c == "#" for c in r] for r in rows], dtype=np.uint8)
    return G.bitmap(ch)[: G.CAP_ROWS]


def title_card(word):
    """A card of bold rounded block letters with an outline and a soft glow."""
    w, h, s = 400, 160, 2
    block = 14
    bits = np.concatenate([np.pad(_title_bitmap(ch), ((0, 0), (0, 1))) for ch in word], axis=1)[:, :-1]
    tw, th = bits.shape[1] * block, bits.shape[0] * block
    ox, oy = (w - tw) // 2, (h - th) // 2
    hard = np.zeros((h * s, w * s))
    hard[oy * s : (oy + th) * s, ox * s : (ox + tw) * s] = np.kron(bits, np.ones((block * s, block * s)))
    # Soften the blocks into rounded strokes: blur, then cut at half.
    soft = C.blur(hard, block * s * 0.22, passes=3)
    letters = C.smoothstep(0.44, 0.56, soft)
    outline = C.smoothstep(0.12, 0.22, C.blur(hard, block * s * 0.36, passes=3))
    glow = C.blur(hard, block * s * 0.9, passes=3)

    x, y = C.grid(h, w, s)
    t = (y - oy) / th
    fill = C.colour_ramp(t, [(0.0, (255, 250, 214)), (0.38, (255, 196, 84)), (0.52, (255, 128, 52)),
                             (0.53, (255, 86, 130)), (1.0, (150, 52, 200))])
    # A light bevel along the upper edges of each stroke.
    edge_up = np.clip(soft - np.roll(soft, block * s // 3, axis=0), 0, 1)
    fill = fill + edge_up[..., None] * 0.7
    img = C.layer(C.rgb(255, 80, 200), np.clip(glow * 0.85, 0, 1))
    img = C.over(img, C.layer(C.rgb(36, 10, 58), outline))
    img = C.over(img, C.layer(np.clip(fill, 0, 1), letters))
    return C.downsample(img, s)


def write_all(root):
    out = {}

    def put(rel, arr):
        out[rel] = C.save_png(arr, root + "/" + rel)

    put("dat/themoon4.png", moon(np.random.default_rng(4242)))
    put("dat/com_satellite.png", satellite())
    put("dat/mogu.png", title_card("MOGU"))
    put("dat/lira.png", title_card("LIRA"))
    return out
