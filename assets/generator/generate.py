#!/usr/bin/env python3
"""Regenerates every game asset under assets/ from scratch.

    python3 assets/generator/generate.py [--no-font]

Pictures, the desktop icons and sounds need only the standard library; the
dungeon is built by the game's own tool, gorvak-dungeon (build it first, or
point GORVAK_DUNGEON_TOOL at it), so the text format has one parser.  The font step needs fontTools and the system's Noto CJK font
(Debian's python3-fonttools and fonts-noto-cjk; assets/generator/setup.sh installs
them); --no-font skips it, and tools/check-assets.sh uses that to remake
everything else in a scratch copy and compare it with what is committed.

Everything is seeded, so a re-run gives byte-identical files.  The checks at
the end fail loudly if any picture, sound, dungeon or font rule is broken.
"""

import os
import re
import sys

sys.dont_write_bytecode = True  # keep the generator folder clean

import wave

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import audio  # noqa: E402
import dungeon  # noqa: E402
import icons  # noqa: E402
import pictures  # noqa: E402
from pixels import CELL_GREY, DOOR_RED, GRID_RED, WHITE, read_png  # noqa: E402

ASSETS = os.path.dirname(HERE)
REPO = os.path.dirname(ASSETS)
PIC_DIR = os.path.join(ASSETS, "pictures")
AUDIO_DIR = os.path.join(ASSETS, "audio")
FONT_DIR = os.path.join(ASSETS, "fonts")
# Every text the game shows, as written and translated.
TS_FILES = sorted(os.path.join(REPO, "i18n", f) for f in os.listdir(os.path.join(REPO, "i18n"))
                  if f.endswith(".ts")) if os.path.isdir(os.path.join(REPO, "i18n")) else []

PICTURES_CPP = os.path.join(REPO, "ui", "Pictures.cpp")
GRID_H = os.path.join(REPO, "dungeon", "Grid.h")


def game_picture_sizes():
    """The size of every picture the game paints, from the game's own table."""
    with open(PICTURES_CPP, encoding="utf-8") as f:
        table = re.findall(r'\{"(\w+)\.png", (\d+), (\d+)\}', f.read())
    return {name: (int(w), int(h)) for name, w, h in table}


def game_grid():
    """The map's corner and pitch and the door test points, from dungeon/Grid.h."""
    with open(GRID_H, encoding="utf-8") as f:
        text = f.read()
    const = {n: int(v) for n, v in re.findall(r"inline constexpr int (\w+) = (\d+);", text)}
    points = {side[0]: (int(x), int(y))
              for side, x, y in re.findall(r"case (North|East|South|West): return \{(\d+), (\d+)\};", text)}
    return const["Left"], const["Top"], const["Pitch"], points


SIZES = game_picture_sizes()
SIZES.update({"Icon": (64, 64), "Icon256": (256, 256)})  # the desktop icons' sources
GRID_LEFT, GRID_TOP, GRID_PITCH, DOOR_POINTS = game_grid()

MAX_MS = {"Walk": 250, "Dice": 90, "Teleport": 900, "Gorvak": 1800, "Gorvak2": 1800,
          "SkeletonHit": 400, "PlayerHit": 400, "Spell": 800, "Discovery": 700,
          "Shop": 600, "CheckStats": 600}

failures = []


def need(cond, msg):
    if not cond:
        failures.append(msg)


