"""The hero ship sprites: plain, thrusting, shielded, and shielded while thrusting.

The ship points LEFT in the files; the game turns the sprite 90 degrees clockwise
about (40, 40) so that it lies under the outline polygon, which starts pointing up.
"""

import math

import numpy as np

import assets_common as C

SIZE = 80
S = 4  # supersampling factor

NOSE = (6.0, 38.0)
WING_UP = (56.0, 13.0)
NOTCH = (46.0, 38.0)
WING_DOWN = (56.0, 63.0)
HULL = [NOSE, WING_UP, NOTCH, WING_DOWN]
CY = 38.0

# Light from above and a little ahead of the nose, along the long axis: both
# wings catch the same light, so neither tip goes dark against the backdrop.
LIGHT = np.array([-0.3, 0.0, 0.95])
LIGHT = LIGHT / np.linalg.norm(LIGHT)


def _shade(height, tilt):
    """Lambert plus a little gloss from a height field (output-pixel units)."""
    gy, gx = np.gradient(height, 1.0 / S)
    nx = -gx
    ny = -gy + tilt
    nz = np.ones_like(height)
    norm = np.sqrt(nx * nx + ny * ny + nz * nz)
    nx, ny, nz = nx / norm, ny / norm, nz / norm
    lam = np.clip(nx * LIGHT[0] + ny * LIGHT[1] + nz * LIGHT[2], 0.0, 1.0)
    # Half-vector gloss with the viewer straight above.
    hv = LIGHT + np.array([0.0, 0.0, 1.0])
    hv = hv / np.linalg.norm(hv)
    gloss = np.clip(nx * hv[0] + ny * hv[1] + nz * hv[2], 0.0, 1.0) ** 40
    return lam, gloss


def _hull_distance(x, y, pts):
    d = np.full(x.shape, np.inf)
    for i in range(len(pts)):
        d = np.minimum(d, C.segment_distance(x, y, pts[i], pts[(i + 1) % len(pts)]))
    return d


