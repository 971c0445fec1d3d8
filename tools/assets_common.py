"""Shared helpers: premultiplied RGBA layers in numpy, noise, PNG output.

Pictures are built at a supersampled size as float arrays of premultiplied
RGBA in 0..1 and box-filtered down at the end, which gives clean anti-aliased
edges without depending on any resampling filter of PIL.
"""

import os

import numpy as np
from PIL import Image, ImageDraw


def ensure_dir(path):
    os.makedirs(os.path.dirname(path), exist_ok=True)


def save_png(arr, path):
    """Write a premultiplied float RGBA array as a straight-alpha 8-bit PNG."""
    ensure_dir(path)
    a = np.clip(arr[..., 3:4], 0.0, 1.0)
    rgb = np.where(a > 1e-6, arr[..., :3] / np.maximum(a, 1e-6), 0.0)
    out = np.concatenate([np.clip(rgb, 0.0, 1.0), a], axis=-1)
    data = np.round(out * 255.0).astype(np.uint8)
    # Fully transparent pixels keep no colour, so the files compress well.
    data[data[..., 3] == 0] = 0
    # Plain save: no dates or other varying chunks, so runs are byte-identical.
    Image.fromarray(data, "RGBA").save(path, "PNG", optimize=False)
    return data


def load_rgba(path):
    with Image.open(path) as im:
        return np.asarray(im.convert("RGBA"))


def rgb(r, g, b):
    """A colour given in 0..255 as a 0..1 triple."""
    return np.array([r, g, b], dtype=np.float64) / 255.0


def empty(h, w):
    return np.zeros((h, w, 4), dtype=np.float64)


def layer(rgb, alpha):
    """Premultiplied layer from a colour (array HxWx3 or a triple) and alpha HxW."""
    alpha = np.clip(alpha, 0.0, 1.0)
    rgb = np.broadcast_to(np.asarray(rgb, dtype=np.float64), alpha.shape + (3,))
    return np.concatenate([rgb * alpha[..., None], alpha[..., None]], axis=-1)


def over(dst, src):
    """Porter-Duff 'src over dst' on premultiplied arrays (returns a new array)."""
    return src + dst * (1.0 - src[..., 3:4])


def add_glow(dst, src):
    """Additive light: adds colour and keeps the larger alpha."""
    out = dst.copy()
    out[..., :3] = dst[..., :3] + src[..., :3]
    out[..., 3] = np.maximum(dst[..., 3], src[..., 3])
    out[..., :3] = np.minimum(out[..., :3], out[..., 3:4])
    return out


def downsample(arr, s):
    """Box filter by an integer factor (works on HxW and HxWxC arrays)."""
    if s == 1:
        return arr
    h, w = arr.shape[0] // s, arr.shape[1] // s
    shape = (h, s, w, s) + arr.shape[2:]
    return arr[: h * s, : w * s].reshape(shape).mean(axis=(1, 3))


def grid(h, w, s=1):
    """Pixel-centre coordinates (x, y) in output pixels for a canvas supersampled by s."""
    ys = (np.arange(h * s) + 0.5) / s
    xs = (np.arange(w * s) + 0.5) / s
    return np.meshgrid(xs, ys)


def polygon_mask(h, w, pts, s=1):
    """Hard-edged mask of a polygon given in output pixels, at supersample s."""
    im = Image.new("L", (w * s, h * s), 0)
    ImageDraw.Draw(im).polygon([(x * s, y * s) for x, y in pts], fill=255)
    return np.asarray(im, dtype=np.float64) / 255.0


def smoothstep(e0, e1, x):
    t = np.clip((x - e0) / (e1 - e0), 0.0, 1.0)
    return t * t * (3.0 - 2.0 * t)


def blur(a, radius, passes=3):
    """Cheap separable box blur repeated (close to a Gaussian); edges clamp."""
    r = int(radius)
    if r < 1:
        return a
    out = a.astype(np.float64)
    for _ in range(passes):
        for axis in (0, 1):
            pad = [(0, 0)] * out.ndim
            pad[axis] = (r + 1, r)
            c = np.cumsum(np.pad(out, pad, mode="edge"), axis=axis)
            n = out.shape[axis]
            hi = np.take(c, np.arange(2 * r + 1, 2 * r + 1 + n), axis=axis)
            lo = np.take(c, np.arange(0, n), axis=axis)
            out = (hi - lo) / (2 * r + 1)
    return out


def segment_distance(x, y, a, b):
    ax, ay = a
    bx, by = b
    dx, dy = bx - ax, by - ay
    t = np.clip(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0)
    return np.hypot(x - (ax + t * dx), y - (ay + t * dy))


def value_noise(h, w, cells_y, cells_x, rng, wrap=False):
    """Smooth value noise with cells_y x cells_x lattice cells over the canvas.

    With wrap=True the lattice wraps around, so the result tiles seamlessly.
    """
    gy, gx = (cells_y, cells_x) if wrap else (cells_y + 1, cells_x + 1)
    lattice = rng.random((gy, gx))
    fy = (np.arange(h) + 0.5) / h * cells_y
    fx = (np.arange(w) + 0.5) / w * cells_x
    iy, ix = np.floor(fy).astype(int), np.floor(fx).astype(int)
    ty, tx = fy - iy, fx - ix
    ty, tx = ty * ty * (3 - 2 * ty), tx * tx * (3 - 2 * tx)
    iy1, ix1 = iy + 1, ix + 1
    if wrap:
        iy, iy1, ix, ix1 = iy % gy, iy1 % gy, ix % gx, ix1 % gx
    else:
        iy1, ix1 = np.minimum(iy1, gy - 1), np.minimum(ix1, gx - 1)
    a = lattice[iy][:, ix]
    b = lattice[iy][:, ix1]
    c = lattice[iy1][:, ix]
    d = lattice[iy1][:, ix1]
    tx = tx[None, :]
    ty = ty[:, None]
    return (a * (1 - tx) + b * tx) * (1 - ty) + (c * (1 - tx) + d * tx) * ty


def fractal_noise(h, w, base_cells, octaves, rng, wrap=False, gain=0.5):
    """Sum of value-noise octaves, normalised to roughly 0..1."""
    total = np.zeros((h, w))
    amp, norm = 1.0, 0.0
    cy, cx = base_cells
    for _ in range(octaves):
        total += amp * value_noise(h, w, cy, cx, rng, wrap)
        norm += amp
        amp *= gain
        cy, cx = cy * 2, cx * 2
    return total / norm


def colour_ramp(t, stops):
    """Map t in 0..1 through (position, (r, g, b) in 0..255) stops to RGB in 0..1."""
    t = np.clip(t, 0.0, 1.0)
    pos = np.array([p for p, _ in stops])
    cols = np.array([c for _, c in stops], dtype=np.float64) / 255.0
    return np.stack([np.interp(t, pos, cols[:, i]) for i in range(3)], axis=-1)
