#!/usr/bin/env python3
"""The soak: the real game stormed with random input on real windows, as a
frantic player would give it, while a watcher checks that it stays alive and
answers, leaks nothing, keeps its memory flat and ends cleanly.

run.sh starts the private X server and sets the environment; this file runs
the storm and the TERM trials. Every choice comes from one seeded
random.Random, drawn the same way whatever the game does, so a seed replays
the same sequence of actions (where each lands depends on the windows open at
that moment; the game's own dice are its own).

usage: soak.py --exe PATH --scratch DIR [--seconds S | --actions N]
               [--term-trials N] [--seed N] [--hang-timeout S]
               [--sabotage stop|segv|abort]   (test of the watcher itself)
"""

import argparse
import hashlib
import os
import random
import shutil
import signal
import subprocess
import sys
import time

from Xlib import error as xerror

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xdriver import Screen, wait_until  # noqa: E402

# The main window's client area and its buttons (x, y, w, h).
MAIN_SIZE = (640, 481)
QUIT_BUTTON = (456, 416, 81, 33)  # 退出: pressed only at the end
# The version line opens the settings, whose zoom and full screen change the
# main window's size, which the storm's design coordinates do not follow.
VERSION_LINE = (536, 448, 123, 15)
MAIN_BUTTONS = [(72, 416, 81, 33), (168, 416, 81, 33), (264, 416, 129, 33)]
TOWN_BUTTONS = [(24, 168, 65, 33), (96, 168, 65, 33), (168, 168, 65, 33)]
# The other windows by client size: status, battle, discovery, the town's.
BUTTONS_BY_SIZE = {
    (202, 236): [(64, 184, 81, 33)],
    (202, 281): [(56, 232, 81, 33)],
    (199, 220): [(56, 168, 81, 33)],
    (254, 222): TOWN_BUTTONS, (253, 222): TOWN_BUTTONS,
    (252, 221): TOWN_BUTTONS, (252, 220): TOWN_BUTTONS,
}
SCREEN = (1600, 1200)
YELLOW = (255, 255, 0)

WALK_KEYS = ["Left", "Right", "Up", "Down", "w", "a", "s", "d"]
# Enter and Escape go only to the other windows: on the main window a
# focused 退出 could take them.
KEYS = WALK_KEYS + ["Return", "Escape"]

# Kinds of action and their weights.
ACTIONS = [
    ("neighbour", 24),  # a room beside the current one
    ("cell", 14),       # any map cell
    ("main", 5),        # anywhere in the main window but 退出
    ("button", 20),     # a button of any open window
    ("double", 6),
    ("burst", 6),
    ("key", 13),
    ("close", 6),       # WM_DELETE_WINDOW to a window other than the main one
    ("move", 2),        # the main window somewhere else
    ("idle", 4),        # let a pause or a fight run
]
TOTAL_WEIGHT = sum(w for _, w in ACTIONS)

PING_EVERY = 2.0
RSS_EVERY = 1.0
MAX_WINDOWS = 10  # more open at once means windows are piling up


class Failure(Exception):
    """The game failed a check; `kind` is crash, hung, sanitizer, ..."""

    def __init__(self, kind, text):
        super().__init__("%s: %s" % (kind, text))
        self.kind = kind


