#!/usr/bin/env python3
"""The desktop icons: the 256 x 256 game icon scaled by nearest neighbour to
every size the hicolor theme looks for, so the pixel art stays crisp.

    python3 assets/generator/icons.py

generate.py runs this after the pictures; it can also run on its own."""

import os
import sys

sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from pixels import read_png, write_png  # noqa: E402

APP_ID = "io.github.varnel.Gorvak"  # also the .desktop and metainfo names in dist/
SIZES = (16, 24, 32, 48, 64, 128, 256)
ASSETS = os.path.dirname(HERE)
SOURCE = os.path.join(ASSETS, "pictures", "Icon256.png")
ICON_DIR = os.path.join(ASSETS, "icons", "hicolor")


def icon_path(n):
    return os.path.join(ICON_DIR, "%dx%d" % (n, n), "apps", APP_ID + ".png")


def build_all():
    w, h, _, get = read_png(SOURCE)
    if get is None or (w, h) != (256, 256):
        raise ValueError(SOURCE + ": need a 256 x 256 opaque RGB picture")
    for n in SIZES:
        raw = bytearray()
        for y in range(n):
            raw.append(0)
            sy = (2 * y + 1) * h // (2 * n)  # the source pixel under this one's centre
            for x in range(n):
                raw += bytes(get((2 * x + 1) * w // (2 * n), sy))
        os.makedirs(os.path.dirname(icon_path(n)), exist_ok=True)
        write_png(icon_path(n), n, n, bytes(raw))
    return SIZES


def verify():
    """Returns the problems found, an empty list when every icon is right."""
    problems = []
    have = sorted(d for d in os.listdir(ICON_DIR))
    want = sorted("%dx%d" % (n, n) for n in SIZES)
    if have != want:
        problems.append("icon sizes differ: have %s, need %s" % (have, want))
    for n in SIZES:
        w, h, ctype, get = read_png(icon_path(n))
        if (w, h) != (n, n) or get is None:
            problems.append("%s is %dx%d (type %d), need %dx%d RGB" % (icon_path(n), w, h, ctype, n, n))
    return problems


if __name__ == "__main__":
    print("icons:", len(build_all()))
    bad = verify()
    for p in bad:
        print("FAILED:", p, file=sys.stderr)
    sys.exit(1 if bad else 0)