def ship_layer():
    """The ship alone, premultiplied, at the supersampled size."""
    x, y = C.grid(SIZE, SIZE, S)
    hull = C.polygon_mask(SIZE, SIZE, HULL, S)

    # Wings: bevelled plates with a slight dihedral, so the two halves catch
    # the light differently.
    dist = _hull_distance(x, y, HULL)
    bevel = C.smoothstep(0.0, 3.0, dist)
    tilt = -0.35 * np.tanh((CY - y) / 1.5)
    lam, gloss = _shade(bevel * 1.6, tilt)
    base = C.colour_ramp((x - 6.0) / 50.0, [(0.0, (176, 186, 204)), (1.0, (118, 128, 150))])
    # Red tips: the part of each wing behind a line across it.
    tip = C.smoothstep(-0.4, 0.4, (x - 44.0) + 0.55 * (np.abs(y - CY) - 14.0))
    tip *= C.smoothstep(6.0, 7.0, np.abs(y - CY))
    base = base * (1 - tip[..., None]) + C.rgb(236, 84, 64) * tip[..., None]
    # Thin stripe on each wing running from the root towards the tip.
    stripe_d = np.minimum(
        C.segment_distance(x, y, (22.0, 31.5), (49.0, 19.0)),
        C.segment_distance(x, y, (22.0, 44.5), (49.0, 57.0)),
    )
    stripe = C.smoothstep(0.9, 0.5, stripe_d)
    base = base * (1 - stripe[..., None]) + C.rgb(232, 150, 54) * stripe[..., None]
    # Panel seams, cut a little darker.
    seams = np.minimum.reduce(
        [
            C.segment_distance(x, y, (30.0, 34.0), (52.0, 22.0)),
            C.segment_distance(x, y, (30.0, 42.0), (52.0, 54.0)),
        ]
    )
    seam = C.smoothstep(0.45, 0.2, seams) * 0.3
    colour = base * (0.32 + 0.85 * lam[..., None]) + 0.5 * gloss[..., None]
    colour *= 1.0 - seam[..., None]
    img = C.layer(colour, hull)

    # Fuselage: a rounded spine from the nose to the engines.
    body_pts = [(7.0, 38.0), (14.0, 35.0), (26.0, 33.2), (43.0, 33.0), (47.5, 34.2),
                (47.5, 41.8), (43.0, 43.0), (26.0, 42.8), (14.0, 41.0)]
    body = C.polygon_mask(SIZE, SIZE, body_pts, S)
    half = np.interp(x, [7, 14, 26, 43, 48], [0.5, 3.0, 4.8, 5.0, 4.0])
    v = np.clip((y - CY) / half, -1.0, 1.0)
    round_h = np.sqrt(1.0 - v * v) * 2.2
    lam, gloss = _shade(round_h, 0.0)
    body_col = C.colour_ramp((x - 7.0) / 41.0, [(0.0, (222, 226, 236)), (1.0, (168, 176, 194))])
    body_col = body_col * (0.35 + 0.8 * lam[..., None]) + 0.6 * gloss[..., None]
    ring = C.smoothstep(0.5, 0.2, np.abs(x - 33.0)) * 0.35
    body_col *= 1.0 - ring[..., None]
    img = C.over(img, C.layer(body_col, body))

    # Cockpit canopy: dark glass with a bright glint.
    ex, ey = (x - 21.0) / 7.5, (y - CY) / 2.9
    r2 = ex * ex + ey * ey
    canopy = C.smoothstep(1.0, 0.85, r2)
    glass = C.colour_ramp(np.clip(0.5 + 0.5 * ey - 0.3 * ex, 0, 1),
                          [(0.0, (120, 214, 250)), (0.5, (40, 110, 170)), (1.0, (10, 30, 70))])
    glint = np.exp(-(((x - 18.5) / 2.2) ** 2 + ((y - 36.6) / 0.7) ** 2))
    glass = glass + glint[..., None] * 0.9
    img = C.over(img, C.layer(glass, canopy))
    rim = C.smoothstep(0.35, 0.0, np.abs(np.sqrt(r2) - 1.0) * 7.5) * 0.6
    img = C.over(img, C.layer(C.rgb(40, 46, 60), rim * C.smoothstep(0.9, 1.0, np.sqrt(r2) + 0.1)))

    # Twin engine nozzles at the rear notch.
    for ny0 in (35.6, 40.4):
        dn = np.maximum(np.abs(x - 46.0) - 1.6, np.abs(y - ny0) - 1.5)
        noz = C.smoothstep(0.3, -0.3, dn)
        inner = C.smoothstep(0.2, -0.4, np.maximum(np.abs(x - 46.6) - 1.0, np.abs(y - ny0) - 0.8))
        img = C.over(img, C.layer(C.rgb(70, 74, 86), noz))
        img = C.over(img, C.layer(C.rgb(18, 18, 24), inner))

    # Dark outline around the whole silhouette so it reads on any backdrop.
    sil = np.clip(img[..., 3], 0, 1)
    grown = np.clip(C.blur(sil, S * 0.6, passes=2) * 3.0, 0, 1)
    outline = C.layer(C.rgb(16, 14, 26), grown * 0.85)
    return C.over(outline, img)


