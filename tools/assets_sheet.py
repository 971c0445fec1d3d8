"""The contact sheet docs/assets.png: every generated picture on one page."""

import numpy as np
from PIL import Image

import assets_common as C
import assets_glyphs as G

BG = (24, 16, 36, 255)
CAPTION = (210, 200, 230, 255)


def _caption(sheet, text, x, y, scale=2):
    mask = G.text_mask(text, scale)
    h, w = mask.shape
    img = np.zeros((h, w, 4), dtype=np.uint8)
    img[mask > 0] = CAPTION
    sheet.alpha_composite(Image.fromarray(img, "RGBA"), (x, y))


def _tile(arr):
    return Image.fromarray(arr, "RGBA")


def build(images):
    """images: {relative path: RGBA uint8 array} as written by the generators."""
    width, pad = 1180, 16
    sheet = Image.new("RGBA", (width, 1000), BG)
    y = pad
    _caption(sheet, "Mogu Lira: Void-Angler - generated art (tools/gen_assets.py)", pad, y, 2)
    y += 30

    ship_names = (["shipThrust%d" % k for k in range(3)] + ["shipShield%d" % k for k in range(7)]
                  + ["shipThrustShield%d" % k for k in range(3)])
    _caption(sheet, "Ship: thrust 0-2, shield 0-6, thrust+shield 0-2 (80x80)", pad, y)
    y += 24
    for i, name in enumerate(ship_names):
        sheet.alpha_composite(_tile(images["dat/%s.png" % name]), (pad + i * 88, y))
    y += 80 + pad

    _caption(sheet, "Title cards (400x160, drawn at half size)", pad, y)
    y += 24
    sheet.alpha_composite(_tile(images["dat/mogu.png"]), (pad, y))
    sheet.alpha_composite(_tile(images["dat/lira.png"]), (pad + 410, y))
    y += 160 + pad

    _caption(sheet, "Portal layers 0, 10, ... 80 and 89 (100x100, 90-frame loop)", pad, y)
    y += 24
    for i, k in enumerate(list(range(0, 90, 10)) + [89]):
        sheet.alpha_composite(_tile(images["dat/portal_layers/RGB/%d.png" % k]), (pad + i * 106, y))
    y += 100 + pad

    _caption(sheet, "Moon (790x790, shown at 3/8)", pad, y)
    _caption(sheet, "Satellite (48x48, and x3)", pad + 380, y)
    y += 24
    moon = _tile(images["dat/themoon4.png"]).resize((296, 296), Image.LANCZOS)
    sheet.alpha_composite(moon, (pad, y))
    sat = images["dat/com_satellite.png"]
    sheet.alpha_composite(_tile(sat), (pad + 380, y))
    big = _tile(sat).resize((sat.shape[1] * 3, sat.shape[0] * 3), Image.NEAREST)
    sheet.alpha_composite(big, (pad + 440, y))
    y += 296 + pad

    _caption(sheet, "Font glyphs (dat/TOMARIDENA.ttf), printable ASCII", pad, y)
    y += 24
    chars = "".join(chr(c) for c in range(0x20, 0x7F))
    for line in (chars[:48], chars[48:]):
        _caption(sheet, line, pad, y, 3)
        y += 32
    y += pad
    return sheet.crop((0, 0, width, y))


def write(root, images):
    path = root + "/docs/assets.png"
    C.ensure_dir(path)
    build(images).save(path, "PNG", optimize=False)
