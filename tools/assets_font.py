"""Builds the game's TrueType pixel font from the shared 5 x 7 glyph table.

The heads-up labels sit 80 pixels apart and 15 pixels above one another, so the
font is drawn one font pixel per screen pixel at 20 pt (50 units on a 1000-unit
em) and stretched to 5 x 9: the table's rows 1 and 5 (the shoulders of round
letters) and its first descender row are drawn twice, which keeps bars and
bowls evenly spaced. Glyphs whose diagonals or dots would come out lumpy are
drawn directly in TALL. Outlines stay on whole pixels, so text renders crisp.
"""

import io

import numpy as np
from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

import assets_common
import assets_glyphs as G

FAMILY = "Tomaridena"
UPM = 1000
PX = 50
CAP_ROWS = 9
DESC_ROWS = 3
# Source row of the shared table for each row of the tall glyph.
ROW_MAP = (0, 1, 1, 2, 3, 4, 5, 5, 6, 7, 7, 8)
SPACING = 2
ADVANCE = (G.WIDTH + SPACING) * PX
ASCENT = (CAP_ROWS + 1) * PX  # one pixel of room above capitals
DESCENT = DESC_ROWS * PX
# 2024-01-01 00:00:00 in seconds since 1904-01-01: fixed so builds are identical.
FIXED_TIME = 3786825600

# 5 x 9 glyphs (rows 9-11 below the baseline) where the plain stretch reads badly.
TALL = {
    "!": "..#../..#../..#../..#../..#../..#../..#../...../..#..",
    '"': ".#.#./.#.#./.#.#.",
    "$": "..#../.####/#.#../#.#../.###./..#.#/..#.#/####./..#..",
    "%": "##.../##..#/...#./...#./..#../.#.../.#.../#..##/...##",
    "'": "..#../..#../.#...",
    ",": "...../...../...../...../...../...../...../.##../.##../..#../.#...",
    ".": "...../...../...../...../...../...../...../.##../.##..",
    "/": "....#/....#/...#./...#./..#../.#.../.#.../#..../#....",
    "1": "..#../.##../..#../..#../..#../..#../..#../..#../.###.",
    "2": ".###./#...#/....#/....#/...#./..#../.#.../#..../#####",
    "3": ".###./#...#/....#/....#/..##./....#/....#/#...#/.###.",
    "4": "...#./..##./.#.#./#..#./#..#./#####/...#./...#./...#.",
    "7": "#####/....#/....#/...#./...#./..#../..#../.#.../.#...",
    ":": "...../...../.##../.##../...../...../.##../.##..",
    ";": "...../...../.##../.##../...../...../.##../.##../..#../.#...",
    "<": "...../....#/...#./..#../.#.../..#../...#./....#",
    ">": "...../#..../.#.../..#../...#./..#../.#.../#....",
    "?": ".###./#...#/....#/....#/...#./..#../..#../...../..#..",
    "D": "###../#..#./#...#/#...#/#...#/#...#/#...#/#..#./###..",
    "K": "#...#/#...#/#..#./#.#../##.../#.#../#..#./#...#/#...#",
    "N": "#...#/#...#/##..#/##..#/#.#.#/#..##/#..##/#...#/#...#",
    "Z": "#####/....#/....#/...#./..#../.#.../#..../#..../#####",
    "\\": "#..../#..../.#.../.#.../..#../...#./...#./....#/....#",
    "_": "...../...../...../...../...../...../...../...../...../#####",
    "`": ".#.../..#../...#.",
    "f": "..##./.#..#/.#.../###../.#.../.#.../.#.../.#.../.#...",
    "g": "...../...../...../.####/#...#/#...#/#...#/#...#/.####/....#/#...#/.###.",
    "i": "...../..#../...../.##../..#../..#../..#../..#../.###.",
    "j": "...../...#./...../..##./...#./...#./...#./...#./...#./...#./#..#./.##..",
    "k": "#..../#..../#..../#..#./#.#../##.../##.../#.#../#..#.",
    "t": "...../.#.../.#.../###../.#.../.#.../.#.../.#..#/..##.",
    "u": "...../...../...../#...#/#...#/#...#/#...#/#..##/.##.#",
    "x": "...../...../...../#...#/.#.#./..#../..#../.#.#./#...#",
    "y": "...../...../...../#...#/#...#/#...#/#...#/#...#/.####/....#/#...#/.###.",
    "z": "...../...../...../#####/...#./..#../.#.../#..../#####",
}


def bitmap(ch):
    """The font's glyph as a (CAP_ROWS + DESC_ROWS) x WIDTH array of 0/1, row 0 on top."""
    if ch not in TALL:
        return G.bitmap(ch)[list(ROW_MAP)]
    out = np.zeros((CAP_ROWS + DESC_ROWS, G.WIDTH), dtype=np.uint8)
    for r, row in enumerate(TALL[ch].split("/")):
        out[r] = [cell == "#" for cell in row]
    return out


