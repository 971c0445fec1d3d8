#!/usr/bin/env python3
"""Generates every file under dat/, the contact sheet docs/assets.png and the desktop icons.

Usage: gen_assets.py [OUTPUT_ROOT]   (default: the repository root)

Needs PIL, numpy and fontTools. All randomness comes from fixed seeds and no
output carries a timestamp, so two runs give byte-identical files.
"""

import os
import sys

sys.dont_write_bytecode = True  # keep tools/ free of caches
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import assets_backdrop  # noqa: E402
import assets_font  # noqa: E402
import assets_icon  # noqa: E402
import assets_portal  # noqa: E402
import assets_sheet  # noqa: E402
import assets_ship  # noqa: E402
import assets_sounds  # noqa: E402


def main(argv):
    if len(argv) > 2:
        sys.stderr.write("usage: gen_assets.py [OUTPUT_ROOT]\n")
        return 2
    here = os.path.dirname(os.path.abspath(__file__))
    root = argv[1] if len(argv) == 2 else os.path.dirname(here)
    root = root.rstrip("/") or "/"

    images = {}
    images.update(assets_ship.write_all(root))
    images.update(assets_backdrop.write_all(root))
    images.update(assets_portal.write_all(root))
    sounds = assets_sounds.write_all(root)
    assets_font.write_font(root + "/dat/TOMARIDENA.ttf")
    assets_sheet.write(root, images)
    icons = assets_icon.write_all(root)
    print("wrote %d pictures, %d sounds, 1 font, %d icons and docs/assets.png under %s"
          % (len(images), len(sounds), len(icons), root))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
