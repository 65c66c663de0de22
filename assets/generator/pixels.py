"""Tiny pixel-art toolkit: an image with optional transparency while drawing,
a handful of shape primitives, automatic outline/shading for sprites, and a
plain zlib+struct PNG writer/reader (opaque RGB, which is what the game
loads; the writer also does RGBA for the desktop's document icon).  Standard library only so anyone can re-run the art step."""

import math
import struct
import zlib

# ---------------------------------------------------------------------------
# Palette.  Everything is drawn from this list so the whole game reads as one
# piece: cold dungeon stone, warm torch light, parchment and a little arcane
# blue.  The three "game" colours are read back by the game logic and must
# stay exactly as they are.
INK = (16, 12, 18)
SHADOW = (32, 26, 34)
STONE0 = (46, 40, 48)
STONE1 = (66, 60, 68)
STONE2 = (94, 88, 92)
STONE3 = (132, 124, 122)
WOOD0 = (56, 34, 24)
WOOD1 = (92, 58, 34)
WOOD2 = (134, 88, 48)
PARCH0 = (178, 142, 96)
PARCH1 = (214, 186, 136)
PARCH2 = (238, 222, 180)
FLAME0 = (170, 60, 20)
FLAME1 = (232, 132, 32)
FLAME2 = (255, 206, 84)
BLOOD0 = (96, 16, 24)
MOSS0 = (40, 72, 44)
MOSS1 = (78, 124, 64)
ARCANE0 = (58, 44, 110)
ARCANE1 = (96, 120, 200)
ARCANE2 = (150, 226, 240)

# Colours the game logic samples from the pictures.
GRID_RED = (168, 0, 0)      # cell outline on the map, also a deep red
CELL_GREY = (168, 168, 168)  # unexplored cell
DOOR_RED = (255, 85, 85)     # door openings on room tiles
WHITE = (255, 255, 255)      # outside of a room tile (treated as see-through)

PALETTE = [INK, SHADOW, STONE0, STONE1, STONE2, STONE3, WOOD0, WOOD1, WOOD2,
           PARCH0, PARCH1, PARCH2, FLAME0, FLAME1, FLAME2, BLOOD0, MOSS0,
           MOSS1, ARCANE0, ARCANE1, ARCANE2, GRID_RED, CELL_GREY, DOOR_RED,
           WHITE]

# Light ramps used by Img.shade(): colour -> (darker, lighter).
RAMP = {}


def _ramp(*cols):
    for i, c in enumerate(cols):
        RAMP[c] = (cols[max(i - 1, 0)], cols[min(i + 1, len(cols) - 1)])


_ramp(INK, SHADOW, STONE0, STONE1, STONE2, STONE3)
_ramp(WOOD0, WOOD1, WOOD2, PARCH0, PARCH1, PARCH2)
_ramp(BLOOD0, GRID_RED, DOOR_RED)
_ramp(FLAME0, FLAME1, FLAME2)
_ramp(MOSS0, MOSS1)
_ramp(ARCANE0, ARCANE1, ARCANE2)