def room_corner(r):
    return (r % 10) * 44 + 106, (r // 10) * 44 + 50


def inside(rect, x, y, margin=0):
    rx, ry, rw, rh = rect
    return rx - margin <= x < rx + rw + margin and ry - margin <= y < ry + rh + margin


def is_main(win):
    return win.size == MAIN_SIZE



def current_room(data, w):
    """The room under the yellow marker circle, or None."""
    def yellow_near(x, y):
        for dy in (-1, 0, 1):
            for dx in (-1, 0, 1):
                o = ((y + dy) * w + x + dx) * 4
                if (data[o + 2], data[o + 1], data[o]) == YELLOW:
                    return True
        return False
    for r in range(80):
        cx, cy = room_corner(r)
        bx, by = cx - 4, cy - 4  # the circle is inscribed in a 42 x 40 box
        if all(yellow_near(x, y) for x, y in
               [(bx + 21, by + 1), (bx + 21, by + 38), (bx + 1, by + 20), (bx + 40, by + 20)]):
            return r
    return None


# ---------------------------------------------------------------- the game

class Game:
    """One run of the game in its own folder with its own sanitizer logs."""

    def __init__(self, exe, folder, screen, dungeon=None):
        self.folder = folder
        os.makedirs(folder)
        self.san = os.path.join(folder, "sanitizer")
        os.makedirs(self.san)
        if dungeon is None:
            shutil.copy(os.path.join(os.path.dirname(exe), "Dungeon.gvk"), folder)
        else:
            with open(os.path.join(folder, "Dungeon.gvk"), "wb") as f:
                f.write(dungeon)
        env = dict(os.environ)
        # Settings of its own: what one game saved never starts the next.
        env["XDG_CONFIG_HOME"] = os.path.join(folder, "config")
        os.makedirs(os.path.join(folder, "config", "gorvak"))
        open(os.path.join(folder, "config", "gorvak", "settings.ini"), "w").close()
        # A small quarantine: the allocator's hold on freed blocks must not
        # pass for growth of our own.
        env["ASAN_OPTIONS"] = ":".join(filter(None, [
            os.environ.get("ASAN_OPTIONS", ""), "log_path=%s/asan" % self.san,
            "detect_leaks=1", "quarantine_size_mb=16", "print_suppressions=0"]))
        env["UBSAN_OPTIONS"] = ":".join(filter(None, [
            os.environ.get("UBSAN_OPTIONS", ""), "log_path=%s/ubsan" % self.san,
            "print_stacktrace=1"]))
        env["LSAN_OPTIONS"] = ":".join(filter(None, [
            os.environ.get("LSAN_OPTIONS", ""), "log_path=%s/lsan" % self.san,
            "print_suppressions=0"]))
        self.log = open(os.path.join(folder, "game.log"), "wb")
        self.proc = subprocess.Popen([exe], cwd=folder, env=env, stdin=subprocess.DEVNULL,
                                     stdout=self.log, stderr=subprocess.STDOUT)
        self.started = time.monotonic()
        self.pid = self.proc.pid

    def status_line(self, name):
        try:
            with open("/proc/%d/status" % self.pid) as f:
                for line in f:
                    if line.startswith(name + ":"):
                        return line.split()[1:]
        except OSError:
            pass
        return None

    def rss_kib(self):
        v = self.status_line("VmRSS")
        return int(v[0]) if v else None

    def catches_term(self):
        v = self.status_line("SigCgt")
        return bool(v) and bool(int(v[0], 16) & (1 << (signal.SIGTERM - 1)))

    def wait(self, timeout):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def backtrace(self):
        try:
            r = subprocess.run(["gdb", "-nx", "-p", str(self.pid), "-batch",
                                "-ex", "thread apply all bt"],
                               stdout=subprocess.PIPE, stderr=subprocess.STDOUT, timeout=120)
            return r.stdout.decode(errors="replace")
        except (OSError, subprocess.TimeoutExpired) as e:
            return "(no backtrace: %s)" % e

    def kill(self):
        if self.proc.poll() is None:
            self.proc.kill()
            self.proc.wait()

    def close_log(self):
        self.log.close()

    def log_tail(self, lines=15):
        try:
            with open(self.log.name, "rb") as f:
                return b"\n".join(f.read().splitlines()[-lines:]).decode(errors="replace")
        except OSError:
            return ""

    def evidence(self):
        """What the game left behind: its output and any sanitizer report."""
        return "\n".join([self.log_tail()] + self.sanitizer_reports())

    def sanitizer_reports(self):
        found = []
        for name in sorted(os.listdir(self.san)):
            path = os.path.join(self.san, name)
            if os.path.getsize(path):
                with open(path, errors="replace") as f:
                    found.append("%s:\n%s" % (name, f.read()[:6000]))
        return found

    def describe_exit(self, rc):
        if rc is None:
            return "still running"
        if rc < 0:
            try:
                return "killed by %s" % signal.Signals(-rc).name
            except ValueError:
                return "killed by signal %d" % -rc
        return "exit status %d" % rc


# ---------------------------------------------------------------- the storm

def draw_action(rng):
    """The next action: its kind and its parameters. Always the same number of
    draws, so that the sequence depends on the seed alone."""
    pick = rng.random() * TOTAL_WEIGHT
    kind = ACTIONS[-1][0]
    for name, weight in ACTIONS:
        if pick < weight:
            kind = name
            break
        pick -= weight
    params = [rng.random() for _ in range(6)]
    # Mostly no time to think; now and then a breath.
    s = rng.random()
    if s < 0.88:
        pause = s / 0.88 * 0.03
    elif s < 0.98:
        pause = 0.03 + (s - 0.88) / 0.10 * 0.27
    else:
        pause = 0.3 + (s - 0.98) / 0.02 * 0.9
    return kind, params, pause


class Storm:
    def __init__(self, screen, game, rng, out):
        self.screen, self.game, self.rng, self.out = screen, game, rng, out
        self.count = 0
        self.aimed = 0  # neighbours aimed at from the marker seen on screen
        self.kinds = {}
        self.digest = hashlib.sha256()

    def main_window(self, wins):
        for w in wins:
            if is_main(w):
                return w
        return None

    @staticmethod
    def point_in(win, rect, a, b):
        rx, ry, rw, rh = rect
        return win.x + rx + 2 + int(a * (rw - 4)), win.y + ry + 2 + int(b * (rh - 4))

    def cell_point(self, main, room, a, b):
        cx, cy = room_corner(room)
        return main.x + cx + 2 + int(a * 28), main.y + cy + 2 + int(b * 28)

    def button_point(self, win, p):
        """A point on one of the window's buttons, or anywhere in it (lower
        half preferred: that is where the unknown windows keep theirs)."""
        buttons = MAIN_BUTTONS if is_main(win) else BUTTONS_BY_SIZE.get((win.w, win.h))
        if buttons and p[2] < 0.85:
            rect = buttons[int(p[1] * len(buttons))]
            return self.point_in(win, rect, p[3], p[4])
        return win.x + int(p[3] * win.w), win.y + int(win.h * (0.3 + 0.7 * p[4]))

    def map_point(self, wins, kind, p):
        main = self.main_window(wins)
        if main is None:
            return None
        if kind == "neighbour":
            room = None
            try:
                if main.x >= 0 and main.y >= 0 and main.x + main.w <= SCREEN[0] \
                        and main.y + main.h <= SCREEN[1]:
                    room = current_room(self.screen.image(main.id, main.w, main.h).data, main.w)
            except xerror.XError:
                room = None
            if room is not None:
                self.aimed += 1
                dx, dy = [(0, -1), (1, 0), (0, 1), (-1, 0)][int(p[0] * 4)]
                # Off the map's edge is still a click on the window.
                cx = (room % 10 + dx) * 44 + 106
                cy = (room // 10 + dy) * 44 + 50
                return main.x + cx + 2 + int(p[1] * 28), main.y + cy + 2 + int(p[2] * 28)
        return self.cell_point(main, int(p[3] * 80), p[1], p[2])

    def spare(self, wins, pt):
        """Moves a point off the version line, then off 退出 (a click beside
        the map's bottom row, on a button, anywhere): 退出 is for the end only."""
        main = self.main_window(wins)
        if main is None:
            return pt
        x, y = pt
        if inside(VERSION_LINE, x - main.x, y - main.y, 3):
            x -= 140
        if inside(QUIT_BUTTON, x - main.x, y - main.y, 3):
            x -= 120
        return x, y

    def run_one(self):
        kind, p, pause = draw_action(self.rng)
        self.count += 1
        self.kinds[kind] = self.kinds.get(kind, 0) + 1
        self.digest.update(("%s %s %.6f\n" % (kind, " ".join("%.6f" % v for v in p), pause))
                           .encode())
        note = self.act(kind, p)
        self.out.write("%d %s %s -> %s\n" % (self.count, kind,
                                             " ".join("%.3f" % v for v in p), note))
        time.sleep(pause)
        return kind

    def act(self, kind, p):
        s = self.screen
        wins = s.windows(pid=self.game.pid)
        if not wins:
            return "no window"
        pick = wins[int(p[0] * len(wins))]
        if kind in ("neighbour", "cell"):
            pt = self.map_point(wins, kind, p)
            if pt is None:
                return "no main window"
            pt = self.spare(wins, pt)
            s.click(*pt)
            return "click %d,%d" % pt
        if kind == "main":
            main = self.main_window(wins)
            if main is None:
                return "no main window"
            x, y = self.spare(wins, (main.x + int(p[1] * main.w), main.y + int(p[2] * main.h)))
            s.click(x, y)
            return "click %d,%d" % (x, y)
        if kind == "button":
            pt = self.spare(wins, self.button_point(pick, p))
            s.click(*pt)
            return "click %d,%d" % pt
        if kind == "double":
            pt = self.map_point(wins, "cell", p) if p[5] < 0.5 else self.button_point(pick, p)
            if pt is None:
                return "no main window"
            pt = self.spare(wins, pt)
            s.click(*pt, gap=0.02 + p[5] * 0.1, times=2)
            return "double %d,%d" % pt
        if kind == "burst":
            sub = random.Random(int(p[5] * 2 ** 32))
            n = 3 + int(p[4] * 6)
            for _ in range(n):
                q = [sub.random() for _ in range(6)]
                wins = s.windows(pid=self.game.pid)
                if not wins:
                    break
                if q[5] < 0.5:
                    pt = self.map_point(wins, "neighbour" if q[4] < 0.5 else "cell", q)
                else:
                    pt = self.button_point(wins[int(q[0] * len(wins))], q)
                if pt is not None:
                    s.click(*self.spare(wins, pt))
                time.sleep(q[4] * 0.03)
            return "burst of %d" % n
        if kind == "key":
            name = KEYS[int(p[1] * len(KEYS))]
            if is_main(pick) and name not in WALK_KEYS:
                name = WALK_KEYS[int(p[2] * len(WALK_KEYS))]
            if name in WALK_KEYS and p[3] >= 0.7:
                s.key(name)  # wherever the keyboard is now
                return "key %s" % name
            if not s.focus(pick.id, 0.1) and name not in WALK_KEYS:
                return "key %s skipped: the window lost the focus" % name
            s.key(name)
            return "key %s to %dx%d" % (name, pick.w, pick.h)
        if kind == "close":
            others = [w for w in wins if not is_main(w)]
            if not others:
                return "nothing to close"
            w = others[int(p[1] * len(others))]
            s.close(w.id)
            return "close %dx%d" % (w.w, w.h)
        if kind == "move":
            main = self.main_window(wins)
            if main is None:
                return "no main window"
            x, y = int(p[1] * 600), int(p[2] * 500)
            s.move(main.id, x, y)
            return "move to %d,%d" % (x, y)
        if kind == "idle":
            time.sleep(0.3 + p[1] * 1.7)
            return "idle"
        return "?"


class Watch:
    """Liveness, memory and window count while the storm runs."""

    def __init__(self, screen, game, hang_timeout):
        self.screen, self.game, self.hang_timeout = screen, game, hang_timeout
        self.serial = 0
        self.sent = None  # (serial, when) of the ping not yet answered
        self.last_ping = 0.0
        self.pings = self.answered = 0
        self.slowest = 0.0
        self.rss = []  # (seconds since start, KiB)
        self.last_rss = 0.0
        self.peak_windows = 0

    def tick(self):
        game = self.game
        rc = game.proc.poll()
        if rc == 0:
            raise Failure("quit", "the game quit by itself during the storm\n"
                          + game.evidence())
        if rc is not None:
            raise Failure("crash", "the game ended during the storm: %s\n%s"
                          % (game.describe_exit(rc), game.evidence()))
        now = time.monotonic()
        answered = self.screen.pongs()
        if self.sent and self.sent[0] in answered:
            self.answered += 1
            self.slowest = max(self.slowest, now - self.sent[1])
            self.sent = None
        if self.sent and now - self.sent[1] > self.hang_timeout:
            trace = game.backtrace()
            raise Failure("hung", "no answer to a ping for %.1f s; backtrace:\n%s"
                          % (now - self.sent[1], trace))
        if self.sent is None and now - self.last_ping >= PING_EVERY:
            wins = self.screen.windows(pid=game.pid)
            main = next((w for w in wins if is_main(w)), None)
            if main is not None:
                self.serial += 1
                self.screen.ping(main.id, self.serial)
                self.sent = (self.serial, now)
                self.last_ping = now
                self.pings += 1
                self.peak_windows = max(self.peak_windows, len(wins))
                if len(wins) > MAX_WINDOWS:
                    raise Failure("windows", "%d windows open at once" % len(wins))
        if now - self.last_rss >= RSS_EVERY:
            kib = game.rss_kib()
            if kib:
                self.rss.append((now - game.started, kib))
            self.last_rss = now

    def memory_verdict(self):
        """(text, ok): start, end and peak resident memory, and whether it
        stayed flat: the last tenth of the run against the second fifth (the
        first is start-up and the first walks)."""
        if len(self.rss) < 10:
            return "memory: too few samples", True
        values = [k for _, k in self.rss]
        n = len(values)

        def median(xs):
            xs = sorted(xs)
            return xs[len(xs) // 2]
        early = median(values[n // 5: max(n // 5 + 1, 2 * n // 5)])
        late = median(values[n - max(1, n // 10):])
        growth = late - early
        limit = max(16 * 1024, early // 5)
        text = ("memory (VmRSS): start %.1f MiB, after warm-up %.1f MiB, end %.1f MiB, "
                "peak %.1f MiB, growth %+.1f MiB (limit %.1f); by tenths: %s"
                % (values[0] / 1024, early / 1024, late / 1024, max(values) / 1024,
                   growth / 1024, limit / 1024,
                   " ".join("%.0f" % (values[min(n - 1, n * i // 10)] / 1024)
                            for i in range(1, 11))))
        return text, growth <= limit


def check_end(screen, game, rc, what):
    """After an exit: status 0, no sanitizer report, no window left."""
    if rc is None:
        wins = ", ".join("%dx%d at %d,%d" % (w.w, w.h, w.x, w.y)
                         for w in screen.windows(pid=game.pid))
        trace = game.backtrace()
        game.kill()
        raise Failure("hung", "%s: still running 10 s later with windows %s; backtrace:\n%s"
                      % (what, wins or "none", trace))
    if rc != 0:
        raise Failure("crash", "%s: %s\n%s" % (what, game.describe_exit(rc), game.evidence()))
    reports = game.sanitizer_reports()
    if reports:
        raise Failure("sanitizer", "%s: sanitizer report(s):\n%s" % (what, "\n".join(reports)))
    left = wait_until(lambda: not screen.windows(), 3)
    if not left:
        raise Failure("windows", "%s: %d window(s) left after the exit"
                      % (what, len(screen.windows())))


def wait_main(screen, game, timeout=60):
    def ready():
        if game.proc.poll() is not None:
            return "exit"
        return any(is_main(w) for w in screen.windows(pid=game.pid))
    got = wait_until(ready, timeout, 0.05)
    if got == "exit":
        raise Failure("crash", "ended before its window showed: %s\n%s"
                      % (game.describe_exit(game.proc.returncode), game.evidence()))
    if not got:
        trace = game.backtrace()
        raise Failure("hung", "no main window after %d s; backtrace:\n%s" % (timeout, trace))


def close_others(screen, game):
    """One round of closing every window but the main one, top first: one
    may refuse while another is modal, so each gets its turn."""
    others = [w for w in screen.windows(pid=game.pid) if not is_main(w)]
    for w in reversed(others):
        screen.close(w.id)
        time.sleep(0.1)
        if w.id not in [v.id for v in screen.windows(pid=game.pid)]:
            continue
        # Some windows ignore the close box: their own button, or Enter.
        bx = BUTTONS_BY_SIZE.get((w.w, w.h))
        if bx and len(bx) == 1:
            screen.click(*Storm.point_in(w, bx[0], 0.5, 0.5))
        else:
            if screen.focus(w.id, 0.1):
                screen.key("Return")
        time.sleep(0.2)
    return bool(others)


def quit_game(screen, game, watch):
    """Closes what is open, then 退出. A fight goes on meanwhile and shows the
    status as it goes, a modal window that holds 退出 back; so closing and
    退出 are repeated, and after 3 s the main window's close box is tried
    too. Returns the exit status (None: still running 10 s after the first
    退出) and how long the quit took."""
    end = time.monotonic() + 8
    while time.monotonic() < end:
        watch.tick()
        if not close_others(screen, game):
            break
    asked = time.monotonic()
    while True:
        main = next((w for w in screen.windows(pid=game.pid) if is_main(w)), None)
        if main is not None:
            screen.click(*Storm.point_in(main, QUIT_BUTTON, 0.5, 0.5))
        rc = game.wait(0.7)
        took = time.monotonic() - asked
        if rc is not None or took > 10:
            return rc, took
        close_others(screen, game)
        if main is not None and took > 3:
            screen.close(main.id)


# ----------------------------------------------------------------- the runs

def soak(args, screen, rng, folder):
    game = Game(args.exe, folder, screen)
    storm = watch = None
    try:
        with open(os.path.join(folder, "actions.log"), "w") as out:
            wait_main(screen, game)
            watch = Watch(screen, game, args.hang_timeout)
            storm = Storm(screen, game, rng, out)
            start = time.monotonic()
            sabotage_at = start + args.seconds / 2
            sabotaged = False
            while True:
                if args.actions:
                    if storm.count >= args.actions:
                        break
                elif time.monotonic() - start >= args.seconds:
                    break
                watch.tick()
                if args.sabotage and not sabotaged and time.monotonic() >= sabotage_at:
                    sig = {"stop": signal.SIGSTOP, "segv": signal.SIGSEGV,
                           "abort": signal.SIGABRT}[args.sabotage]
                    print("  sabotage: %s sent to the game" % sig.name, flush=True)
                    os.kill(game.pid, sig)
                    sabotaged = True
                storm.run_one()
            stormed = time.monotonic() - start
            watch.tick()
            rc, took = quit_game(screen, game, watch)
            check_end(screen, game, rc, "quitting at the end")
        mem, flat = watch.memory_verdict()
        with open(os.path.join(folder, "memory.tsv"), "w") as f:
            f.write("".join("%.1f\t%d\n" % sample for sample in watch.rss))
        print("  %d actions in %.0f s, %.1f a second (%s); sequence %s" % (
            storm.count, stormed, storm.count / max(stormed, 0.001),
            ", ".join("%s %d" % (k, storm.kinds.get(k, 0)) for k, _ in ACTIONS),
            storm.digest.hexdigest()[:16]), flush=True)
        print("  %d clicks aimed beside the room under the marker" % storm.aimed, flush=True)
        print("  pings %d, all answered, slowest %.0f ms; at most %d windows at once; "
              "quit took %.2f s" % (watch.pings, watch.slowest * 1000, watch.peak_windows, took),
              flush=True)
        print("  " + mem, flush=True)
        if not flat:
            raise Failure("memory", "resident memory grew over the run: " + mem)
    except Failure:
        if storm is not None:
            print("  failed after %d actions: --seed %d --actions %d replays them"
                  % (storm.count, args.seed, storm.count), flush=True)
        raise
    finally:
        if game.proc.poll() is None:
            os.kill(game.pid, signal.SIGCONT)
        game.kill()
        game.close_log()


def handler_order(args, screen, folder):
    """The quit signals are caught before the application object exists:
    stopped at QApplication's constructor, the game must already catch them."""
    os.makedirs(folder)
    shutil.copy(os.path.join(os.path.dirname(args.exe), "Dungeon.gvk"), folder)
    script = ("python import gdb\n"
              "python pid = gdb.selected_inferior().pid\n"
              "python print('SigCgt=' + [l for l in open('/proc/%d/status' % pid)"
              " if l.startswith('SigCgt')][0].split()[1])\n")
    with open(os.path.join(folder, "order.gdb"), "w") as f:
        f.write(script)
    env = dict(os.environ, ASAN_OPTIONS="detect_leaks=0")
    r = subprocess.run(["gdb", "-nx", "-batch", "-ex", "set breakpoint pending on",
                        "-ex", "set auto-load off",
                        "-ex", "break QApplication::QApplication", "-ex", "run",
                        "-x", os.path.join(folder, "order.gdb"), "-ex", "kill", args.exe],
                       cwd=folder, env=env, stdout=subprocess.PIPE, stderr=subprocess.STDOUT,
                       stdin=subprocess.DEVNULL, timeout=180)
    text = r.stdout.decode(errors="replace")
    mask = None
    for line in text.splitlines():
        if line.startswith("SigCgt="):
            mask = int(line[len("SigCgt="):], 16)
    if mask is None:
        raise Failure("setup", "gdb did not stop the game at QApplication:\n" + text[-2000:])
    missing = [s.name for s in (signal.SIGINT, signal.SIGTERM, signal.SIGHUP)
               if not mask & (1 << (s - 1))]
    if missing:
        raise Failure("early-signal", "when the application object is made, %s still "
                      "end the game by the signal" % ", ".join(missing))
    wait_until(lambda: not screen.windows(), 3)


def term_trial(args, screen, rng, folder, index):
    """One game ended by a signal at a random moment: the odd ones in
    start-up (0-200 ms after the game can first see the signal: the
    application object, font, pictures, style, windows), the even ones
    mid-game, after a short storm."""
    startup = index % 2 == 0
    delay = rng.random() * (0.2 if startup else 4.5) + (0 if startup else 0.3)
    pick = rng.random()
    sig = signal.SIGTERM if pick < 0.6 else (signal.SIGINT if pick < 0.8 else signal.SIGHUP)
    storm_seed = rng.getrandbits(32)
    game = Game(args.exe, folder, screen)
    note = ""
    try:
        if startup:
            # Loading the libraries and the sanitizer runtime comes before
            # any of our code can run: measured from when the game catches it.
            if not wait_until(game.catches_term, 60, 0.0005):
                rc = game.proc.poll()
                raise Failure("early-signal", "the game never caught %s (%s)"
                              % (sig.name, game.describe_exit(rc)))
            caught = time.monotonic() - game.started
            time.sleep(delay)
            note = "%s %.0f ms after it was caught (%.0f ms after exec)" % (
                sig.name, delay * 1000, (caught + delay) * 1000)
        else:
            wait_main(screen, game)
            with open(os.path.join(folder, "actions.log"), "w") as out:
                storm = Storm(screen, game, random.Random(storm_seed), out)
                watch = Watch(screen, game, args.hang_timeout)
                end = time.monotonic() + delay
                while time.monotonic() < end:
                    watch.tick()
                    storm.run_one()
            note = "%s after %.1f s and %d actions" % (sig.name, delay, storm.count)
        if game.proc.poll() is not None:
            raise Failure("crash", "ended before the signal: %s\n%s"
                          % (game.describe_exit(game.proc.returncode), game.evidence()))
        os.kill(game.pid, sig)
        rc = game.wait(10)
        check_end(screen, game, rc, note)
        return note
    finally:
        game.kill()
        game.close_log()


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--exe", required=True)
    ap.add_argument("--scratch", required=True)
    ap.add_argument("--seconds", type=float, default=60)
    ap.add_argument("--actions", type=int, default=0,
                    help="run exactly this many actions instead (replays a run)")
    ap.add_argument("--term-trials", type=int, default=10)
    ap.add_argument("--seed", type=int)
    ap.add_argument("--hang-timeout", type=float, default=15)
    ap.add_argument("--sabotage", choices=["stop", "segv", "abort"],
                    help="test of the watcher: freeze or crash the game mid-soak")
    args = ap.parse_args()
    args.exe = os.path.abspath(args.exe)
    if args.seed is None:
        args.seed = random.SystemRandom().randrange(10 ** 9)
    seed = args.seed
    print("seed %d (replay: --seed %d)" % (seed, seed), flush=True)
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    screen = Screen()
    passed = failed = 0

    def record(name, body):
        nonlocal passed, failed
        t0 = time.monotonic()
        try:
            note = body()
            print("PASS %s (%.1f s)%s" % (name, time.monotonic() - t0,
                                          ": " + note if note else ""), flush=True)
            passed += 1
        except Failure as e:
            print("FAIL %s: %s" % (name, e), flush=True)
            failed += 1
        except (OSError, subprocess.SubprocessError, xerror.XError) as e:
            print("FAIL %s: setup: %r" % (name, e), flush=True)
            failed += 1

    if args.seconds > 0 or args.actions:
        rng = random.Random(seed)
        record("soak", lambda: soak(args, screen, rng, os.path.join(args.scratch, "soak")))
    if args.term_trials > 0:
        if shutil.which("gdb"):
            record("signal-before-qapplication",
                   lambda: handler_order(args, screen, os.path.join(args.scratch, "order")))
        trial_rng = random.Random(seed ^ 0x5EED)
        for i in range(args.term_trials):
            record("term-%d" % (i + 1),
                   lambda i=i: term_trial(args, screen, trial_rng,
                                          os.path.join(args.scratch, "term-%d" % (i + 1)), i))
    print("%d passed, %d failed" % (passed, failed), flush=True)
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
