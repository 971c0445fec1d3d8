"""The portal: a 90-frame seamless loop of a swirling vortex, 100 x 100 each.

Everything that moves is a function of the phase t = k / 90 that repeats with
period 1: the spiral arms advance by one arm spacing per loop, the noise
texture is tiled in both of its coordinates and the sparks fall inward a whole
number of times, so frame 89 flows into frame 0.
"""

import math

import numpy as np

import assets_common as C

SIZE = 100
S = 2
FRAMES = 90
ARMS = 3
TWIST = 2.6  # how tightly the arms wind
DISC_R = 48.0


def _tile_sample(tex, u, v):
    """Bilinear sample of a tileable texture at (u, v) in tile units (wraps)."""
    th, tw = tex.shape
    fx, fy = (u % 1.0) * tw, (v % 1.0) * th
    x0, y0 = np.floor(fx).astype(int), np.floor(fy).astype(int)
    ax, ay = fx - x0, fy - y0
    x0, y0 = x0 % tw, y0 % th
    x1, y1 = (x0 + 1) % tw, (y0 + 1) % th
    top = tex[y0, x0] * (1 - ax) + tex[y0, x1] * ax
    bot = tex[y1, x0] * (1 - ax) + tex[y1, x1] * ax
    return top * (1 - ay) + bot * ay


def frames():
    rng = np.random.default_rng(9090)
    tex = C.fractal_noise(64, 64, (4, 4), 4, rng, wrap=True)
    sparks = [(rng.random(), rng.random(), 0.6 + 0.4 * rng.random()) for _ in range(16)]
    x, y = C.grid(SIZE, SIZE, S)
    dx, dy = x - SIZE / 2.0, y - SIZE / 2.0
    r = np.hypot(dx, dy) / DISC_R
    theta = np.arctan2(dy, dx)
    lr = np.log(np.maximum(r, 0.02))
    out = []
    for k in range(FRAMES):
        t = k / FRAMES
        # Spiral coordinate: constant along an arm; the arms turn one spacing per loop.
        spiral = ARMS * (theta + TWIST * lr) / (2 * math.pi) - t
        arms = 0.5 + 0.5 * np.cos(2 * math.pi * spiral)
        # Noise rides along the arms (tiled in 'spiral') and sinks inward (tiled in radius).
        n = _tile_sample(tex, spiral, lr * 0.45 + t)
        n2 = _tile_sample(tex, spiral * 2.0 + 0.37, lr * 0.9 + 2 * t + 0.5)
        swirl = np.clip(arms ** 1.6 * (0.55 + 0.9 * n) + 0.25 * n2 - 0.1, 0, 1)
        # Brighter towards the eye, darker towards the rim.
        depth = np.clip(1.0 - r, 0, 1)
        core = np.exp(-((r / 0.2) ** 2))
        level = np.clip(swirl * (0.35 + 0.75 * depth) + 0.95 * core, 0, 1)
        col = C.colour_ramp(level, [(0.0, (16, 18, 64)), (0.3, (30, 70, 150)), (0.55, (40, 170, 220)),
                                    (0.8, (150, 240, 255)), (1.0, (255, 255, 255))])
        # A violet energy ring at the rim, its glow running around the edge.
        ring_mod = 0.7 + 0.3 * np.cos(5 * theta - 2 * math.pi * 2 * t) * np.cos(3 * theta + 2 * math.pi * t)
        ring = np.exp(-(((r - 0.9) / 0.06) ** 2)) * ring_mod
        col = col * (1 - 0.8 * ring[..., None]) + C.rgb(200, 110, 255) * 0.8 * ring[..., None]
        img = C.layer(np.clip(col, 0, 1), (0.88 + 0.12 * level) * C.smoothstep(1.0, 0.9, r))
        # Sparks spiralling into the eye: each falls inward twice per loop.
        glow = np.zeros(r.shape)
        for phase, ang0, bright in sparks:
            sr = 0.92 * ((phase - 2 * t) % 1.0)
            sa = 2 * math.pi * ang0 - TWIST * math.log(max(sr, 0.05))
            sx = SIZE / 2.0 + DISC_R * sr * math.cos(sa)
            sy = SIZE / 2.0 + DISC_R * sr * math.sin(sa)
            fade = min(1.0, (0.92 - sr) * 8.0) * min(1.0, sr * 6.0)
            glow += bright * fade * np.exp(-((x - sx) ** 2 + (y - sy) ** 2) / 1.1)
        img[..., :3] += np.clip(glow, 0, 1)[..., None] * img[..., 3:4] * 0.8
        img[..., :3] = np.minimum(img[..., :3], img[..., 3:4])
        out.append(C.downsample(img, S))
    return out


def write_all(root):
    out = {}
    for k, arr in enumerate(frames()):
        rel = "dat/portal_layers/RGB/%d.png" % k
        out[rel] = C.save_png(arr, root + "/" + rel)
    return out