class Img:
    """Row-major list of colours; None means 'nothing drawn here yet'."""

    def __init__(self, w, h, fill=None):
        self.w, self.h = w, h
        self.p = [fill] * (w * h)

    # -- basic access -------------------------------------------------------
    def get(self, x, y):
        if 0 <= x < self.w and 0 <= y < self.h:
            return self.p[y * self.w + x]
        return None

    def put(self, x, y, c):
        x, y = int(x), int(y)
        if 0 <= x < self.w and 0 <= y < self.h:
            self.p[y * self.w + x] = c

    def copy(self):
        o = Img(self.w, self.h)
        o.p = list(self.p)
        return o

    # -- shapes (all bounds inclusive) ---------------------------------------
    def rect(self, x0, y0, x1, y1, c):
        for y in range(max(y0, 0), min(y1, self.h - 1) + 1):
            for x in range(max(x0, 0), min(x1, self.w - 1) + 1):
                self.p[y * self.w + x] = c

    def frame(self, x0, y0, x1, y1, c):
        self.rect(x0, y0, x1, y0, c)
        self.rect(x0, y1, x1, y1, c)
        self.rect(x0, y0, x0, y1, c)
        self.rect(x1, y0, x1, y1, c)

    def ellipse(self, cx, cy, rx, ry, c, ring=None):
        """Filled ellipse; with ring=t only the outer band t pixels thick."""
        for y in range(int(cy - ry) - 1, int(cy + ry) + 2):
            for x in range(int(cx - rx) - 1, int(cx + rx) + 2):
                d = ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2
                if d <= 1.0:
                    if ring is not None:
                        ix, iy = rx - ring, ry - ring
                        if ix > 0 and iy > 0 and ((x - cx) / ix) ** 2 + ((y - cy) / iy) ** 2 <= 1.0:
                            continue
                    self.put(x, y, c)

    def disc(self, cx, cy, r, c):
        self.ellipse(cx, cy, r, r, c)

    def line(self, x0, y0, x1, y1, c, w=1):
        n = int(max(abs(x1 - x0), abs(y1 - y0)) * 2) + 1
        for i in range(n + 1):
            t = i / n
            x = x0 + (x1 - x0) * t
            y = y0 + (y1 - y0) * t
            if w <= 1:
                self.put(round(x), round(y), c)
            else:
                r = w / 2.0
                for yy in range(int(y - r) - 1, int(y + r) + 2):
                    for xx in range(int(x - r) - 1, int(x + r) + 2):
                        if (xx - x) ** 2 + (yy - y) ** 2 <= r * r * 0.8:
                            self.put(xx, yy, c)

    def poly(self, pts, c):
        ys = [p[1] for p in pts]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            yc = y + 0.5
            xs = []
            for i in range(len(pts)):
                (ax, ay), (bx, by) = pts[i], pts[(i + 1) % len(pts)]
                if (ay <= yc < by) or (by <= yc < ay):
                    xs.append(ax + (yc - ay) * (bx - ax) / (by - ay))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                for x in range(int(math.ceil(xs[i] - 0.5)), int(math.floor(xs[i + 1] - 0.5)) + 1):
                    self.put(x, y, c)

    def bone(self, x0, y0, x1, y1, c, w=2):
        """A limb bone: a shaft with knobbly ends."""
        self.line(x0, y0, x1, y1, c, w)
        self.disc(x0, y0, w * 0.75, c)
        self.disc(x1, y1, w * 0.75, c)

    def dither(self, x0, y0, x1, y1, c, density, rng):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                if rng.random() < density:
                    self.put(x, y, c)

    def checker(self, x0, y0, x1, y1, c, phase=0):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                if (x + y + phase) % 2 == 0:
                    self.put(x, y, c)

    # -- sprite helpers ----------------------------------------------------
    def shade(self, light=(-1, -1)):
        """Darken pixels on the side away from the light, brighten the lit
        rim: cheap volume without hand-placing every pixel."""
        lx, ly = light
        src = list(self.p)
        for y in range(self.h):
            for x in range(self.w):
                c = src[y * self.w + x]
                if c is None or c not in RAMP:
                    continue
                def empty(xx, yy):
                    return not (0 <= xx < self.w and 0 <= yy < self.h) or src[yy * self.w + xx] is None
                if empty(x - lx, y - ly) or empty(x - lx, y) and empty(x, y - ly):
                    self.p[y * self.w + x] = RAMP[c][0]
                elif empty(x + lx, y + ly):
                    self.p[y * self.w + x] = RAMP[c][1]

    def outline(self, c=INK):
        src = list(self.p)
        for y in range(self.h):
            for x in range(self.w):
                if src[y * self.w + x] is not None:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    xx, yy = x + dx, y + dy
                    if 0 <= xx < self.w and 0 <= yy < self.h and src[yy * self.w + xx] is not None \
                            and src[yy * self.w + xx] != c:
                        self.p[y * self.w + x] = c
                        break

    def blit(self, o, ox=0, oy=0):
        for y in range(o.h):
            for x in range(o.w):
                c = o.p[y * o.w + x]
                if c is not None:
                    self.put(ox + x, oy + y, c)

    def rotated(self, ang, cx, cy, dx=0, dy=0):
        """Nearest-neighbour rotation about (cx, cy), then shifted."""
        o = Img(self.w, self.h)
        ca, sa = math.cos(-ang), math.sin(-ang)
        for y in range(self.h):
            for x in range(self.w):
                rx, ry = x - cx - dx, y - cy - dy
                sx = round(cx + rx * ca - ry * sa)
                sy = round(cy + rx * sa + ry * ca)
                o.p[y * self.w + x] = self.get(sx, sy)
        return o

    def scaled(self, k):
        o = Img(self.w * k, self.h * k)
        for y in range(o.h):
            for x in range(o.w):
                o.p[y * o.w + x] = self.p[(y // k) * self.w + x // k]
        return o

    # -- output -----------------------------------------------------------
    def png(self, path):
        raw = bytearray()
        for y in range(self.h):
            raw.append(0)
            for x in range(self.w):
                c = self.p[y * self.w + x]
                if c is None:
                    raise ValueError("%s: pixel (%d,%d) left undrawn" % (path, x, y))
                raw += bytes(c)
        write_png(path, self.w, self.h, bytes(raw))


def _chunk(tag, data):
    return struct.pack(">I", len(data)) + tag + data + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)


def write_png(path, w, h, raw, alpha=False):
    """raw: rows of RGB pixels, or RGBA with alpha (for icons that are not
    square, the only pictures with see-through parts), each after a 0."""
    ihdr = struct.pack(">IIBBBBB", w, h, 8, 6 if alpha else 2, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + _chunk(b"IHDR", ihdr) + \
        _chunk(b"IDAT", zlib.compress(raw, 9)) + _chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(data)


def read_png(path):
    """Returns (w, h, colour_type, get(x, y)); enough to check our own files."""
    with open(path, "rb") as f:
        d = f.read()
    if d[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(path + ": not a PNG")
    i, idat, ihdr = 8, b"", None
    while i < len(d):
        n = struct.unpack(">I", d[i:i + 4])[0]
        tag, body = d[i + 4:i + 8], d[i + 8:i + 8 + n]
        if tag == b"IHDR":
            ihdr = struct.unpack(">IIBBBBB", body)
        elif tag == b"IDAT":
            idat += body
        i += 12 + n
    w, h, depth, ctype, _, _, interlace = ihdr
    if depth != 8 or ctype != 2 or interlace:
        return w, h, ctype, None
    raw = zlib.decompress(idat)
    stride = w * 3
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(h):
        ft = raw[pos]
        line = bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for x in range(stride):
            a = line[x - 3] if x >= 3 else 0
            b = prev[x]
            cc = prev[x - 3] if x >= 3 else 0
            if ft == 1:
                line[x] = (line[x] + a) & 255
            elif ft == 2:
                line[x] = (line[x] + b) & 255
            elif ft == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif ft == 4:
                pa, pb, pc = abs(b - cc), abs(a - cc), abs(a + b - 2 * cc)
                pr = a if pa <= pb and pa <= pc else (b if pb <= pc else cc)
                line[x] = (line[x] + pr) & 255
        rows.append(bytes(line))
        prev = line

    def get(x, y):
        r = rows[y]
        return tuple(r[x * 3:x * 3 + 3])
    return w, h, ctype, get
