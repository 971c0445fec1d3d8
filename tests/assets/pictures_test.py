# Readability of the generated pictures in dat/, measured. Usage: pictures_test.py REPO_ROOT.
# The shield sits on the sprite's turning point (40, 40) with one radius in every frame, clear of
# the nose and inside the frame; both wing tips stand out from the two backdrop colours; the
# one-pixel outlines drawn over the moon stay readable on 95 % of it. Contrast is the WCAG ratio.
import sys

import numpy as np
from PIL import Image


def load(root, name):
    with Image.open("%s/dat/%s.png" % (root, name)) as im:
        return np.asarray(im.convert("RGBA"), dtype=np.float64)


def contrast(rgb, other):
    def lum(c):
        c = np.asarray(c, dtype=np.float64) / 255.0
        return np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4) @ [0.2126, 0.7152, 0.0722]
    a, b = lum(rgb), lum(other)
    return (np.maximum(a, b) + 0.05) / (np.minimum(a, b) + 0.05)


def main(root):
    failures = []

    def check(ok, what):
        sys.stderr.write(("ok   " if ok else "FAIL ") + what + "\n")
        failures.extend([] if ok else [what])

    ship = load(root, "shipThrust0")
    covered = np.maximum(load(root, "shipThrust1")[..., 3], load(root, "shipThrust2")[..., 3])
    yy, xx = np.mgrid[0:80, 0:80] + 0.5
    nose = np.hypot(xx - 40, yy - 40)[ship[..., 3] > 0].max()
    radii = []
    for name in ["shipShield%d" % k for k in range(7)] + ["shipThrustShield%d" % k for k in range(3)]:
        frame = load(root, name)
        # Least-squares circle through the bright ring, away from ship and flame.
        a = np.where(covered == 0, frame[..., 3], 0)
        x, y = xx[a >= 0.9 * a.max()], yy[a >= 0.9 * a.max()]
        cx, cy, c = np.linalg.lstsq(np.stack([2 * x, 2 * y, np.ones_like(x)], 1), x * x + y * y, rcond=None)[0]
        radii.append(np.sqrt(c + cx * cx + cy * cy))
        border = max(frame[[0, -1], :, 3].max(), frame[:, [0, -1], 3].max())
        check(np.hypot(cx - 40, cy - 40) < 0.3 and radii[-1] > nose + 1.5 and border == 0,
              "%s: bubble at (%.2f, %.2f) radius %.2f, ship reaches %.2f, border alpha %d"
              % (name, cx, cy, radii[-1], nose, border))
    check(np.ptp(radii) < 0.3, "bubble radius varies by %.2f px over the frames" % np.ptp(radii))
    for tip in ((56, 13), (56, 63)):
        near = ship[(np.hypot(xx - tip[0], yy - tip[1]) < 6) & (ship[..., 3] >= 192)][:, :3]
        # The tip's mean colour against each backdrop colour.
        worst = min(contrast(np.mean(near, 0), b) for b in [(82, 3, 46), (43, 29, 54)])
        check(len(near) > 10 and worst >= 3.0, "wing tip %s: %.2f:1 over %d pixels" % (tip, worst, len(near)))
    moon = load(root, "themoon4")
    moon = moon[moon[..., 3] == 255][:, :3]
    for colour, least in [((168, 198, 78), 3.0), ((255, 0, 0), 2.0), ((255, 44, 44), 2.0)]:
        ratio = contrast(colour, moon)
        check(np.mean(ratio >= least) >= 0.95, "%s over the moon: %.1f %% at %.0f:1 or better, worst 5 %% "
              "at %.2f:1" % (colour, 100 * np.mean(ratio >= least), least, np.percentile(ratio, 5)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