def verify_pictures():
    have = {f[:-4] for f in os.listdir(PIC_DIR) if f.endswith(".png")}
    need(have == set(SIZES), "picture set differs: extra %s missing %s" %
         (sorted(have - set(SIZES)), sorted(set(SIZES) - have)))
    px = {}
    for name, (w, h) in SIZES.items():
        pw, ph, ctype, get = read_png(os.path.join(PIC_DIR, name + ".png"))
        need((pw, ph) == (w, h), "%s is %dx%d, need %dx%d" % (name, pw, ph, w, h))
        need(ctype == 2 and get is not None, "%s is not 8-bit opaque RGB" % name)
        px[name] = get
    g = px["Gorvak"]
    for r in range(80):
        x0, y0 = (r % 10) * GRID_PITCH + GRID_LEFT, (r // 10) * GRID_PITCH + GRID_TOP
        for y in range(32):
            for x in range(32):
                edge = x in (0, 31) or y in (0, 31)
                want = GRID_RED if edge else CELL_GREY
                if g(x0 + x, y0 + y) != want:
                    need(False, "Gorvak cell %d pixel (%d,%d) is %s" % (r, x, y, g(x0 + x, y0 + y)))
                    break
    need(all(g(x, y) != WHITE for y in range(480) for x in range(640)), "Gorvak background contains white")
    points = DOOR_POINTS
    stubs = {"N": (10, 14, 0, 6), "S": (10, 14, 25, 31), "W": (0, 6, 10, 14), "E": (25, 31, 10, 14)}
    for i, doors in enumerate(pictures.ROOM_DOORS):
        t = px["Room%02d" % i]
        need(t(0, 0) == WHITE, "Room%02d (0,0) not white" % i)
        for side, (x, y) in points.items():
            want = DOOR_RED if side in doors else WHITE
            need(t(x, y) == want, "Room%02d %s test point is %s" % (i, side, t(x, y)))
        for y in range(32):
            for x in range(32):
                if 7 <= x <= 24 and 7 <= y <= 24:
                    continue
                in_stub = any(side in doors and a <= x <= b and c <= y <= d
                              for side, (a, b, c, d) in stubs.items())
                if not in_stub and t(x, y) != WHITE:
                    need(False, "Room%02d (%d,%d) outside the body is not white" % (i, x, y))
    h0, h1 = px["Hall0"], px["Hall1"]
    need(h0(12, 0) != WHITE and h0(12, 20) != WHITE, "Hall0 corridor test points are white")
    need(h1(1, 12) != WHITE and h1(20, 12) != WHITE, "Hall1 corridor test points are white")
    need(h0(0, 19) == WHITE and h1(19, 0) == WHITE, "Hall outside test points are not white")
    need(all(h0(x, y) == WHITE for y in range(26) for x in range(32) if not 10 <= x <= 14),
         "Hall0 has paint outside its corridor")
    need(all(h1(x, y) == WHITE for y in range(32) for x in range(26) if not 10 <= y <= 14),
         "Hall1 has paint outside its corridor")


def verify_audio():
    have = {f[:-4] for f in os.listdir(AUDIO_DIR) if f.endswith(".wav")}
    need(have == set(MAX_MS), "sound set differs: %s" % sorted(have ^ set(MAX_MS)))
    loud = {}
    for name, ms in MAX_MS.items():
        with wave.open(os.path.join(AUDIO_DIR, name + ".wav")) as w:
            need((w.getnchannels(), w.getsampwidth(), w.getframerate()) == (1, 2, 22050),
                 "%s is not 22050 Hz mono 16-bit" % name)
            n = w.getnframes()
            data = w.readframes(n)
        need(0 < n * 1000 / 22050 <= ms, "%s lasts %d ms (max %d)" % (name, n * 1000 // 22050, ms))
        peak = max(abs(int.from_bytes(data[i:i + 2], "little", signed=True)) for i in range(0, len(data), 2))
        need(peak <= audio.CEILING * 32767 + 1, "%s peaks at %d, above -1 dBFS" % (name, peak))
        samples = [int.from_bytes(data[i:i + 2], "little", signed=True) / 32767 for i in range(0, len(data), 2)]
        loud[name] = audio.loudness_db(samples)
        print("  %-12s loudness %6.2f dBFS  peak %6.2f dBFS" % (name, loud[name], audio.peak_db(samples)))
        first = abs(int.from_bytes(data[0:2], "little", signed=True))
        last = abs(int.from_bytes(data[-2:], "little", signed=True))
        need(first < 200 and last < 200, "%s starts or ends with a click" % name)
    spread = max(loud.values()) - min(loud.values())
    print("  loudness spread %.2f dB; warning %.2f dB against the footstep"
          % (spread, loud["CheckStats"] - loud["Walk"]))
    need(spread <= 1.5, "effects differ by %.2f dB in loudness (at most 1.5)" % spread)
    need(loud["CheckStats"] <= loud["Walk"], "the warning is louder than the footstep")


def load_font_step():
    """The font step's module, which needs fontTools."""
    try:
        import fontTools  # noqa: F401
    except ImportError:
        # Debian's python3-fonttools serves the system interpreter only.
        if os.path.exists("/usr/bin/python3") and os.path.realpath(sys.executable) != os.path.realpath("/usr/bin/python3"):
            os.execv("/usr/bin/python3", ["/usr/bin/python3", os.path.abspath(__file__)] + sys.argv[1:])
        sys.exit("generate.py: the font step needs fontTools (run assets/generator/setup.sh)")
    import font
    return font


def main():
    print("pictures:", len(pictures.build_all(PIC_DIR)))
    print("icons:", len(icons.build_all()))
    print("sounds:", len(audio.build_all(AUDIO_DIR)))
    doors, items, dist = dungeon.build(os.path.join(ASSETS, "dungeon.txt"), os.path.join(ASSETS, "Dungeon.gvk"))
    z = items.index(7)
    print("dungeon: Gorvak in room %d, %d steps from the start" % (z, dist[z]))
    font = None if "--no-font" in sys.argv[1:] else load_font_step()
    if font:
        os.makedirs(FONT_DIR, exist_ok=True)
        wanted = font.wanted_codepoints(TS_FILES)
        for face, cps in wanted.items():
            font.build(face, cps, os.path.join(FONT_DIR, font.FACES[face][1]))
        font.write_licence("/usr/share/doc/fonts-noto-cjk/copyright", os.path.join(FONT_DIR, "LICENSE-OFL.txt"))

    verify_pictures()
    failures.extend(icons.verify())
    verify_audio()
    try:
        dungeon.verify_file(os.path.join(ASSETS, "Dungeon.gvk"))
    except dungeon.DungeonError as e:
        failures.append("Dungeon.gvk: %s" % e)
    if font:
        for face, cps in wanted.items():
            otf = os.path.join(FONT_DIR, font.FACES[face][1])
            try:
                fam = font.verify(face, otf, cps)
                print("font: %s, %d characters, %d bytes" % (fam, len(cps), os.path.getsize(otf)))
            except AssertionError as e:
                failures.append(str(e))
    if failures:
        for f in failures:
            print("FAILED:", f, file=sys.stderr)
        sys.exit(1)
    print("all checks passed")


if __name__ == "__main__":
    main()
