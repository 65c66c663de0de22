#!/usr/bin/env python3
"""The desktop icons: the 256 x 256 game icon scaled by nearest neighbour to
every size the hicolor theme looks for, so the pixel art stays crisp; and
the icon of a dungeon file, drawn here from the game icon: a map on a page
with the game's face as its badge.

    python3 assets/generator/icons.py

generate.py runs this after the pictures; it can also run on its own."""

import os
import sys

sys.dont_write_bytecode = True

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from pixels import (FLAME2, INK, MOSS1, PARCH0, PARCH1, PARCH2, WHITE, WOOD0,  # noqa: E402
                    WOOD2, Img, read_png, write_png)

APP_ID = "io.github.varnel.Gorvak"  # also the .desktop and metainfo names in dist/
# The dungeon file's type, as dist/io.github.varnel.Gorvak.mime.xml names it.
DUNGEON_ICON = "application-x-gorvak-dungeon"
SIZES = (16, 24, 32, 48, 64, 128, 256)
ASSETS = os.path.dirname(HERE)
SOURCE = os.path.join(ASSETS, "pictures", "Icon256.png")
ICON_DIR = os.path.join(ASSETS, "icons", "hicolor")


def icon_path(n, kind="apps", name=APP_ID):
    return os.path.join(ICON_DIR, "%dx%d" % (n, n), kind, name + ".png")


def dungeon_document(get):
    """64 x 64, None where see-through: a page with a dog-ear holding a map
    of rooms and hallways, the start ringed and the monster in one room, and
    the game icon at half size, round, as a badge over its corner."""
    im = Img(64, 64)
    page = [(6, 2), (38, 2), (48, 12), (48, 59), (6, 59)]
    im.poly(page, PARCH2)
    im.poly([(38, 2), (38, 12), (48, 12)], PARCH1)
    for (ax, ay), (bx, by) in zip(page, page[1:] + page[:1]):
        im.line(ax, ay, bx, by, INK)
    im.line(38, 2, 38, 12, PARCH0)
    im.line(38, 12, 48, 12, PARCH0)
    im.rect(10, 15, 44, 36, WHITE)
    im.frame(10, 15, 44, 36, INK)
    rooms = [(c, r) for r in range(3) for c in range(4)]
    halls = {((0, 0), (1, 0)), ((1, 0), (1, 1)), ((1, 1), (2, 1)), ((2, 1), (3, 1)),
             ((3, 0), (3, 1)), ((0, 1), (0, 2)), ((0, 2), (1, 2)), ((2, 1), (2, 2)),
             ((2, 2), (3, 2)), ((2, 0), (3, 0))}
    at = {room: (13 + 8 * room[0], 18 + 6 * room[1]) for room in rooms}
    for a, b in halls:
        (ax, ay), (bx, by) = at[a], at[b]
        im.rect(ax + 1, ay + 1, bx + 2, by + 2, WOOD0)
    for x, y in at.values():
        im.rect(x, y, x + 3, y + 3, WOOD2)
        im.frame(x, y, x + 3, y + 3, WOOD0)
    x, y = at[(3, 0)]
    im.rect(x + 1, y + 1, x + 2, y + 2, MOSS1)
    x, y = at[(1, 1)]
    im.frame(x - 2, y - 2, x + 5, y + 5, FLAME2)
    for y in range(40, 56, 4):
        im.rect(10, y, 10 + (y * 7) % 13 + 8, y, PARCH0)
    # The badge: every other pixel of the 64 x 64 icon, inside its ring.
    for y in range(32):
        for x in range(32):
            if (x - 15.5) ** 2 + (y - 16.5) ** 2 <= 15.5 ** 2:
                im.put(32 + x, 32 + y, get(8 * x + 4, 8 * y + 4))
    return im


def scaled_rows(n, src_size, pixel):
    """Rows for write_png of an n x n icon sampled from a src_size square by
    nearest neighbour, the source pixel under each one's centre."""
    raw = bytearray()
    for y in range(n):
        raw.append(0)
        sy = (2 * y + 1) * src_size // (2 * n)
        for x in range(n):
            raw += bytes(pixel((2 * x + 1) * src_size // (2 * n), sy))
    return bytes(raw)


def build_all():
    w, h, _, get = read_png(SOURCE)
    if get is None or (w, h) != (256, 256):
        raise ValueError(SOURCE + ": need a 256 x 256 opaque RGB picture")
    doc = dungeon_document(get)

    def doc_pixel(x, y):
        c = doc.get(x, y)
        return (0, 0, 0, 0) if c is None else c + (255,)
    for n in SIZES:
        for path, rows, alpha in ((icon_path(n), scaled_rows(n, 256, get), False),
                                  (icon_path(n, "mimetypes", DUNGEON_ICON),
                                   scaled_rows(n, 64, doc_pixel), True)):
            os.makedirs(os.path.dirname(path), exist_ok=True)
            write_png(path, n, n, rows, alpha)
    return SIZES


def verify():
    """Returns the problems found, an empty list when every icon is right."""
    problems = []
    have = sorted(d for d in os.listdir(ICON_DIR))
    want = sorted("%dx%d" % (n, n) for n in SIZES)
    if have != want:
        problems.append("icon sizes differ: have %s, need %s" % (have, want))
    for n in SIZES:
        for path, want_type in ((icon_path(n), 2), (icon_path(n, "mimetypes", DUNGEON_ICON), 6)):
            w, h, ctype, _ = read_png(path)
            if (w, h, ctype) != (n, n, want_type):
                problems.append("%s is %dx%d (type %d), need %dx%d of type %d" %
                                (path, w, h, ctype, n, n, want_type))
    return problems


if __name__ == "__main__":
    print("icons:", len(build_all()))
    bad = verify()
    for p in bad:
        print("FAILED:", p, file=sys.stderr)
    sys.exit(1 if bad else 0)
