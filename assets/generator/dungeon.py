"""dungeon.txt -> Dungeon.gvk through the game's own tool, `gorvak-dungeon build`,
which parses the text format and refuses whatever the game would. The shipped
dungeon must also draw none of the tool's notes: every place a room, every door
both ways, every room reachable from the start, one Zorvath, the start room empty.

The tool is found in GORVAK_DUNGEON_TOOL, else in the build folder beside the
generator's tree (build it with `cmake --build build --target gorvak_dungeon_tool`).
"""

import os
import struct
import subprocess
from collections import deque

COLS, ROWS, START = 10, 8, 45
# Which sides each shape code opens, as the game reads them (dungeon/Rooms.h).
SIDES = ["", "N", "E", "S", "W", "NE", "NS", "NW", "ES", "EW", "SW", "NES", "NEW", "NSW", "ESW", "NESW"]
STEP = {"N": -COLS, "E": 1, "S": COLS, "W": -1}


class DungeonError(Exception):
    pass


def tool_path():
    tool = os.environ.get("GORVAK_DUNGEON_TOOL")
    if not tool:
        here = os.path.dirname(os.path.abspath(__file__))
        tool = os.path.join(here, "..", "..", "build", "gorvak-dungeon")
    if not os.access(tool, os.X_OK):
        raise DungeonError("no gorvak-dungeon at %s: build it (cmake --build build --target "
                           "gorvak_dungeon_tool) or set GORVAK_DUNGEON_TOOL" % tool)
    return tool


def read(path):
    """The shapes and items of a 320-byte dungeon file."""
    with open(path, "rb") as f:
        data = f.read()
    if len(data) != 320:
        raise DungeonError("%s is %d bytes, need 320" % (path, len(data)))
    values = struct.unpack("<160h", data)
    return list(values[:80]), list(values[80:])


def distances(shapes):
    """Steps from the start room to every room it reaches."""
    dist = {START: 0}
    queue = deque([START])
    while queue:
        room = queue.popleft()
        for side in SIDES[shapes[room]] if 0 <= shapes[room] < len(SIDES) else "":
            nxt = room + STEP[side]
            if 0 <= nxt < COLS * ROWS and nxt not in dist:
                dist[nxt] = dist[room] + 1
                queue.append(nxt)
    return dist


def build(txt, out):
    result = subprocess.run([tool_path(), "build", txt, out], capture_output=True, text=True)
    if result.returncode != 0:
        raise DungeonError((result.stdout + result.stderr).strip())
    notes = [line for line in result.stdout.splitlines() if line.startswith("注意")]
    if notes:
        raise DungeonError("the shipped dungeon draws the tool's notes:\n" + "\n".join(notes))
    shapes, items = read(out)
    return shapes, items, distances(shapes)


def verify_file(path):
    result = subprocess.run([tool_path(), "check", path], capture_output=True, text=True)
    if result.returncode != 0 or any(l.startswith("注意") for l in result.stdout.splitlines()):
        raise DungeonError((result.stdout + result.stderr).strip())
    shapes, items = read(path)
    if items.count(7) != 1 or len(distances(shapes)) != COLS * ROWS:
        raise DungeonError(path + ": not one Zorvath, or rooms out of reach")
    return distances(shapes)
