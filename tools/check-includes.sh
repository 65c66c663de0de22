#!/usr/bin/env bash
# Fails when the code's dependency direction is broken:
#   - a rules or game-state file includes Qt, SDL, ui/qt, ui/fake or a window
#     (frm*) header;
#   - ui/ or sound/ includes anything of the game (core/ or the rule folders);
#   - the libraries include each other in a circle;
#   - a window's source (frm*.cpp) defines methods of a class but its own
#     (frmGorvak's own files are named frmGorvak*.cpp).
# The libraries, one way only: state <- rules <- windows <- app, with ui/ and
# sound/ beneath them all. The windows' sources sit in their subsystem's
# folder; what belongs to the windows library is what the build adds to it
# (target_sources of gorvak_windows), a header with the source of its name.
set -euo pipefail
cd "$(dirname "$0")/.."
exec python3 - "$@" <<'PY'
import os, re, sys

RULE_FOLDERS = ("dungeon", "exploration", "combat", "town")

# The windows library's sources, as the build lists them.
WINDOWS = set()
for folder in ("core",) + RULE_FOLDERS:
    with open(os.path.join(folder, "CMakeLists.txt"), encoding="utf-8") as f:
        for body in re.findall(r"target_sources\(\s*gorvak_windows\s+PRIVATE([^)]*)\)", f.read()):
            WINDOWS.update(os.path.join(folder, name) for name in body.split())


def is_window(path):
    return os.path.splitext(path)[0] + ".cpp" in WINDOWS


def unit(path):
    folder, name = (path.split("/", 1) + [""])[:2]
    if path.startswith("ui/qt/"):
        return "ui/qt"
    if path.startswith("ui/fake/"):
        return "ui/fake"
    if folder in ("ui", "app", "tools"):
        return folder
    if folder == "sound":
        return "sound/fake" if name.startswith("fake/") else "sound"
    if folder == "core" or folder in RULE_FOLDERS:
        if is_window(path):
            return "windows"
        return "state" if folder == "core" else "rules:" + folder
    return None  # tests, benchmarks, the fuzzer: free to include anything


INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
files = {}
for top in ("core", "dungeon", "exploration", "combat", "town", "ui", "sound", "app", "tools"):
    for root, _, names in os.walk(top):
        for n in names:
            if n.endswith((".h", ".cpp")):
                p = os.path.join(root, n)
                with open(p, encoding="utf-8") as f:
                    files[p] = INCLUDE.findall(f.read())

faults = []
edges = {}
for path, includes in sorted(files.items()):
    u = unit(path)
    for kind, inc in includes:
        if u == "state" or u.startswith("rules:"):
            bad = (kind == "<" and re.match(r"(Q|SDL)", inc)) or \
                  inc.startswith(("ui/qt/", "ui/fake/", "app/", "sound/Device", "sound/Fake")) or \
                  is_window(inc)
            if bad:
                faults.append(f"{path}: a rules file includes {inc}")
        if u in ("ui", "ui/qt", "ui/fake", "sound", "sound/fake"):
            if inc.split("/")[0] in ("core", "app") + RULE_FOLDERS:
                faults.append(f"{path}: the {u.split('/')[0]} seam includes the game's {inc}")
        if kind == '"' and os.path.exists(inc):
            v = unit(inc)
            if v and v != u:
                edges.setdefault(u, set()).add(v)

# A window's source holds its own class's bodies and no other's.
DEFINITION = re.compile(r"^(?=\S)[^=(]*?\b(\w+)::~?\w+\(", re.M)
for path in sorted(WINDOWS):
    name = os.path.basename(path)
    if not name.startswith("frm"):
        continue
    own = "frmGorvak" if name.startswith("frmGorvak") else os.path.splitext(name)[0]
    with open(path, encoding="utf-8") as f:
        for cls in sorted(set(DEFINITION.findall(f.read())) - {own}):
            faults.append(f"{path}: defines methods of {cls}, not only of {own}")

# A circle between units: depth-first search for a back edge.
state = {}
def visit(u, trail):
    state[u] = 1
    for v in sorted(edges.get(u, ())):
        if state.get(v) == 1:
            faults.append("include circle: " + " -> ".join(trail[trail.index(v):] + [v]))
        elif v not in state:
            visit(v, trail + [v])
    state[u] = 2
for u in sorted(edges):
    if u not in state:
        visit(u, [u])

if "--graph" in sys.argv:
    for u in sorted(edges):
        print(f"{u} -> {', '.join(sorted(edges[u]))}")
for f in faults:
    print(f, file=sys.stderr)
sys.exit(1 if faults else 0)
PY