def flame_layer(frame):
    """Exhaust to the right of the notch; frames differ in length and ripple."""
    x, y = C.grid(SIZE, SIZE, S)
    length = (29.0, 32.5)[frame]
    phase = (0.3, 2.4)[frame]
    u = (x - 46.5) / length
    wob = 0.7 * np.sin(u * 11.0 + phase) * u
    width = 6.0 * np.clip(1.0 - u, 0, 1) ** 0.7 * (0.55 + 0.45 * C.smoothstep(0.0, 0.12, u))
    out = np.zeros(x.shape)
    for ny0 in (35.6, 40.4):
        # Two jets that merge into one plume a little way out.
        merge = C.smoothstep(0.0, 0.35, u)
        cy = ny0 + (CY - ny0) * merge + wob
        w = np.maximum(width * (0.45 + 0.55 * merge), 1e-3)
        v = np.abs(y - cy) / w
        out = np.maximum(out, np.clip(1.0 - v, 0, 1))
    along = np.clip(1.0 - u, 0, 1) ** 0.45 * (u > -0.02)
    # Shock bands make the two frames flicker against each other.
    bands = 0.82 + 0.18 * np.cos(u * (22.0 if frame == 0 else 27.0) + phase * 2.0)
    inten = np.clip(out ** 0.8 * along * bands * 1.15, 0, 1)
    col = C.colour_ramp(inten, [(0.0, (150, 24, 10)), (0.3, (236, 88, 24)),
                                (0.6, (255, 182, 60)), (0.85, (255, 240, 190)), (1.0, (255, 255, 255))])
    core = C.layer(col, C.smoothstep(0.02, 0.3, inten))
    halo_a = np.exp(-((y - CY - wob) / 5.0) ** 2) * np.clip(1 - u, 0, 1) ** 1.5 * (u > -0.05) * 0.35
    halo = C.layer(C.rgb(255, 120, 40), halo_a * C.smoothstep(-0.05, 0.05, u))
    return C.over(halo, core)


def shield_layer(k, frames=7):
    """A translucent bubble on the sprite's turning point (40, 40), so it sits still
    as the ship turns. Its radius is fixed, clear of the nose, with the glow inside
    the frame; only its brightness pulses over the frame cycle."""
    x, y = C.grid(SIZE, SIZE, S)
    glow = 0.8 + 0.2 * math.sin(2 * math.pi * k / frames)
    radius = 36.8
    dx, dy = x - 40.0, y - 40.0
    r = np.hypot(dx, dy)
    ang = np.arctan2(dy, dx)
    inside = C.smoothstep(radius + 0.5, radius - 0.5, r)
    fill = inside * (0.06 + 0.26 * np.clip(r / radius, 0, 1) ** 6)
    ripple = 0.85 + 0.15 * np.cos(6 * ang + 2 * math.pi * k / frames)
    rim = np.exp(-((r - radius + 0.3) / 0.9) ** 2) * 0.6 * ripple
    halo = np.exp(-((r - radius) / 1.0) ** 2) * 0.2
    hl = np.clip(np.cos(ang + 2.3), 0, 1) ** 3 * np.exp(-((r - radius + 4.5) / 1.6) ** 2) * 0.45
    a = np.clip((fill + rim + halo + hl) * (0.85 + 0.15 * glow), 0, 1)
    mix = np.clip((rim + hl) / np.maximum(a, 1e-6) * glow, 0, 1)[..., None]
    col = (C.rgb(60, 170, 255) * (1 - mix) + C.rgb(200, 245, 255) * mix) * (0.75 + 0.25 * glow)
    return C.layer(col, a)


def render(ship, flame=None, shield=None):
    img = C.empty(SIZE * S, SIZE * S)
    if flame is not None:
        img = C.over(img, flame)
    img = C.over(img, ship)
    if shield is not None:
        img = C.over(img, shield)
    return C.downsample(img, S)


def write_all(root):
    """Writes every ship frame; returns {relative path: RGBA uint8 array}."""
    ship = ship_layer()
    flames = [flame_layer(0), flame_layer(1)]
    out = {}

    def put(name, arr):
        rel = "dat/" + name
        out[rel] = C.save_png(arr, root + "/" + rel)

    put("shipThrust0.png", render(ship))
    put("shipThrust1.png", render(ship, flames[0]))
    put("shipThrust2.png", render(ship, flames[1]))
    shields = [shield_layer(k) for k in range(7)]
    for k in range(7):
        put("shipShield%d.png" % k, render(ship, shield=shields[k]))
    for k in range(3):
        put("shipThrustShield%d.png" % k, render(ship, flames[k % 2], shields[(k * 2) % 7]))
    return out
