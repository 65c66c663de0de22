"""Every picture of the game, painted by code from the shared palette.

Layout numbers (cell positions, where widgets sit) mirror the windows in the
game so that calm areas end up exactly behind labels and buttons."""

import math
import os
import random

from pixels import *  # noqa: F401,F403  palette + Img

# ---------------------------------------------------------------------------
# Shared scenery


def brick_wall(im, x0, y0, x1, y1, rng, bw=16, bh=8, base=STONE1, mortar=SHADOW,
               tints=(STONE0, STONE2)):
    for by, y in enumerate(range(y0, y1 + 1, bh)):
        off = (bw // 2) * (by % 2)
        for x in range(x0 - off, x1 + 1, bw):
            c = base if rng.random() < 0.6 else rng.choice(tints)
            im.rect(max(x, x0), y, min(x + bw - 2, x1), min(y + bh - 2, y1), c)
            # a few pits so the stone is not flat
            for _ in range(2):
                px, py = x + rng.randrange(1, bw - 2), y + rng.randrange(1, bh - 2)
                if x0 <= px <= x1 and y0 <= py <= y1:
                    im.put(px, py, RAMP.get(c, (c, c))[0])
            # lit top edge
            im.rect(max(x, x0), y, min(x + bw - 2, x1), y, RAMP.get(c, (c, c))[1])
            im.rect(max(x + bw - 1, x0), y, min(x + bw - 1, x1), min(y + bh - 1, y1), mortar)
        im.rect(x0, min(y + bh - 1, y1), x1, min(y + bh - 1, y1), mortar)


def flagstones(im, x0, y0, x1, y1, rng, base=SHADOW, joint=INK):
    im.rect(x0, y0, x1, y1, base)
    for y in range(y0, y1 + 1, 12):
        im.rect(x0, y, x1, y, joint)
        off = rng.randrange(0, 12)
        for x in range(x0 + off, x1 + 1, rng.choice((14, 18, 22))):
            im.rect(x, y, x, min(y + 11, y1), joint)
    im.dither(x0, y0, x1, y1, STONE0, 0.06, rng)


def torch(im, x, y, rng, glow=True):
    """Wall torch; (x, y) is the top of the bracket."""
    if glow:
        for yy in range(y - 26, y + 26):
            for xx in range(x - 26, x + 27):
                d = math.hypot(xx - x, (yy - y + 6) * 1.1)
                c = im.get(xx, yy)
                if c is None or d > 24:
                    continue
                if (d < 14 and (xx + yy) % 2 == 0) or (d < 24 and (xx + yy) % 4 == 0 and yy % 2 == 0):
                    im.put(xx, yy, {STONE0: WOOD1, STONE1: WOOD2, STONE2: WOOD2, SHADOW: WOOD0,
                                    INK: WOOD0}.get(c, c))
    im.rect(x - 2, y, x + 2, y + 2, WOOD2)
    im.rect(x - 1, y + 3, x + 1, y + 10, WOOD1)
    im.rect(x - 2, y + 11, x + 2, y + 11, STONE2)
    im.frame(x - 3, y - 1, x + 3, y + 3, INK)
    im.rect(x - 2, y, x + 2, y + 2, WOOD2)
    im.poly([(x - 4, y), (x + 5, y), (x + 1, y - 13)], FLAME0)
    im.poly([(x - 3, y), (x + 4, y), (x + 1, y - 10), (x - 1, y - 6)], FLAME1)
    im.poly([(x - 1, y), (x + 2, y), (x + 1, y - 6)], FLAME2)
    im.put(x - 3, y - 9, FLAME1)
    im.put(x + 3, y - 14, FLAME0)


def wood_frame(im, x0, y0, x1, y1, t=4, studs=True):
    for i in range(t):
        c = WOOD2 if i < t // 2 else WOOD1
        im.frame(x0 + i, y0 + i, x1 - i, y1 - i, c)
    im.rect(x0 + 1, y1 - t + 1, x1 - 1, y1 - 1, WOOD1)
    im.rect(x1 - t + 1, y0 + 1, x1 - 1, y1 - 1, WOOD1)
    im.rect(x0 + 1, y0 + 1, x1 - 1, y0 + 1, PARCH0)
    im.rect(x0 + 1, y0 + 1, x0 + 1, y1 - 1, PARCH0)
    im.frame(x0, y0, x1, y1, INK)
    im.frame(x0 + t, y0 + t, x1 - t, y1 - t, INK)
    if studs:
        for sx, sy in ((x0 + t // 2, y0 + t // 2), (x1 - t // 2, y0 + t // 2),
                       (x0 + t // 2, y1 - t // 2), (x1 - t // 2, y1 - t // 2)):
            im.rect(sx - 1, sy - 1, sx, sy, FLAME2)
            im.put(sx, sy, FLAME0)


def parchment(im, x0, y0, x1, y1, rng, calm=()):
    """Parchment sheet with worn, darker edges; flecks stay out of the calm
    rectangles so text printed there reads cleanly."""
    im.rect(x0, y0, x1, y1, PARCH1)
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            e = min(x - x0, x1 - x, y - y0, y1 - y)
            if any(a <= x <= b and c <= y <= d for a, c, b, d in calm):
                continue
            if e < 2 or (e < 5 and rng.random() < 0.35) or (e < 9 and rng.random() < 0.06):
                im.put(x, y, PARCH0)
            elif rng.random() < 0.012:
                im.put(x, y, PARCH0 if rng.random() < 0.5 else PARCH2)
    im.frame(x0, y0, x1, y1, WOOD2)


def frame_window(im, x0, y0, x1, y1, inner=STONE0):
    """Gilded picture frame; its inside matches the backdrop of the item
    pictures so a narrower picture still sits in an even frame."""
    im.rect(x0, y0, x1, y1, inner)
    im.frame(x0 - 1, y0 - 1, x1 + 1, y1 + 1, INK)
    im.frame(x0 - 2, y0 - 2, x1 + 2, y1 + 2, FLAME1)
    im.rect(x0 - 2, y0 - 2, x1 + 2, y0 - 2, FLAME2)
    im.rect(x0 - 2, y0 - 2, x0 - 2, y1 + 2, FLAME2)
    im.frame(x0 - 3, y0 - 3, x1 + 3, y1 + 3, FLAME0)
    im.frame(x0 - 4, y0 - 4, x1 + 4, y1 + 4, INK)
    for cx, cy in ((x0 - 3, y0 - 3), (x1 + 3, y0 - 3), (x0 - 3, y1 + 3), (x1 + 3, y1 + 3)):
        im.rect(cx - 1, cy - 1, cx + 1, cy + 1, FLAME2)
        im.put(cx, cy, FLAME0)


def sparkle(im, x, y, c=PARCH2, arm=2, core=None):
    for i in range(1, arm + 1):
        for dx, dy in ((i, 0), (-i, 0), (0, i), (0, -i)):
            im.put(x + dx, y + dy, c if i < arm else RAMP.get(c, (c, c))[0])
    im.put(x, y, core or c)


def sprite(draw, w, h, light=(-1, -1), details=None):
    """Paint shapes into a see-through layer, shade and outline them."""
    l = Img(w, h)
    draw(l)
    l.shade(light)
    if details:
        details(l)
    l.outline(INK)
    return l


def backdrop(w, h, floor=True):
    im = Img(w, h, STONE0)
    if floor:
        im.ellipse(w / 2 - 0.5, h - 9, w * 0.36, 4, SHADOW)
    return im

# ---------------------------------------------------------------------------
# Main window


CELL_X0, CELL_Y0, CELL_STEP = 106, 50, 44


def main_background():
    rng = random.Random(101)
    im = Img(640, 480, STONE0)
    brick_wall(im, 0, 46, 639, 399, rng)
    # sunken floor under the map
    im.rect(98, 44, 541, 397, INK)
    im.frame(97, 43, 542, 398, STONE2)
    im.rect(97, 43, 542, 43, STONE3)
    flagstones(im, 100, 46, 539, 395, rng)
    # wall torches either side of the map
    for tx, ty in ((50, 110), (590, 110), (50, 300), (590, 300)):
        torch(im, tx, ty, rng)
    # chains / skull plaques for the side walls
    for sx in (50, 590):
        skull_plaque(im, sx, 205)
    # title strip: plain dark band behind the caption and description labels
    im.rect(0, 0, 639, 41, SHADOW)
    im.rect(0, 42, 639, 42, WOOD2)
    im.rect(0, 43, 639, 44, WOOD1)
    im.rect(0, 45, 639, 45, INK)
    for x in range(6, 640, 24):
        im.rect(x, 42, x + 1, 43, FLAME2)
    # ornament on the free right part of the strip
    for i, x in enumerate(range(452, 632, 12)):
        im.poly([(x, 20), (x + 5, 14), (x + 10, 20), (x + 5, 26)], (FLAME0, FLAME1)[i % 2])
        im.put(x + 5, 20, FLAME2)
    im.rect(448, 6, 634, 6, WOOD1)
    im.rect(448, 34, 634, 34, WOOD1)
    # the map cells themselves
    for r in range(80):
        x, y = (r % 10) * CELL_STEP + CELL_X0, (r // 10) * CELL_STEP + CELL_Y0
        im.rect(x, y, x + 31, y + 31, CELL_GREY)
        im.frame(x, y, x + 31, y + 31, GRID_RED)
    # button panel
    im.rect(0, 400, 639, 479, WOOD0)
    wood_frame(im, 0, 400, 639, 479, t=5)
    im.rect(5, 405, 634, 474, WOOD0)
    return im


def skull_plaque(im, cx, cy):
    l = Img(im.w, im.h)
    l.ellipse(cx, cy, 12, 14, WOOD1)
    l.ellipse(cx, cy, 10, 12, WOOD2)
    l.disc(cx, cy - 2, 6, PARCH1)
    l.rect(cx - 4, cy + 2, cx + 4, cy + 6, PARCH1)
    l.shade()
    l.rect(cx - 4, cy - 2, cx - 2, cy, INK)
    l.rect(cx + 2, cy - 2, cx + 4, cy, INK)
    l.put(cx, cy + 2, INK)
    for x in range(cx - 3, cx + 4, 2):
        l.put(x, cy + 5, INK)
    l.outline(INK)
    im.blit(l)

# ---------------------------------------------------------------------------
# Room tiles and hallways


DOOR_N, DOOR_E, DOOR_S, DOOR_W = 1, 2, 4, 8
ROOM_DOORS = ["N", "E", "S", "W", "NE", "NS", "NW", "ES", "EW", "SW",
              "NES", "NEW", "NSW", "ESW", "NESW"]


def room_tile(doors):
    im = Img(32, 32, WHITE)
    # body 7..24: dark outline, two-pixel stone wall, flagstone floor
    im.rect(7, 7, 24, 24, STONE2)
    im.rect(8, 8, 23, 8, STONE3)
    im.rect(8, 8, 8, 23, STONE3)
    im.rect(23, 9, 23, 23, STONE1)
    im.rect(9, 23, 23, 23, STONE1)
    im.frame(7, 7, 24, 24, INK)
    im.rect(10, 10, 21, 21, WOOD1)
    for y in range(10, 22):
        for x in range(10, 22):
            if (x - 10) % 4 == 3 or (y - 10) % 4 == 3:
                im.put(x, y, WOOD0)
            elif (x + y) % 7 == 0:
                im.put(x, y, WOOD2)
    im.frame(9, 9, 22, 22, INK)
    # torch on the north-east wall with a warm spot under it
    im.put(19, 8, FLAME2)
    im.put(19, 9, FLAME1)
    im.put(20, 8, FLAME0)
    for x, y in ((18, 10), (20, 10), (19, 11), (17, 11), (21, 11)):
        im.put(x, y, WOOD2)
    # doors: an opening through the wall plus a red stub outside
    if "N" in doors:
        im.rect(10, 7, 14, 9, INK)
        im.rect(11, 7, 13, 10, WOOD1)
        im.rect(10, 0, 14, 6, GRID_RED)
        im.rect(11, 0, 13, 6, DOOR_RED)
    if "S" in doors:
        im.rect(10, 22, 14, 24, INK)
        im.rect(11, 21, 13, 24, WOOD1)
        im.rect(10, 25, 14, 31, GRID_RED)
        im.rect(11, 25, 13, 31, DOOR_RED)
    if "W" in doors:
        im.rect(7, 10, 9, 14, INK)
        im.rect(7, 11, 10, 13, WOOD1)
        im.rect(0, 10, 6, 14, GRID_RED)
        im.rect(0, 11, 6, 13, DOOR_RED)
    if "E" in doors:
        im.rect(22, 10, 24, 14, INK)
        im.rect(21, 11, 24, 13, WOOD1)
        im.rect(25, 10, 31, 14, GRID_RED)
        im.rect(25, 11, 31, 13, DOOR_RED)
    return im


def hallway(vertical):
    """Plank walkway joining two rooms; everything else stays room-outside
    white so the piece can be laid over the rooms' door stubs."""
    w, h = (32, 26) if vertical else (26, 32)
    im = Img(w, h, WHITE)
    n = h if vertical else w
    for i in range(n):
        for j in range(10, 15):
            if j in (10, 14):
                c = STONE1
            elif i % 4 == 3:
                c = WOOD0
            elif j == 11:
                c = WOOD2
            else:
                c = WOOD1
            if vertical:
                im.put(j, i, c)
            else:
                im.put(i, j, c)
    return im

# ---------------------------------------------------------------------------
# Windows


# The stat lines start at x = 50 and the longest, "對付《Zorvath》的東西: 0",
# ends at about x = 191 in the 12 px type: the sheet spans 42..199 so both
# sides keep 8 px. The title (its text from about x = 40) gets a plaque of
# its own, hung over the sheet's top.
STATUS_SHEET = (42, 199)


def status_background():
    rng = random.Random(202)
    im = Img(202, 236, STONE0)
    brick_wall(im, 0, 0, 201, 235, rng, bw=12, bh=6)
    sx0, sx1 = STATUS_SHEET
    parchment(im, sx0, 12, sx1, 223, rng, calm=[(sx0 + 2, 46, sx1 - 2, 174), (60, 180, 150, 220)])
    for y0 in (4, 216):  # the scroll's rolled ends
        im.rect(sx0 - 4, y0, sx1 + 2, y0 + 11, PARCH0)
        im.rect(sx0 - 4, y0 + 1, sx1 + 2, y0 + 3, PARCH2)
        im.rect(sx0 - 4, y0 + 8, sx1 + 2, y0 + 10, WOOD2)
        im.frame(sx0 - 4, y0, sx1 + 2, y0 + 11, INK)
        for x in (sx0 - 6, 197):
            im.rect(x, y0 - 2, x + 4, y0 + 13, WOOD1)
            im.frame(x, y0 - 2, x + 4, y0 + 13, INK)
    # the title's plaque, 10 px either side of "Pellamorn的狀況"
    im.rect(30, 19, 147, 45, WOOD1)
    wood_frame(im, 30, 19, 147, 45, t=3, studs=False)
    im.rect(33, 22, 144, 42, PARCH2)
    im.rect(33, 42, 144, 42, PARCH1)
    im.frame(32, 21, 145, 43, INK)
    # a candle on the bare wall beside the scroll
    torch(im, 18, 120, rng)
    # a wax seal in the free lower-right corner
    im.disc(176, 198, 8, BLOOD0)
    im.disc(175, 197, 6, GRID_RED)
    im.disc(174, 196, 2, DOOR_RED)
    # faint guide rules under the stat lines (kept away from the glyphs)
    for y in range(64, 172, 15):
        for x in range(50, 192, 3):
            im.put(x, y, PARCH0 if x % 6 == 2 else PARCH1)
    return im


def discovery_background():
    rng = random.Random(303)
    im = Img(199, 220, STONE0)
    brick_wall(im, 0, 0, 198, 219, rng, bw=12, bh=6)
    parchment(im, 6, 6, 192, 213, rng, calm=[(14, 128, 186, 210)])
    wood_frame(im, 0, 0, 198, 219, t=5)
    frame_window(im, 66, 48, 138, 115)
    im.blit(monster_scene(), *MONSTER_BODY_AT)
    # corner curls
    for x, y in ((20, 20), (178, 20)):
        sparkle(im, x, y, FLAME1, 3, FLAME2)
    im.rect(30, 124, 168, 124, PARCH0)
    return im


def battle_background():
    rng = random.Random(404)
    im = Img(201, 281, STONE0)
    brick_wall(im, 0, 0, 200, 280, rng, bw=12, bh=6)
    torch(im, 26, 52, rng)
    torch(im, 174, 52, rng)
    frame_window(im, 66, 48, 138, 115)
    im.rect(62, 119, 142, 124, STONE2)   # alcove sill
    im.frame(62, 119, 142, 124, INK)
    parchment(im, 8, 142, 192, 274, rng, calm=[(40, 148, 160, 230), (50, 228, 150, 270)])
    wood_frame(im, 4, 138, 196, 278, t=4)
    im.rect(8, 142, 192, 145, PARCH0)
    return im


# The settings window, 400 x 434: a parchment sheet in a wooden frame with
# rows of settings, a rule, and the keys below it. Its labels and buttons
# sit on the calm parchment; the title on a plaque of its own.
SETTINGS_SIZE = (400, 434)
SETTINGS_RULE_Y = 266


def settings_background():
    rng = random.Random(505)
    w, h = SETTINGS_SIZE
    im = Img(w, h, STONE0)
    brick_wall(im, 0, 0, w - 1, h - 1, rng, bw=12, bh=6)
    parchment(im, 8, 8, w - 9, h - 9, rng, calm=[(16, 44, w - 17, h - 13)])
    wood_frame(im, 0, 0, w - 1, h - 1, t=5)
    # the title's plaque
    im.rect(16, 10, 135, 37, WOOD1)
    wood_frame(im, 16, 10, 135, 37, t=3, studs=False)
    im.rect(19, 13, 132, 34, PARCH2)
    im.frame(18, 12, 133, 35, INK)
    # the rule between the settings and the keys, a flourish at each end
    im.rect(28, SETTINGS_RULE_Y, w - 29, SETTINGS_RULE_Y, PARCH0)
    im.rect(28, SETTINGS_RULE_Y + 1, w - 29, SETTINGS_RULE_Y + 1, PARCH2)
    for x in (22, w - 23):
        sparkle(im, x, SETTINGS_RULE_Y, FLAME1, 3, FLAME2)
    # a cog beside the title: what this window sets
    cx, cy = w - 40, 24
    for k in range(8):
        a = k * math.pi / 4
        tx, ty = cx + round(8 * math.cos(a)), cy + round(8 * math.sin(a))
        im.rect(tx - 1, ty - 1, tx + 1, ty + 1, WOOD1)
    im.disc(cx, cy, 7, WOOD1)
    im.disc(cx, cy, 5, WOOD2)
    im.disc(cx, cy, 2, PARCH1)
    return im


def dice(n):
    im = Img(32, 32, PARCH1)   # the battle parchment shows around the corners
    l = Img(32, 32)
    l.rect(3, 2, 28, 29, PARCH2)
    l.rect(2, 3, 29, 28, PARCH2)
    l.rect(4, 27, 28, 28, PARCH0)
    l.rect(27, 4, 28, 28, PARCH0)
    l.rect(4, 26, 27, 26, PARCH1)
    l.rect(26, 4, 26, 26, PARCH1)
    l.outline(INK)
    im.blit(l)
    pos = {1: [(1, 1)], 2: [(0, 0), (2, 2)], 3: [(0, 0), (1, 1), (2, 2)],
           4: [(0, 0), (2, 0), (0, 2), (2, 2)], 5: [(0, 0), (2, 0), (1, 1), (0, 2), (2, 2)],
           6: [(0, 0), (0, 1), (0, 2), (2, 0), (2, 1), (2, 2)],
           7: [(0, 0), (0, 1), (0, 2), (2, 0), (2, 1), (2, 2), (1, 1)],
           8: [(0, 0), (0, 1), (0, 2), (2, 0), (2, 1), (2, 2), (1, 0), (1, 2)],
           9: [(i, j) for i in range(3) for j in range(3)]}[n]
    for i, j in pos:
        cx, cy = 8 + i * 7, 8 + j * 7
        if n == 1:
            im.disc(cx + 0.5, cy + 0.5, 4.2, BLOOD0)
            im.disc(cx + 0.5, cy + 0.5, 3.2, GRID_RED)
            im.put(cx - 1, cy - 1, DOOR_RED)
        else:
            im.rect(cx - 2, cy - 1, cx + 2, cy + 1, INK)
            im.rect(cx - 1, cy - 2, cx + 1, cy + 2, INK)
            im.put(cx - 1, cy - 1, STONE1)
    return im

# ---------------------------------------------------------------------------
# The skeleton


def skull(l, cx, cy, jaw=0):
    l.ellipse(cx, cy, 7, 6.5, PARCH2)
    l.rect(cx - 5, cy + 2, cx + 5, cy + 6, PARCH2)
    l.rect(cx - 4, cy + 7 + jaw, cx + 4, cy + 9 + jaw, PARCH1)


def skull_details(l, cx, cy, eyes=GRID_RED, jaw=0, cracked=False):
    cx, cy = int(cx), int(cy)
    l.rect(cx - 5, cy, cx - 2, cy + 2, INK)
    l.rect(cx + 2, cy, cx + 5, cy + 2, INK)
    if eyes:
        l.put(cx - 3, cy + 1, eyes)
        l.put(cx + 3, cy + 1, eyes)
    l.put(cx, cy + 4, INK)
    l.put(cx - 1, cy + 5, INK)
    l.put(cx + 1, cy + 5, INK)
    for x in range(cx - 4, cx + 5, 2):
        l.put(x, cy + 6, INK)
    if jaw:
        l.rect(cx - 3, cy + 7, cx + 3, cy + 6 + jaw, INK)
    if cracked:
        l.line(cx + 1, cy - 6, cx + 3, cy - 2, INK)
        l.put(cx + 2, cy - 4, INK)


def sword(l, hx, hy, tx, ty):
    """Blade from the hand (hx, hy) to the tip (tx, ty)."""
    d = math.hypot(tx - hx, ty - hy)
    ux, uy = (tx - hx) / d, (ty - hy) / d
    l.line(hx + ux * 2, hy + uy * 2, tx, ty, STONE3, 2)
    l.line(hx + ux * 2, hy + uy * 2, tx - ux * 2, ty - uy * 2, PARCH2, 1)
    l.line(hx - uy * 3 + ux * 2, hy + ux * 3 + uy * 2, hx + uy * 3 + ux * 2, hy - ux * 3 + uy * 2, FLAME1, 2)
    l.line(hx - ux * 3, hy - uy * 3, hx, hy, WOOD1, 2)


def skeleton_body(l, arm_r, arm_l, leg_spread=0):
    l.line(34, 20, 34, 41, PARCH1, 2)                       # spine
    l.ellipse(34, 28, 8, 6.5, PARCH2)                       # rib cage
    l.line(26, 23, 42, 23, PARCH1, 2)                       # shoulders
    l.ellipse(34, 42, 6, 3, PARCH1)                         # pelvis
    for sx, pts in ((26, arm_l), (42, arm_r)):
        px, py = sx, 23
        for qx, qy in pts:
            l.bone(px, py, qx, qy, PARCH2, 2)
            px, py = qx, qy
    s = leg_spread
    l.bone(31, 44, 29 - s, 52, PARCH2, 2)
    l.bone(29 - s, 52, 29 - s, 59, PARCH2, 2)
    l.bone(37, 44, 39 + s, 52, PARCH2, 2)
    l.bone(39 + s, 52, 39 + s, 59, PARCH2, 2)
    l.rect(25 - s, 59, 30 - s, 60, PARCH1)
    l.rect(38 + s, 59, 43 + s, 60, PARCH1)


def rib_gaps(l):
    for y in (25, 28, 31):
        for x in range(28, 41):
            if x not in (33, 34) and l.get(x, y) is not None:
                l.put(x, y, STONE1 if x in (28, 40) else INK)


def skeleton_picture(pose):
    rng = random.Random(500 + pose)
    im = Img(69, 64, STONE0)
    im.rect(0, 58, 68, 63, SHADOW)
    im.rect(0, 57, 68, 57, STONE1)
    im.dither(0, 59, 68, 63, INK, 0.15, rng)
    if pose in (0, 2):
        im.ellipse(34, 60, 14, 2, INK)

        def body(l):
            skeleton_body(l, arm_r=[(47, 31), (50, 37)], arm_l=[(22, 31), (24, 39)])
            skull(l, 34, 11)

        def det(l):
            rib_gaps(l)
            skull_details(l, 34, 11, eyes=GRID_RED if pose == 0 else None, jaw=2 if pose == 2 else 0,
                          cracked=pose == 2)
            sword(l, 50, 38, 53, 60)
        l = sprite(body, 69, 64, details=det)
        if pose == 2:
            l = l.rotated(-0.22, 34, 60, dx=-4)
            # impact flash and flying splinters
            for x, y, c in ((44, 22, FLAME2), (50, 16, PARCH2), (55, 27, PARCH2), (48, 33, FLAME1)):
                sparkle(l, x, y, c, 2)
            for a in range(0, 360, 45):
                r = 7
                l.put(46 + round(r * math.cos(math.radians(a))), 24 + round(r * math.sin(math.radians(a))), FLAME1)
            sparkle(l, 46, 24, FLAME2, 4, DOOR_RED)
            for x, y in ((58, 12), (61, 20), (57, 34), (62, 30)):
                l.rect(x, y, x + 1, y, PARCH2)
                l.put(x + 2, y, PARCH0)
        im.blit(l)
    elif pose == 1:
        im.ellipse(34, 60, 14, 2, INK)

        def body(l):
            skeleton_body(l, arm_r=[(38, 32), (27, 37)], arm_l=[(18, 18), (12, 12)], leg_spread=2)
            skull(l, 35, 11, jaw=2)

        def det(l):
            rib_gaps(l)
            skull_details(l, 35, 11, eyes=FLAME2, jaw=2)
            sword(l, 27, 38, 9, 54)
        l = sprite(body, 69, 64, details=det).rotated(0.1, 34, 58)
        # the swing's trail
        for a in range(-70, 110, 3):
            for r, c in ((27, PARCH2), (25, ARCANE2), (23, ARCANE1)):
                x = 30 + r * math.cos(math.radians(a))
                y = 30 + r * math.sin(math.radians(a))
                if l.get(round(x), round(y)) is None and (a > -40 or r == 27):
                    l.put(round(x), round(y), c)
        im.blit(l)
    else:
        def body(l):
            l.ellipse(30, 55, 9, 4, PARCH1)   # rib cage lying flat
            l.bone(12, 58, 26, 56, PARCH2, 2)
            l.bone(40, 60, 56, 55, PARCH2, 2)
            l.bone(18, 52, 32, 60, PARCH2, 2)
            l.bone(46, 50, 58, 59, PARCH2, 2)
            l.ellipse(40, 57, 5, 2.5, PARCH1)  # pelvis
            skull(l, 43, 45)

        def det(l):
            for x in range(23, 38, 3):
                l.rect(x, 53, x, 57, INK)
            skull_details(l, 43, 45, eyes=None)
            sword(l, 8, 61, 36, 62)
        l = sprite(body, 69, 64, details=det)
        r2 = l.rotated(0.0, 0, 0)
        im.blit(r2)
        # dust settling
        for x, y in ((10, 44), (60, 40), (24, 40), (52, 47)):
            im.put(x, y, STONE2)
            im.put(x + 1, y - 1, STONE1)
    return im

# ---------------------------------------------------------------------------
# Discovery pictures (64x64 on the dark frame backdrop)


def gold_picture():
    rng = random.Random(601)
    im = backdrop(64, 64)

    def coins(l):
        def coin(x, y):
            l.ellipse(x, y + 1, 7, 3, FLAME0)
            l.ellipse(x, y, 7, 3, FLAME1)
            l.ellipse(x - 1, y - 0.5, 4, 1.5, FLAME2)
        for i in range(6):
            coin(16, 50 - i * 3)
        for i in range(9):
            coin(46, 52 - i * 3)
        for _ in range(14):
            coin(rng.randrange(14, 50), rng.randrange(50, 56))
        for i in range(3):
            coin(30, 56 - i * 3)
        l.ellipse(32, 30, 9, 10, FLAME0)
        l.ellipse(31, 30, 8, 9, FLAME1)

    def det(l):
        l.ellipse(31, 30, 5, 6, FLAME0, ring=1)
        l.rect(30, 26, 32, 34, FLAME2)
        l.rect(29, 26, 29, 27, FLAME2)
        l.rect(29, 34, 33, 34, FLAME2)
    im.blit(sprite(coins, 64, 64, details=det))
    for x, y in ((22, 20), (44, 14), (52, 32), (10, 34)):
        sparkle(im, x, y, PARCH2, 2, FLAME2)
    return im


def spell_picture():
    im = backdrop(64, 64)
    rng = random.Random(602)
    for _ in range(24):   # a faint arcane haze
        a, r = rng.uniform(0, 6.28), rng.uniform(18, 29)
        im.put(32 + round(r * math.cos(a)), 32 + round(r * math.sin(a)), ARCANE0)

    def scroll(l):
        l.rect(16, 13, 47, 50, PARCH1)
        for y in (9, 47):
            l.rect(12, y, 51, y + 6, PARCH0)
            l.rect(10, y + 1, 11, y + 5, WOOD2)
            l.rect(52, y + 1, 53, y + 5, WOOD2)

    def det(l):
        for i, y in enumerate(range(19, 40, 5)):
            x = 20
            while x < 44 - (i % 2) * 6:
                g = rng.randrange(3)
                if g == 0:
                    l.rect(x, y, x + 2, y, BLOOD0)
                    l.put(x + 1, y + 1, BLOOD0)
                elif g == 1:
                    l.rect(x, y - 1, x, y + 1, ARCANE0)
                    l.put(x + 1, y, ARCANE0)
                else:
                    l.put(x, y, BLOOD0)
                    l.put(x + 1, y + 1, BLOOD0)
                    l.put(x + 2, y, BLOOD0)
                x += 4
        l.disc(40, 43, 4, GRID_RED)
        l.disc(39, 42, 1.5, DOOR_RED)
        l.line(38, 46, 36, 52, GRID_RED, 2)
        l.line(42, 46, 44, 52, BLOOD0, 2)
    im.blit(sprite(scroll, 64, 64, details=det))
    for x, y in ((8, 20), (56, 28), (12, 40), (52, 6), (30, 4)):
        sparkle(im, x, y, ARCANE2, 2, PARCH2)
    return im


def serum_picture():
    im = backdrop(64, 64)

    def bottle(l):
        l.disc(32, 40, 15, ARCANE1)
        l.rect(27, 14, 37, 28, ARCANE1)
        l.rect(25, 11, 39, 14, STONE3)
        l.rect(28, 4, 36, 10, WOOD2)
        for y in range(31, 56):
            for x in range(16, 49):
                if l.get(x, y) == ARCANE1 and (x - 32) ** 2 + (y - 40) ** 2 <= 13 ** 2:
                    l.put(x, y, GRID_RED)

    def det(l):
        for x in range(20, 45):
            if l.get(x, 31) == GRID_RED:
                l.put(x, 31, DOOR_RED)
        l.line(22, 36, 21, 44, PARCH2, 1)
        l.rect(29, 16, 29, 26, PARCH2)
        for x, y in ((36, 44), (30, 48), (40, 38), (27, 41)):
            l.put(x, y, DOOR_RED)
        l.rect(28, 10, 36, 10, WOOD1)
        l.rect(24, 34, 40, 34, ARCANE2)
    im.blit(sprite(bottle, 64, 64, details=det))
    sparkle(im, 48, 18, PARCH2, 2)
    sparkle(im, 14, 26, PARCH2, 1)
    return im


def thief_picture():
    im = backdrop(64, 64, floor=False)
    rng = random.Random(604)

    def body(l):
        l.poly([(10, 64), (14, 48), (24, 43), (40, 43), (50, 48), (54, 64)], GRID_RED)   # uniform
        l.rect(28, 40, 36, 45, PARCH1)                  # neck
        l.ellipse(32, 30, 10, 11, PARCH1)               # face
        l.ellipse(22, 31, 2, 3, PARCH1)                 # ears
        l.ellipse(42, 31, 2, 3, PARCH1)
        l.ellipse(32, 20, 11, 7, GRID_RED)              # cap
        l.poly([(34, 21), (54, 22), (52, 26), (34, 25)], BLOOD0)  # visor
        l.ellipse(8, 52, 7, 8, WOOD1)                  # stolen purse
        l.rect(5, 42, 11, 45, WOOD1)
        l.rect(34, 49, 63, 56, PARCH0)                 # pizza box under the arm
        l.rect(34, 47, 63, 49, PARCH1)

    def det(l):
        l.rect(21, 24, 43, 25, BLOOD0)                 # cap band
        l.disc(30, 17, 2, FLAME2)
        l.rect(22, 26, 24, 33, WOOD0)                  # hair tufts
        l.rect(40, 26, 42, 30, WOOD0)
        # shifty eyes glancing sideways, cocky brows
        l.rect(26, 30, 28, 30, PARCH2)
        l.rect(34, 30, 36, 30, PARCH2)
        l.put(26, 30, INK)
        l.put(34, 30, INK)
        l.line(25, 27, 29, 28, INK)
        l.line(33, 28, 37, 27, INK)
        l.line(27, 36, 37, 34, INK)
        l.rect(31, 35, 35, 35, PARCH2)
        l.put(32, 32, PARCH0)
        l.put(32, 33, PARCH0)
        # pizza box lid with its logo
        l.disc(49, 52, 3, GRID_RED)
        l.put(48, 51, FLAME2)
        l.put(50, 53, FLAME2)
        l.rect(34, 56, 63, 56, WOOD2)
        # uniform details
        l.rect(31, 46, 33, 63, BLOOD0)
        l.disc(8, 53, 2, FLAME2)
    im.blit(sprite(body, 64, 64, details=det))
    for x, y in ((16, 38), (20, 34), (6, 36)):     # coins bouncing out of the purse
        im.ellipse(x, y, 2, 2, FLAME1)
        im.put(x - 1, y - 1, FLAME2)
    return im


def teleport_picture():
    im = backdrop(64, 64, floor=False)
    rng = random.Random(605)

    def pads(l):
        l.ellipse(32, 54, 24, 6, STONE2)
        l.ellipse(32, 53, 19, 4, ARCANE0)
        l.ellipse(32, 8, 16, 3.5, STONE2)
    l = sprite(pads, 64, 64)
    im.blit(l)
    # column of light
    for y in range(11, 53):
        hw = 14 + (y - 11) * 4 // 42
        for x in range(32 - hw, 32 + hw + 1):
            e = abs(x - 32) / hw
            if e < 0.35 and (x + y) % 2 == 0:
                im.put(x, y, ARCANE2)
            elif e < 0.7 and (x + y) % 2 == 0:
                im.put(x, y, ARCANE1)
            elif (x + y) % 4 == 0 and y % 2 == 0:
                im.put(x, y, ARCANE0)
    for y, rx in ((44, 16), (32, 15), (20, 14)):
        im.ellipse(32, y, rx, 3, ARCANE2, ring=1)
    im.ellipse(32, 53, 17, 3, ARCANE2, ring=1)
    im.ellipse(32, 53, 12, 2, PARCH2)
    for _ in range(9):
        sparkle(im, rng.randrange(12, 52), rng.randrange(12, 48), PARCH2, rng.choice((1, 2)), ARCANE2)
    return im

# ---------------------------------------------------------------------------
# The final monster


def beast(l, cx, cy, s, mood):
    """Horned green brute's head; mood 'roar' or 'slain'."""
    # horns curl up and outwards
    for side in (-1, 1):
        pts = [(cx + side * 7 * s, cy - 6 * s), (cx + side * 11 * s, cy - 9 * s),
               (cx + side * 15 * s, cy - 14 * s), (cx + side * 15 * s, cy - 19 * s),
               (cx + side * 13 * s, cy - 13 * s), (cx + side * 8 * s, cy - 10 * s)]
        l.poly(pts, PARCH1)
        l.ellipse(cx + side * 14 * s, cy - 1 * s, 3 * s, 4 * s, MOSS1)   # ears
    l.ellipse(cx, cy, 12 * s, 10 * s, MOSS1)
    l.ellipse(cx, cy + 6 * s, 9 * s, 6 * s, MOSS1)    # jowls


def beast_details(l, cx, cy, s, mood):
    l.rect(int(cx - 9 * s), int(cy - 4 * s), int(cx + 9 * s), int(cy - 3 * s), MOSS0)   # brow
    ey = int(cy - 1 * s)
    for side in (-1, 1):
        ex = int(cx + side * 5 * s)
        if mood == "slain":
            l.line(ex - 2 * s, ey - 2 * s, ex + 2 * s, ey + 2 * s, INK, max(1, s))
            l.line(ex - 2 * s, ey + 2 * s, ex + 2 * s, ey - 2 * s, INK, max(1, s))
        else:
            l.ellipse(ex, ey, 2.5 * s, 1.6 * s, FLAME2)
            l.rect(ex - max(0, int(s // 2)), ey - int(s), ex + int(s // 2), ey + int(s), GRID_RED)
            l.line(ex - side * 3 * s, ey - 3 * s, ex + side * 2 * s, ey - 2 * s, INK, max(1, s))
    my = cy + 5 * s
    if mood == "slain":
        l.line(cx - 6 * s, my + 1 * s, cx + 6 * s, my, INK, max(1, s))
        l.ellipse(cx + 2 * s, my + 4 * s, 2.5 * s, 3 * s, DOOR_RED)
        l.line(cx + 2 * s, my + 2 * s, cx + 2 * s, my + 5 * s, GRID_RED)
    else:
        l.ellipse(cx, my + 1 * s, 7 * s, 4 * s, INK)
        l.ellipse(cx, my + 3 * s, 4 * s, 2 * s, BLOOD0)
        for fx in (-5, -2, 2, 5):
            up = fx in (-5, 5)
            x = cx + fx * s
            if up:
                l.poly([(x - 1 * s, my - 2 * s), (x + 1 * s, my - 2 * s), (x, my + 2 * s)], PARCH2)
            else:
                l.poly([(x - 1 * s, my + 4.5 * s), (x + 1 * s, my + 4.5 * s), (x, my + 1.5 * s)], PARCH2)
    l.put(int(cx - 1 * s), int(cy + 2 * s), MOSS0)
    l.put(int(cx + 1 * s), int(cy + 2 * s), MOSS0)


# The final monster's portraits (54 x 44 and 55 x 44) are painted at the
# top-left of the discovery window's frame, which holds 64 x 64 finds. The
# frame's inside shows the monster's neck and shoulders on the cave wall, and
# each portrait carries the same pixels where it covers them, so head and
# body meet seamlessly and the monster fills the frame. The body keeps inside
# the 64 x 64 a find covers, so a find never shows it.
MONSTER_BODY_AT = (68, 50)  # where the portraits and finds are painted


def monster_scene():
    """64 x 64: the cave wall with the monster's neck and shoulders."""
    im = Img(64, 64, STONE0)
    rng = random.Random(707)
    for _ in range(40):
        im.put(rng.randrange(64), rng.randrange(64), STONE1)

    def draw(l):
        l.ellipse(31, 66, 30, 20, MOSS1)   # shoulders
        l.rect(24, 34, 38, 50, MOSS1)       # neck
        l.ellipse(31, 49, 10, 5, MOSS1)
    body = sprite(draw, 64, 64)
    for y in range(50, 64, 3):            # scales on the chest
        for x in range(10 + (y // 3 % 2) * 3, 54, 6):
            if body.get(x, y) == MOSS1 and body.get(x + 1, y + 1) == MOSS1:
                body.put(x, y, MOSS0)
    im.blit(body)
    return im


def monster_picture(won):
    w = 55 if won else 54
    scene = monster_scene()
    im = Img(w, 44)
    for y in range(44):
        for x in range(w):
            im.put(x, y, scene.get(x, y))
    if won:
        def draw(l):
            beast(l, 31, 23, 1.25, "roar")
            for side in (-1, 1):   # fists thrown up in triumph
                fx = 31 + side * 21
                l.line(31 + side * 14, 43, fx, 13, MOSS1, 4)
                l.disc(fx, 10, 4, MOSS1)
        im.blit(sprite(draw, w, 44, details=lambda l: (
            beast_details(l, 31, 23, 1.25, "roar"),
            [l.put(31 + sd * 21 + d, 7, PARCH2) for sd in (-1, 1) for d in (-2, 0, 2)])))
    else:
        def draw(l):
            beast(l, 31, 23, 1.25, "slain")
        l = sprite(draw, w, 44, details=lambda l: beast_details(l, 31, 23, 1.25, "slain"))
        im.blit(l)
        # one horn snapped off in the fight
        for x in range(38, 52):
            for y in range(0, 11):
                im.put(x, y, scene.get(x, y))
        # the sword that did it, planted beside the head
        sw = Img(w, 44)
        sword(sw, 50, 8, 50, 38)
        sw.outline(INK)
        im.blit(sw)
        for x, y in ((8, 6), (14, 12), (44, 3)):
            sparkle(im, x, y, STONE2, 1)
    return im


def icon_picture():
    im = Img(64, 64, SHADOW)
    for y in range(64):
        for x in range(64):
            d = math.hypot(x - 31.5, y - 33.5)
            if d < 30:
                im.put(x, y, BLOOD0 if d > 27 else (FLAME0 if d < 22 or (x + y) % 2 else BLOOD0))
    im.ellipse(31.5, 33.5, 30, 30, FLAME1, ring=1)
    im.blit(sprite(lambda l: beast(l, 32, 38, 1.8, "roar"), 64, 64,
                   details=lambda l: beast_details(l, 32, 38, 1.8, "roar")))
    return im

# ---------------------------------------------------------------------------
# Town and shops


def night_sky(im, rng, y1=90):
    for y in range(0, y1):
        for x in range(im.w):
            t = y / y1
            if t < 0.5 or (t < 0.8 and (x + y) % 2 == 0) or (t < 0.95 and (x + y) % 4 == 0):
                im.put(x, y, ARCANE0)
            else:
                im.put(x, y, SHADOW)
    for _ in range(40):
        im.put(rng.randrange(im.w), rng.randrange(y1 - 20), rng.choice((PARCH2, ARCANE2, ARCANE1)))
    im.disc(214, 20, 10, PARCH2)
    im.disc(211, 17, 2, PARCH1)
    im.disc(218, 24, 3, PARCH1)


def sign_icon(l, kind, cx, cy, s=1):
    """Pictograms for shop signs and shelves."""
    if kind == "heart":
        l.disc(cx - 3 * s, cy - 2 * s, 3.5 * s, GRID_RED)
        l.disc(cx + 3 * s, cy - 2 * s, 3.5 * s, GRID_RED)
        l.poly([(cx - 6.5 * s, cy - 1 * s), (cx + 6.5 * s, cy - 1 * s), (cx, cy + 7 * s)], GRID_RED)
        l.put(cx - 4 * s, cy - 3 * s, DOOR_RED)
    elif kind == "star":
        pts = []
        for i in range(10):
            r = (8 if i % 2 == 0 else 3.5) * s
            a = -math.pi / 2 + i * math.pi / 5
            pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
        l.poly(pts, ARCANE2)
    elif kind == "swords":
        sword(l, cx - 6 * s, cy + 7 * s, cx + 7 * s, cy - 8 * s)
        sword(l, cx + 6 * s, cy + 7 * s, cx - 7 * s, cy - 8 * s)
    elif kind == "pie":
        l.ellipse(cx, cy + 2, 14, 6, WOOD2)
        l.ellipse(cx, cy, 13, 5, PARCH0)
        for i in range(-9, 10, 4):
            l.line(cx + i - 2, cy - 4, cx + i + 2, cy + 4, WOOD2)
        l.rect(cx - 13, cy + 3, cx + 13, cy + 3, WOOD1)
    elif kind == "bed":
        l.rect(cx - 16, cy - 8, cx - 14, cy + 8, WOOD1)   # headboard
        l.rect(cx - 14, cy, cx + 15, cy + 4, WOOD2)
        l.rect(cx - 13, cy - 4, cx - 7, cy - 1, PARCH2)   # pillow
        l.rect(cx - 6, cy - 3, cx + 15, cy, GRID_RED)     # blanket
        l.rect(cx + 14, cy - 3, cx + 15, cy + 8, WOOD1)
        l.rect(cx - 16, cy + 5, cx + 15, cy + 5, WOOD0)
    elif kind == "doctor":
        l.rect(cx - 12, cy - 6, cx + 12, cy + 9, WOOD0)   # doctor's bag
        l.rect(cx - 5, cy - 10, cx + 5, cy - 7, WOOD0)
        l.rect(cx - 2, cy - 3, cx + 2, cy + 7, PARCH2)
        l.rect(cx - 5, cy, cx + 5, cy + 4, PARCH2)
        l.rect(cx - 1, cy - 2, cx + 1, cy + 6, GRID_RED)
        l.rect(cx - 4, cy + 1, cx + 4, cy + 3, GRID_RED)
    elif kind == "scroll":
        l.rect(cx - 8, cy - 10, cx + 8, cy + 9, PARCH1)
        l.rect(cx - 10, cy - 12, cx + 10, cy - 9, PARCH0)
        l.rect(cx - 10, cy + 8, cx + 10, cy + 11, PARCH0)
        for y in range(cy - 6, cy + 6, 3):
            l.rect(cx - 5, y, cx + 5 - (y % 2) * 3, y, BLOOD0)
        l.disc(cx + 5, cy + 6, 2.5, GRID_RED)
    elif kind == "crystal":
        l.rect(cx - 8, cy + 8, cx + 8, cy + 11, WOOD1)
        l.poly([(cx - 6, cy + 8), (cx + 6, cy + 8), (cx + 3, cy + 4), (cx - 3, cy + 4)], WOOD2)
        l.disc(cx, cy - 3, 9, ARCANE1)
        l.disc(cx - 1, cy - 4, 5, ARCANE2)
        l.disc(cx - 3, cy - 7, 1.5, PARCH2)
    elif kind == "brew":
        l.disc(cx, cy + 3, 9, MOSS1)
        l.rect(cx - 3, cy - 11, cx + 3, cy - 5, MOSS1)
        l.rect(cx - 3, cy - 14, cx + 3, cy - 12, WOOD2)
        l.disc(cx, cy + 4, 4, PARCH2)                      # skull label: strong stuff
        l.rect(cx - 2, cy + 3, cx - 1, cy + 4, INK)
        l.rect(cx + 1, cy + 3, cx + 2, cy + 4, INK)
        l.put(cx - 4, cy - 1, ARCANE2)
    elif kind == "club":
        l.line(cx - 10, cy + 12, cx + 6, cy - 6, WOOD1, 3)
        l.disc(cx + 7, cy - 8, 5, WOOD2)
        l.put(cx + 4, cy - 11, WOOD0)
        l.put(cx + 10, cy - 6, WOOD0)
    elif kind == "knife":
        l.line(cx - 8, cy + 8, cx - 3, cy + 3, WOOD1, 3)
        l.line(cx - 5, cy + 1, cx - 1, cy + 5, FLAME1, 2)
        l.poly([(cx - 3, cy + 1), (cx - 1, cy + 3), (cx + 10, cy - 9), (cx + 9, cy - 10)], STONE3)
    elif kind == "sword":
        sword(l, cx - 12, cy + 12, cx + 13, cy - 13)


# A shelf's price card, relative to the middle of its shelf: x0, y0, x1, y1.
PRICE_CARD = (-24, 100, 23, 115)


def shop_interior(title_icon, goods, wall, rng, w=252):
    im = Img(w, 221, WOOD0)
    if wall == "planks":
        im.rect(0, 0, w - 1, 139, WOOD1)
        for x in range(0, w, 14):
            im.rect(x, 0, x, 139, WOOD0)
            for y in range(rng.randrange(20), 139, 37):
                im.put(x + 4, y, WOOD0)
                im.put(x + 9, y + 15, WOOD2)
    else:
        brick_wall(im, 0, 0, w - 1, 139, rng, bw=14, bh=7,
                   base=STONE1 if wall == "stone" else ARCANE0,
                   tints=(STONE0, STONE2) if wall == "stone" else (STONE1, ARCANE0))
    # hanging sign
    cx = w // 2
    im.line(cx - 30, 0, cx - 30, 8, STONE2)
    im.line(cx + 30, 0, cx + 30, 8, STONE2)
    im.rect(cx - 40, 8, cx + 40, 34, WOOD2)
    wood_frame(im, cx - 40, 8, cx + 40, 34, t=3, studs=False)
    im.rect(cx - 37, 11, cx + 37, 31, WOOD1)
    l = Img(w, 221)
    sign_icon(l, title_icon, cx, 21)
    l.shade()
    l.outline(INK)
    im.blit(l)
    for sx in (cx - 28, cx + 28):
        sparkle(im, sx, 21, FLAME2, 2)
    # candles either side of the sign
    for tx in (22, w - 23):
        torch(im, tx, 40, rng)
    # a shelf for each of the goods, one above each button, 72 px apart
    for i in range(len(goods)):
        bx0 = 24 + 72 * i
        bx1 = bx0 + 65
        mx = (bx0 + bx1) // 2
        im.rect(bx0 - 2, 52, bx1 + 2, 124, SHADOW)
        im.frame(bx0 - 3, 51, bx1 + 3, 125, INK)
        im.rect(bx0 - 2, 52, bx1 + 2, 53, STONE0)
        im.rect(bx0 - 4, 118, bx1 + 4, 123, WOOD2)
        im.rect(bx0 - 4, 122, bx1 + 4, 123, WOOD1)
        im.frame(bx0 - 4, 118, bx1 + 4, 123, INK)
        im.ellipse(mx, 116, 20, 2, INK)
        l = Img(w, 221)
        sign_icon(l, goods[i], mx, 78, 1)
        l.shade()
        l.outline(INK)
        im.blit(l)
        # price card standing on the shelf; the game writes the price on it
        # ("10 港幣", 40 px wide in the 12 px type) with its text box at
        # (mx - 20, 98)
        tx0, ty0, tx1, ty1 = PRICE_CARD
        im.rect(mx + tx0, ty0, mx + tx1, ty1, PARCH1)
        im.rect(mx + tx0 + 1, ty1 - 1, mx + tx1 - 1, ty1 - 1, PARCH0)
        im.frame(mx + tx0, ty0, mx + tx1, ty1, INK)
        im.rect(mx + tx0 + 2, ty1 + 1, mx + tx1 + 1, ty1 + 1, SHADOW)
    # counter along the front; the floor below stays plain for the buttons
    im.rect(0, 140, w - 1, 160, WOOD1)
    im.rect(0, 140, w - 1, 143, WOOD2)
    im.rect(0, 140, w - 1, 140, PARCH0)
    im.rect(0, 144, w - 1, 144, INK)
    for x in range(10, w, 40):
        im.rect(x, 145, x + 1, 160, WOOD0)
    im.rect(0, 161, w - 1, 162, INK)
    im.rect(0, 163, w - 1, 220, WOOD0)
    return im


def town_hub():
    rng = random.Random(801)
    im = Img(252, 221, WOOD0)
    night_sky(im, rng)
    # distant roofs
    for x in range(0, 252, 28):
        hgt = rng.randrange(50, 70)
        im.poly([(x - 6, 100), (x + 14, hgt), (x + 34, 100)], SHADOW)
    # three shop fronts, each above the button that enters it
    kinds = (("heart", WOOD1, BLOOD0), ("star", ARCANE0, ARCANE0), ("swords", STONE1, SHADOW))
    for i, (bx0, bx1) in enumerate(((24, 89), (96, 161), (168, 233))):
        kind, wallc, roofc = kinds[i]
        x0, x1 = bx0 - 1, bx1 + 1
        mx = (bx0 + bx1) // 2
        im.poly([(x0 - 3, 62), (mx, 34 - (8 if i == 1 else 0)), (x1 + 3, 62)], roofc)
        for y in range(40, 63, 4):
            for x in range(x0 - 3, x1 + 4, 6):
                if im.get(x, y) == roofc:
                    im.put(x, y, INK)
        im.rect(x0, 62, x1, 140, PARCH0 if i != 2 else STONE2)
        im.frame(x0, 62, x1, 140, WOOD0)
        im.rect(x0, 62, x1, 64, WOOD0)
        im.rect(x0, 100, x1, 101, WOOD0)
        # door
        im.rect(mx - 9, 112, mx + 9, 140, WOOD1)
        im.ellipse(mx, 112, 9, 6, WOOD1)
        im.frame(mx - 9, 112, mx + 9, 140, INK)
        im.rect(mx - 1, 108, mx + 1, 140, WOOD0)
        im.put(mx + 5, 127, FLAME2)
        # lit windows
        for wx in (x0 + 6, x1 - 16):
            im.rect(wx, 72, wx + 10, 90, FLAME1)
            im.rect(wx + 1, 73, wx + 9, 80, FLAME2)
            im.rect(wx + 5, 72, wx + 5, 90, WOOD0)
            im.rect(wx, 81, wx + 10, 81, WOOD0)
            im.frame(wx - 1, 71, wx + 11, 91, INK)
        # sign on a bracket
        im.rect(mx - 13, 92, mx + 13, 110, WOOD2)
        im.frame(mx - 14, 91, mx + 14, 111, INK)
        im.rect(mx - 12, 94, mx + 12, 108, WOOD1 if i != 1 else ARCANE0)
        l = Img(252, 221)
        sign_icon(l, kind, mx, 101, 0.75)
        l.outline(INK)
        im.blit(l)
    # cobbled street
    im.rect(0, 140, 251, 160, STONE0)
    for y in range(141, 161, 5):
        for x in range(-(y // 5 % 2) * 5, 252, 10):
            im.ellipse(x + 4, y + 2, 4, 1.6, STONE1)
            im.put(x + 3, y + 1, STONE2)
    # street lamps
    for lx in (10, 242):
        im.rect(lx - 1, 90, lx + 1, 140, INK)
        im.rect(lx - 4, 80, lx + 4, 90, FLAME1)
        im.rect(lx - 2, 82, lx + 2, 88, FLAME2)
        im.frame(lx - 4, 80, lx + 4, 90, INK)
    im.rect(0, 161, 251, 162, INK)
    im.rect(0, 163, 251, 220, WOOD0)
    return im

# ---------------------------------------------------------------------------
# The how-to-play card: a parchment sheet with ten framed pictures, each
# beside the label that explains it (the card's window lays the labels out
# with the same numbers).

CARD_SIZE = (640, 552)


def card_cell(i):
    """Column-major, five to a column: the picture frame's inside (72 x 64)
    and the label's box, both x0, y0, x1, y1."""
    x0, top = 16 + 316 * (i // 5), 46 + 92 * (i % 5)
    return (x0 + 4, top + 12, x0 + 75, top + 75), (x0 + 88, top + 1, x0 + 299, top + 90)


def hero_picture():
    """PELLAMORN himself, in the marker's yellow, sword at the ready."""
    im = backdrop(64, 64)

    def body(l):
        l.rect(25, 50, 30, 56, WOOD1)          # legs and boots
        l.rect(34, 50, 39, 56, WOOD1)
        l.rect(24, 55, 31, 58, WOOD0)
        l.rect(33, 55, 40, 58, WOOD0)
        l.poly([(22, 27), (42, 27), (45, 51), (19, 51)], FLAME2)  # tunic
        l.line(22, 29, 14, 40, FLAME1, 4)      # arms
        l.line(42, 29, 49, 38, FLAME1, 4)
        l.disc(32, 18, 8, PARCH1)              # head
        l.ellipse(32, 12, 9, 4, WOOD1)         # hair
        l.disc(14, 41, 3, PARCH1)
        l.disc(49, 39, 3, PARCH1)

    def det(l):
        l.rect(20, 42, 44, 44, WOOD0)          # belt and buckle
        l.rect(31, 42, 33, 44, FLAME1)
        l.put(29, 18, INK)
        l.put(35, 18, INK)
        l.rect(30, 22, 34, 22, WOOD0)
        sword(l, 49, 38, 58, 10)
    im.blit(sprite(body, 64, 64, details=det))
    return im


def pie_picture():
    """The shelf's pie at twice its size."""
    im = backdrop(64, 64)
    l = Img(32, 32)
    sign_icon(l, "pie", 16, 17)
    l.shade()
    l.outline(INK)
    im.blit(l.scaled(2), 0, 0)
    return im


def weapon_picture():
    im = backdrop(64, 64)
    l = Img(64, 64)
    sign_icon(l, "club", 17, 38)
    sword(l, 22, 52, 54, 10)
    l.shade()
    l.outline(INK)
    im.blit(l)
    return im


def keys_picture():
    """The walking keys: four caps with their arrows."""
    im = backdrop(64, 64, floor=False)
    caps = {(22, 12): (0, -1), (22, 34): (0, 1), (0, 34): (-1, 0), (44, 34): (1, 0)}
    for (x, y), (dx, dy) in caps.items():
        x += 2
        y += 6
        im.rect(x, y + 2, x + 17, y + 19, SHADOW)
        im.rect(x, y, x + 17, y + 17, PARCH1)
        im.rect(x + 2, y + 1, x + 15, y + 14, PARCH2)
        im.frame(x, y, x + 17, y + 19, INK)
        cx, cy = x + 8.5, y + 8
        tip = (cx + dx * 5, cy + dy * 5)
        side = [(cx - dy * 4 - dx * 1, cy + dx * 4 - dy * 1), (cx + dy * 4 - dx * 1, cy - dx * 4 - dy * 1)]
        im.poly([tip] + side, INK)
        im.line(cx - dx * 1, cy - dy * 1, cx - dx * 5, cy - dy * 5, INK, 2)
    return im


def card_background():
    rng = random.Random(909)
    w, h = CARD_SIZE
    im = Img(w, h, WOOD0)
    labels = [card_cell(i)[1] for i in range(10)]
    title = (28, 10, 330, 36)
    parchment(im, 6, 6, w - 7, h - 7, rng, calm=labels + [title, (270, 500, 370, 546)])
    wood_frame(im, 0, 0, w - 1, h - 1, t=6)
    # the title's banner, the card's width
    im.rect(16, 8, w - 17, 38, PARCH2)
    im.frame(16, 8, w - 17, 38, WOOD2)
    im.rect(17, 37, w - 18, 37, PARCH0)
    for x in (w - 40, w - 60, w - 80):
        sparkle(im, x, 23, FLAME1, 3, FLAME2)
    scene = monster_scene()
    scene.blit(monster_picture(True))
    town = town_hub()
    town_crop = Img(72, 64)
    for y in range(64):
        for x in range(72):
            town_crop.put(x, y, town.get(20 + x, 52 + y))
    pictures = [hero_picture(), pie_picture(), gold_picture(), spell_picture(),
                serum_picture(), skeleton_picture(0), weapon_picture(), town_crop,
                scene, keys_picture()]
    for i, pic in enumerate(pictures):
        (x0, y0, x1, y1), _ = card_cell(i)
        frame_window(im, x0, y0, x1, y1)
        im.blit(pic, x0 + (72 - pic.w) // 2, y0 + (64 - pic.h) // 2)
    # a line between the two columns
    for y in range(50, 500, 4):
        im.put(w // 2 - 2, y, PARCH0)
    return im

# ---------------------------------------------------------------------------


def build_all(out_dir):
    """Returns {name: Img}; writing happens in one place below."""
    pics = {}
    pics["Gorvak"] = main_background()
    for i, d in enumerate(ROOM_DOORS):
        pics["Room%02d" % i] = room_tile(d)
    pics["Hall0"] = hallway(True)
    pics["Hall1"] = hallway(False)
    pics["Status"] = status_background()
    pics["Discovery"] = discovery_background()
    pics["Battle"] = battle_background()
    pics["Shoppe"] = town_hub()
    pics["Health"] = shop_interior("heart", ("pie", "bed", "doctor"), "planks", random.Random(811))
    pics["Magic"] = shop_interior("star", ("scroll", "crystal", "brew"), "arcane", random.Random(812), w=251)
    pics["Weapons"] = shop_interior("swords", ("club", "knife", "sword"), "stone", random.Random(813))
    pics["Settings"] = settings_background()
    for k in range(9):
        pics["Dice%d" % k] = dice(k + 1)
    for p in range(4):
        pics["Skeleton%d" % p] = skeleton_picture(p)
    pics["Gold"] = gold_picture()
    pics["Spell"] = spell_picture()
    pics["Serum"] = serum_picture()
    pics["Thief"] = thief_picture()
    pics["Teleport"] = teleport_picture()
    pics["Gorvak0"] = monster_picture(False)
    pics["Gorvak1"] = monster_picture(True)
    pics["Card"] = card_background()
    pics["Icon"] = icon_picture()
    pics["Icon256"] = pics["Icon"].scaled(4)
    os.makedirs(out_dir, exist_ok=True)
    for name, im in pics.items():
        im.png(os.path.join(out_dir, name + ".png"))
    return sorted(pics)