def check_tall():
    """Every drawn glyph is well formed and no two characters look alike."""
    for ch, rows in TALL.items():
        rows = rows.split("/")
        assert len(rows) <= CAP_ROWS + DESC_ROWS, ch
        assert all(len(r) == G.WIDTH and set(r) <= set("#.") for r in rows), ch
    seen = {}
    for code in range(0x20, 0x7F):
        key = bitmap(chr(code)).tobytes()
        assert key not in seen, (chr(code), seen.get(key))
        seen[key] = chr(code)


def outline(bits):
    """Closed contours around the set cells, clockwise in y-up units.

    Each cell contributes its four edges; edges shared by two set cells cancel,
    so touching squares merge into one outline and holes come out the other way
    round, which the non-zero rule fills correctly.
    """
    rows = bits.shape[0]
    edges = {}

    def pt(c, r):  # grid corner (column c, row r from the top) in font units
        return (c * PX, (CAP_ROWS - r) * PX)

    for r in range(rows):
        for c in range(bits.shape[1]):
            if not bits[r, c]:
                continue
            corners = [pt(c, r + 1), pt(c, r), pt(c + 1, r), pt(c + 1, r + 1)]
            for i in range(4):
                a, b = corners[i], corners[(i + 1) % 4]
                if (b, a) in edges:
                    del edges[(b, a)]
                else:
                    edges[(a, b)] = True
    out_of = {}
    for a, b in edges:
        out_of.setdefault(a, []).append(b)

    contours = []
    while out_of:
        start = min(out_of)
        contour = [start]
        prev, cur = None, start
        while True:
            nexts = out_of[cur]
            if len(nexts) > 1 and prev is not None:
                # Where two outlines touch at a corner, turn right so each stays simple.
                dx, dy = cur[0] - prev[0], cur[1] - prev[1]
                nexts.sort(key=lambda n: -((n[0] - cur[0]) * dy - (n[1] - cur[1]) * dx))
            nxt = nexts.pop(0)
            if not nexts:
                del out_of[cur]
            prev, cur = cur, nxt
            if cur == start:
                break
            contour.append(cur)
        contours.append(simplify(contour))
    return contours


def simplify(contour):
    """Drops corners that lie on a straight run."""
    out = []
    n = len(contour)
    for i, p in enumerate(contour):
        a, b = contour[i - 1], contour[(i + 1) % n]
        if (p[0] - a[0]) * (b[1] - p[1]) - (p[1] - a[1]) * (b[0] - p[0]) != 0:
            out.append(p)
    return out


def glyph_for(bits):
    pen = TTGlyphPen(None)
    for contour in outline(bits):
        pen.moveTo(contour[0])
        for p in contour[1:]:
            pen.lineTo(p)
        pen.closePath()
    return pen.glyph()


def glyph_name(code):
    return "space" if code == 0x20 else "uni%04X" % code


def build_font():
    G.check_table()
    check_tall()
    order = [".notdef"] + [glyph_name(c) for c in range(0x20, 0x7F)]
    cmap = {c: glyph_name(c) for c in range(0x20, 0x7F)}
    glyphs = {".notdef": glyph_for(bitmap("\x00"))}  # the table's hollow box
    for c in range(0x20, 0x7F):
        glyphs[glyph_name(c)] = glyph_for(bitmap(chr(c)))

    fb = FontBuilder(UPM, isTTF=True)
    fb.font.recalcTimestamp = False
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    metrics = {}
    for name in order:
        g = fb.font["glyf"][name]
        lsb = g.xMin if g.numberOfContours else 0
        metrics[name] = (ADVANCE, lsb)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0)
    fb.setupNameTable(
        {
            "familyName": FAMILY,
            "styleName": "Regular",
            "uniqueFontIdentifier": FAMILY + "-Regular-1.0",
            "fullName": FAMILY + " Regular",
            "psName": FAMILY + "-Regular",
            "version": "Version 1.000",
        }
    )
    fb.setupOS2(
        sTypoAscender=ASCENT,
        sTypoDescender=-DESCENT,
        sTypoLineGap=0,
        usWinAscent=ASCENT,
        usWinDescent=DESCENT,
        sxHeight=6 * PX,
        sCapHeight=CAP_ROWS * PX,
        achVendID="MOGU",
        fsType=0,
        usWeightClass=400,
        fsSelection=0x40 | 0x80,  # regular, use typographic metrics
        version=4,
    )
    fb.setupPost(isFixedPitch=1, underlinePosition=-PX, underlineThickness=PX)
    head = fb.font["head"]
    head.created = FIXED_TIME
    head.modified = FIXED_TIME
    head.fontRevision = 1.0
    buf = io.BytesIO()
    fb.save(buf)
    return buf.getvalue()


def write_font(path):
    data = build_font()
    assets_common.ensure_dir(path)
    with open(path, "wb") as f:
        f.write(data)
    return data
