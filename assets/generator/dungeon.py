"""dungeon.txt -> Dungeon.gvk, refusing any layout the game could trip over."""

import struct
from collections import deque

COLS, ROWS, START = 10, 8, 45
ITEMS = ".scgktpz"   # index = item code
SHAPES = {"N": 1, "E": 2, "S": 3, "W": 4, "NE": 5, "NS": 6, "NW": 7, "ES": 8,
          "EW": 9, "SW": 10, "NES": 11, "NEW": 12, "NSW": 13, "ESW": 14, "NESW": 15}
STEP = {"N": (0, -1, "S"), "E": (1, 0, "W"), "S": (0, 1, "N"), "W": (-1, 0, "E")}


class DungeonError(Exception):
    pass


def parse(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for ln, line in enumerate(f, 1):
            s = line.strip()
            if not s or s.startswith("#"):
                continue
            cells = s.split()
            if len(cells) != COLS:
                raise DungeonError("line %d: %d cells, need %d" % (ln, len(cells), COLS))
            rows.append(cells)
    if len(rows) != ROWS:
        raise DungeonError("%d map rows, need %d" % (len(rows), ROWS))
    doors, items = [], []
    for r, cells in enumerate(rows):
        for c, cell in enumerate(cells):
            if cell.count(":") != 1:
                raise DungeonError("row %d col %d: '%s' is not DOORS:ITEM" % (r, c, cell))
            d, it = cell.split(":")
            if d == ".":
                raise DungeonError("row %d col %d: every place must hold a room" % (r, c))
            if d not in SHAPES:
                raise DungeonError("row %d col %d: doors '%s' not in NESW order" % (r, c, d))
            if len(it) != 1 or it not in ITEMS:
                raise DungeonError("row %d col %d: unknown item '%s'" % (r, c, it))
            doors.append(d)
            items.append(ITEMS.index(it))
    return doors, items


def check(doors, items):
    for i, d in enumerate(doors):
        c, r = i % COLS, i // COLS
        for ch in d:
            dx, dy, back = STEP[ch]
            cc, rr = c + dx, r + dy
            if not (0 <= cc < COLS and 0 <= rr < ROWS):
                raise DungeonError("room %d: %s door leads off the map" % (i, ch))
            if back not in doors[rr * COLS + cc]:
                raise DungeonError("room %d: %s door has no way back from room %d" % (i, ch, rr * COLS + cc))
    dist = {START: 0}
    q = deque([START])
    while q:
        i = q.popleft()
        for ch in doors[i]:
            dx, dy, _ = STEP[ch]
            j = i + dx + dy * COLS
            if j not in dist:
                dist[j] = dist[i] + 1
                q.append(j)
    lost = sorted(set(range(COLS * ROWS)) - set(dist))
    if lost:
        raise DungeonError("rooms not reachable from the start: %s" % lost)
    if items.count(7) != 1:
        raise DungeonError("need exactly one Gorvak, found %d" % items.count(7))
    if items[START] != 0:
        raise DungeonError("the start room must be empty")
    return dist


def build(txt, out):
    doors, items = parse(txt)
    dist = check(doors, items)
    data = struct.pack("<80h", *[SHAPES[d] for d in doors]) + struct.pack("<80h", *items)
    assert len(data) == 320
    with open(out, "wb") as f:
        f.write(data)
    return doors, items, dist


def verify_file(path):
    with open(path, "rb") as f:
        data = f.read()
    if len(data) != 320:
        raise DungeonError("%s is %d bytes, need 320" % (path, len(data)))
    vals = struct.unpack("<160h", data)
    inv = {v: k for k, v in SHAPES.items()}
    if any(v not in inv for v in vals[:80]) or any(not 0 <= v < len(ITEMS) for v in vals[80:]):
        raise DungeonError(path + ": code out of range")
    return check([inv[v] for v in vals[:80]], list(vals[80:]))
