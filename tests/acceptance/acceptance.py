#!/usr/bin/env python3
"""Real-window acceptance cases: the real gorvak on the X server in $DISPLAY,
driven by real X input (xdotool/XTEST) and read back from real screenshots.

run.sh starts the private X server and sets the environment; this file runs
the cases, one fresh game in one fresh working folder each.

usage: acceptance.py <path-to-gorvak> <scratch-folder>
"""

import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from xdriver import Screen, wait_until  # noqa: E402
from Xlib import error as xerror  # noqa: E402

TITLE = "PELLAMORN的一生外傳[RPG版]"
TITLE_RE = "^" + re.escape(TITLE) + "$"
BOX_TITLE = "Gorvak"
BOX_RE = "^Gorvak$"

MAIN_POS = (13, 13)
MAIN_SIZE = (640, 481)
STATUS_SIZE = (202, 236)
BATTLE_SIZE = (202, 281)
DISCOVERY_SIZE = (199, 220)
HUB_SIZE = (254, 222)
HEALTH_SIZE = (253, 222)
CARD_SIZE = (640, 552)

WHITE = (255, 255, 255)
YELLOW = (255, 255, 0)
DOOR_RED = (255, 85, 85)
EMPTY_EDGE = (168, 0, 0)
EMPTY_GREY = (168, 168, 168)

# Door test points inside a room tile, relative to its corner.
DOOR_POINTS = {"N": (12, 1), "E": (26, 12), "S": (12, 25), "W": (1, 12)}
SHAPES = {"N": 1, "E": 2, "S": 3, "W": 4, "NE": 5, "NS": 6, "NW": 7, "ES": 8,
          "EW": 9, "SW": 10, "NES": 11, "NEW": 12, "NSW": 13, "ESW": 14, "NESW": 15}

# Buttons, client rectangles (x, y, w, h).
CMD_SHOP = (72, 416, 81, 33)
CMD_STATUS = (264, 416, 129, 33)
CMD_QUIT = (456, 416, 81, 33)
STATUS_OK = (64, 184, 81, 33)
TOWN_LEFT = (24, 168, 65, 33)
TOWN_RIGHT = (168, 168, 65, 33)

EXE = None
SCRATCH = None
X = None
main_window = None
FAILDIR = os.path.join(os.getcwd(), "acceptance-failures")


class CaseFailure(Exception):
    pass


def check(cond, why):
    if not cond:
        raise CaseFailure(why)


# ---------------------------------------------------------------- X helpers

def search(regex, visible=True):
    return [w.id for w in X.windows(name=regex, viewable=visible)]


def as_tuple(w):
    return w and (w.x, w.y, w.w, w.h, w.viewable)


def geometry(win):
    """(x, y, w, h, viewable) of a window, or None when it is gone."""
    return as_tuple(X.geometry(win))


def title_problem(win, expected, what):
    wm, net = X.names(win)
    if wm == expected and net == expected:
        return None
    return "%s title is WM_NAME=%r _NET_WM_NAME=%r, want %r" % (what, wm, net, expected)


def check_title(win, expected, what):
    problem = title_problem(win, expected, what)
    check(problem is None, problem)


def visible_windows(regex, size=None):
    return [(w.id, as_tuple(w)) for w in X.windows(name=regex, size=size)]


def Shot(window=None):
    """A screenshot of the main window, or of `window` ("root": the screen)."""
    try:
        return X.image(None if window == "root" else window or main_window)
    except xerror.XError as e:
        raise CaseFailure("no screenshot: %s" % e)


def settled(checks, timeout=2.0):
    """Runs checks(shot) on fresh screenshots until it passes: what is on
    screen may lag a moment behind the game. The last failure stands."""
    end = time.monotonic() + timeout
    while True:
        shot = Shot()
        try:
            checks(shot)
            return shot
        except CaseFailure:
            if time.monotonic() >= end:
                raise
        time.sleep(0.1)


def click_client(x, y, origin=None):
    origin = origin or geometry(main_window)  # below a window manager's title bar
    X.click(origin[0] + x, origin[1] + y)


def click_button(rect, origin=None):
    click_client(rect[0] + rect[2] // 2, rect[1] + rect[3] // 2, origin)


def press_keys(win, *keys):
    """Real key presses into a window that has the focus as a window manager
    would give it."""
    X.focus(win)
    for k in keys:
        X.key(k)


def press_return(win):
    press_keys(win, "Return")


def wait_front(game, find, what, timeout=5):
    """Waits for the window find() lists, then until the player can see and
    use it: the topmost and active one of the game's, and the one a click at
    its centre reaches. Returns (window, geometry)."""
    found = wait_until(lambda: find() or (game.proc.poll() is not None and "exit"), timeout)
    check(found and found != "exit", "no %s" % what + game.exit_note())
    win, seen = found[0][0], {}

    def front():
        g = seen["geometry"] = geometry(win)
        if not g:
            return False
        ours = search(TITLE_RE + "|" + BOX_RE)
        seen["stack"] = [w for w in X.stacking() if w in ours]
        seen["active"] = X.active()
        X.point(g[0] + g[2] // 2, g[1] + g[3] // 2)
        seen["under"] = under = X.under_pointer(win)
        return seen["stack"][-1:] == seen["active"] == [win] and under
    check(wait_until(front, 3), "the %s %d is not in front: %s" % (what, win, seen))
    return win, seen["geometry"]


# ----------------------------------------------------------------- dungeons

def room_corner(r):
    return (r % 10) * 44 + 106, (r // 10) * 44 + 50


def dungeon_bytes(rooms, items=None):
    """rooms: {room: "NESW letters"}; items: {room: code}."""
    shapes = [0] * 80
    for r, doors in rooms.items():
        shapes[r] = SHAPES[doors]
    codes = [0] * 80
    for r, code in (items or {}).items():
        codes[r] = code
    return struct.pack("<80h", *shapes) + struct.pack("<80h", *codes)


# Three rooms: the start (45) with doors south and west, a dead end each way.
WALK_ROOMS = {45: "SW", 55: "N", 44: "E"}


# --------------------------------------------------------------- the game

class Game:
    def __init__(self, name, dungeon=None, exe=None, config=None, first_start=False):
        self.cwd = tempfile.mkdtemp(prefix="case-", dir=SCRATCH)
        self.config = config or os.path.join(self.cwd, "config")
        if not (config or first_start):  # a returning player's: no card at the start
            os.makedirs(os.path.join(self.config, "gorvak"))
            shutil.copy(os.devnull, os.path.join(self.config, "gorvak", "settings.ini"))
        path = os.path.join(self.cwd, "Dungeon.gvk")
        if dungeon is None:
            shutil.copy(os.path.join(os.path.dirname(EXE), "Dungeon.gvk"), path)
        else:
            with open(path, "wb") as f:
                f.write(dungeon)
        self.log = open(os.path.join(self.cwd, "gorvak.log"), "wb")
        self.proc = subprocess.Popen([exe or EXE], cwd=self.cwd, stdin=subprocess.DEVNULL,
                                     stdout=self.log, stderr=subprocess.STDOUT,
                                     env=dict(os.environ, XDG_CONFIG_HOME=self.config))
        self.name = name
        self.main = None

    def exited(self, timeout):
        try:
            return self.proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            return None

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            if self.exited(2) is None:
                self.proc.kill()
                self.proc.wait()
        self.log.close()

    def wait_main(self, timeout=10):
        found = wait_until(lambda: visible_windows(TITLE_RE) or
                           (self.proc.poll() is not None and "exit"), timeout)
        check(found and found != "exit",
              "main window never appeared" + self.exit_note())
        check(len(found) == 1, "%d windows with the game's title at start" % len(found))
        global main_window
        self.main = main_window = found[0][0]
        return found[0]

    def wait_ready(self):
        """Main window up, start room drawn, start-up shuffle over."""
        self.wait_main()

        def start_room_drawn():
            s = Shot()
            x, y = room_corner(45)
            return s.at(x, y) == WHITE and s.near(343, 222, YELLOW)
        check(wait_until(start_room_drawn, 10, 0.1), "start room never drawn")
        # The shuffle blinks with the map and buttons dead, longer on a busy
        # machine: until the buttons come alive.
        settled(main_buttons_enabled, 10)
        check(self.proc.poll() is None, "game ended by itself" + self.exit_note())
        self.front()

    def front(self):
        """The main window is what the player sees and types into."""
        wait_front(self, lambda: visible_windows(TITLE_RE, MAIN_SIZE), "main window")

    def exit_note(self):
        rc = self.proc.poll()
        return "" if rc is None else " (game exited with %d)" % rc


def wait_box(game, timeout=5):
    return wait_front(game, lambda: visible_windows(BOX_RE), "message box", timeout)


def check_marker(s, box_x, box_y, what):
    # The marker circle is inscribed in a 42 x 40 box: test its four extremes.
    points = [(box_x + 21, box_y), (box_x + 21, box_y + 39), (box_x, box_y + 20),
              (box_x + 41, box_y + 20)]
    for x, y in points:
        check(s.near(x, y, YELLOW), "%s: no yellow marker outline near (%d,%d), got %s"
              % (what, x, y, s.at(x, y)))


def check_doors(s, room, doors, covered=""):
    """Doors red and walls white at the test points; a door under a drawn
    hallway only needs to be not white, which is all the walking rule reads."""
    cx, cy = room_corner(room)
    for side, (dx, dy) in DOOR_POINTS.items():
        got = s.at(cx + dx, cy + dy)
        if side in covered:
            ok, want = got != WHITE, "not white"
        else:
            want = DOOR_RED if side in doors else WHITE
            ok = got == want
        check(ok, "room %d %s test point (%d,%d) is %s, want %s"
              % (room, side, cx + dx, cy + dy, got, want))


def check_exit(game, want_zero, timeout, what):
    rc = game.exited(timeout)
    check(rc is not None, "%s: still running %.1f s later" % (what, timeout))
    if want_zero:
        check(rc == 0, "%s: exit status %d, want 0" % (what, rc))
    else:
        check(rc > 0, "%s: exit status %d, want a non-zero status from a normal exit"
              % (what, rc))
    left = search(TITLE_RE, visible=False) + search(BOX_RE, visible=False)
    check(not left, "windows left after exit: %s" % left)


# ------------------------------------------------------------------ cases

def case_title_and_size(game):
    win, (_, _, w, h, _) = game.wait_main()
    check((w, h) == MAIN_SIZE, "client %dx%d, want 640x481" % (w, h))
    check(wait_until(lambda: X.outer_corner(win) == MAIN_POS, 3),
          "window at %s, want (13,13)" % (X.outer_corner(win),))
    check_title(win, TITLE, "main window")
    # Run from the build folder, with no desktop entry: the icon is the game's own.
    icon = X.icon_sizes(win)
    check((64, 64) in icon, "main window has no 64 x 64 icon: %r" % icon)


def case_start_room(game):
    game.wait_ready()

    def start_room(s):
        cx, cy = room_corner(45)
        check(s.at(cx, cy) == WHITE, "room 45 corner is %s, not white" % (s.at(cx, cy),))
        check_marker(s, 322, 222, "start")
        check_doors(s, 45, "SW")  # the shipped dungeon's start room
        for r in range(80):
            if r == 45:
                continue
            x, y = room_corner(r)
            check(s.at(x, y) == EMPTY_EDGE and s.at(x + 10, y + 10) == EMPTY_GREY,
                  "room %d is not an unvisited cell: %s / %s"
                  % (r, s.at(x, y), s.at(x + 10, y + 10)))
    settled(start_room)


def hallway_problem(s):
    """Why the piece between 45 and 55 is not there: it is white beside the
    corridor strip (x 10..14 of the tile) and not white on it."""
    for y in range(252, 266):  # above the marker circle, which crosses the piece
        for x in (328, 348):
            if s.at(x, y) != WHITE:
                return "(%d,%d) beside the corridor is %s, not white" % (x, y, s.at(x, y))
    for y in range(251, 270):
        if s.at(338, y) == WHITE:
            return "(338,%d) on the corridor is white" % y
    return None


def case_walk(game):
    game.wait_ready()
    before = Shot()
    check(hallway_problem(before), "hallway 45-55 drawn before the walk")
    check(before.at(*room_corner(55)) == EMPTY_EDGE, "room 55 painted before the walk")
    click_client(342, 286)

    def walked(s):
        check(s.at(*room_corner(55)) == WHITE, "room 55 not painted after clicking it"
              + game.exit_note())
        check_doors(s, 55, "N", covered="N")
        check_doors(s, 45, "SW", covered="S")
        problem = hallway_problem(s)
        check(problem is None, "hallway piece 45-55 not drawn: " + str(problem))
        check_marker(s, 322, 266, "after the walk")
        for x, y in [(343, 222), (363, 242)]:  # the old marker's top and right ends
            check(not s.near(x, y, YELLOW), "old marker still drawn near (%d,%d)" % (x, y))
    settled(walked, 3.0)


def case_wall_click(game):
    game.wait_ready()
    click_client(386, 242)  # room 46, behind 45's east wall
    box, _ = wait_box(game)
    title = title_problem(box, BOX_TITLE, "message box")
    press_return(box)
    check(wait_until(lambda: not visible_windows(BOX_RE), 3), "message box still open after Return")
    time.sleep(0.2)

    def unmoved(s):
        check(s.at(*room_corner(46)) == EMPTY_EDGE, "room 46 painted through a wall")
        check(s.at(*room_corner(45)) == WHITE, "room 45 no longer painted")
        check_marker(s, 322, 222, "after the wall click")
    settled(unmoved)
    check(game.proc.poll() is None, "game ended" + game.exit_note())
    check(title is None, title)


def status_windows(main):
    return [(w, g) for w, g in visible_windows(TITLE_RE, STATUS_SIZE) if w != main]


def case_status_window(game):
    game.wait_ready()
    click_button(CMD_STATUS)
    win, (x, y, _, _, _) = wait_front(game, lambda: status_windows(game.main), "status window")
    check_title(win, TITLE, "status window")
    click_button(STATUS_OK, origin=(x, y))
    check(wait_until(lambda: not status_windows(game.main), 3), "status window still open after OK")
    game.front()
    check(game.proc.poll() is None, "game ended" + game.exit_note())


def case_quit_button(game):
    game.wait_ready()
    click_button(CMD_QUIT)
    check_exit(game, True, 2, "quit button")


def case_close_box(game):
    game.wait_ready()
    X.close(game.main)
    check_exit(game, True, 2, "close request")


def case_quit_during_pause(game):
    game.wait_ready()
    click_client(342, 286)  # into room 55 and its serum: a 2 s discovery pause
    found = wait_until(lambda: visible_windows(".*", DISCOVERY_SIZE), 2, 0.02)
    check(found, "no discovery window after the step" + game.exit_note())
    shown = time.monotonic()
    click_button(CMD_QUIT)
    rc = game.exited(3)
    took = time.monotonic() - shown
    check(rc is not None, "still running 3 s after quitting in the pause")
    check(took < 1.5, "exit came %.2f s after the pause began: quit waited for the pause" % took)
    check_exit(game, True, 0.1, "quit in the pause")


def case_quit_at_start(game):
    # As soon as the window shows (where a window manager has put it): the
    # start-up shuffle may still be blinking.
    game.wait_main()
    game.front()
    click_button(CMD_QUIT)
    check_exit(game, True, 2, "quit at start")


def case_quit_during_dice(game):
    game.wait_ready()
    click_client(342, 286)  # into room 55 and its skeleton: notice, then the duel
    wait_front(game, lambda: visible_windows(TITLE_RE, BATTLE_SIZE), "battle window", 6)
    time.sleep(0.3)  # the player's die is rolling now
    click_button(CMD_QUIT)
    check_exit(game, True, 1.5, "quit during the dice")


def case_term_with_status_open(game):
    game.wait_ready()
    click_button(CMD_STATUS)
    wait_front(game, lambda: status_windows(game.main), "status window")
    game.proc.send_signal(signal.SIGTERM)
    check_exit(game, True, 2, "TERM with the modal status window open")


def case_term_with_message_box(game):
    game.wait_ready()
    click_client(386, 242)  # room 46, through room 45's east wall
    wait_box(game)
    game.proc.send_signal(signal.SIGTERM)
    check_exit(game, True, 2, "TERM with a message box open")


def check_refusal(game, what):
    box, _ = wait_box(game)
    title = title_problem(box, BOX_TITLE, "message box")
    check(not visible_windows(TITLE_RE), "a main window is shown despite the %s" % what)
    time.sleep(0.2)
    check(not visible_windows(TITLE_RE), "a main window is shown despite the %s" % what)
    press_return(box)
    check_exit(game, False, 3, "after the %s message" % what)
    check(title is None, title)


def missing_sound_game(name):
    home = tempfile.mkdtemp(prefix="home-", dir=SCRATCH)
    src = os.path.dirname(EXE)
    shutil.copy2(EXE, home)
    for sub in ("pictures", "fonts", "audio"):
        shutil.copytree(os.path.join(src, sub), os.path.join(home, sub))
    os.remove(os.path.join(home, "audio", "Shop.wav"))
    return Game(name, exe=os.path.join(home, os.path.basename(EXE)))


# ---------------------------------------------------------------- keyboard

def check_walked_to(game, room, what):
    """Room painted and the marker around it."""
    x, y = room_corner(room)

    def there(s):
        check(s.at(x, y) == WHITE, "%s: room %d not painted%s" % (what, room, game.exit_note()))
        check_marker(s, x - 5, y - 4, what)
    settled(there, 3.0)


def wait_discovery_gone(game, timeout=4):
    check(wait_until(lambda: not visible_windows(".*", DISCOVERY_SIZE), timeout),
          "discovery window still open" + game.exit_note())


def case_arrows_at_start(game):
    game.wait_ready()
    press_keys(game.main, "Down")
    wait_front(game, lambda: visible_windows(TITLE_RE, DISCOVERY_SIZE), "discovery window")
    check_walked_to(game, 55, "Down at start-up")


def case_arrows_after_button(game):
    game.wait_ready()
    click_button(CMD_STATUS)
    _, (x, y, _, _, _) = wait_front(game, lambda: status_windows(game.main), "status window")
    click_button(STATUS_OK, origin=(x, y))
    check(wait_until(lambda: not status_windows(game.main), 3), "status window still open")
    # A button with the keyboard focus, as a keyboard player leaves it.
    press_keys(game.main, "Tab", "Tab", "Left")
    check_walked_to(game, 44, "Left with a button focused")
    check(not status_windows(game.main), "the arrow pressed a button")


def main_buttons_enabled(s):
    # A disabled button is filled flat with its disabled colour.
    cx, cy = CMD_SHOP[0] + 8, CMD_SHOP[1] + CMD_SHOP[3] // 2
    check(s.at(cx, cy) != (0xB9, 0xA2, 0x7A), "shop button still disabled")


def fight_through(game):
    """Into room 55 and its skeleton; returns when the fight is over."""
    wait_front(game, lambda: visible_windows(TITLE_RE, BATTLE_SIZE), "battle window", 6)
    # Until the battle window closes, 2 s after the fight, at a pace that
    # leaves the CPU to the game and to the suites beside this one.
    wait_until(lambda: not visible_windows(TITLE_RE, BATTLE_SIZE), 90, 0.5)
    settled(main_buttons_enabled)
    wait_front(game, lambda: notice_windows(game.main), "reward notice")
    check(game.proc.poll() is None, "game ended in the fight" + game.exit_note())


# The skeleton waits in both rooms beside the start, wherever the start-up
# shuffle puts it.
def case_space_after_fight(game):
    game.wait_ready()
    # The focus on 裝　備 while the fight disables it: Qt would hand it on
    # to 退出, and Space would then quit.
    press_keys(game.main, "Tab", "Down")
    fight_through(game)
    press_keys(game.main, "space")
    time.sleep(1.0)
    check(game.proc.poll() is None, "Space after the fight ended the game" + game.exit_note())
    _, (x, y, _, _, _) = wait_front(game, lambda: visible_windows(TITLE_RE, HUB_SIZE), "hub")
    click_button(TOWN_LEFT, origin=(x, y))  # 健康部: the hub gives way to the department
    _, (x, y, _, _, _) = wait_front(game, lambda: visible_windows(TITLE_RE, HEALTH_SIZE), "shop")
    click_button(TOWN_RIGHT, origin=(x, y))  # 醫生: the shop closes, the cure is told
    press_return(wait_box(game)[0])
    check(wait_until(lambda: not visible_windows(BOX_RE), 3), "message box still open")
    game.front()


def case_arrows_after_fight(game):
    game.wait_ready()
    press_keys(game.main, "Down")
    fight_through(game)
    press_keys(game.main, "Left")  # 55 has no west door: a wall message
    box, _ = wait_box(game)
    press_keys(box, "Return")
    check(wait_until(lambda: not visible_windows(BOX_RE), 3), "message box still open")
    press_keys(game.main, "Up")
    check_walked_to(game, 45, "Up after the fight")
    check(game.proc.poll() is None, "game ended" + game.exit_note())


def case_status_keys(game):
    game.wait_ready()
    for key in ("Escape", "Return"):
        click_button(CMD_STATUS)
        win, _ = wait_front(game, lambda: status_windows(game.main), "status window")
        press_keys(win, key)
        check(wait_until(lambda: not status_windows(game.main), 3),
              "status window still open after %s" % key)
        check(game.proc.poll() is None, "%s on the status window ended the game" % key
              + game.exit_note())
    press_keys(game.main, "Escape")
    time.sleep(0.5)
    check(game.proc.poll() is None, "Escape on the main window ended the game" + game.exit_note())


def case_ctrl_q(game):
    game.wait_ready()
    press_keys(game.main, "q", "Escape", "Return", "space")  # none of them quits
    time.sleep(0.5)
    check(game.proc.poll() is None, "a stray key ended the game" + game.exit_note())
    press_keys(game.main, "ctrl+q")
    check_exit(game, True, 2, "Ctrl+Q")


def notice_windows(main):
    return [(w, g) for w, g in visible_windows(TITLE_RE, DISCOVERY_SIZE) if w != main]


def case_notice_keys(game):
    game.wait_ready()
    # Zorvath waits south of the start (the start-up shuffle can only swap
    # him with his twin), and each new game puts him back.
    for key in ("Escape", "Return"):
        press_keys(game.main, "Down")
        win, _ = wait_front(game, lambda: notice_windows(game.main), "defeat notice")
        at = lambda: (X.outer_corner(win), X.outer_corner(game.main))
        check(wait_until(lambda: at()[0] == tuple(c + 100 for c in at()[1]), 3),
              "notice and main window at %s, want 100 apart" % (at(),))
        time.sleep(0.3)
        check(notice_windows(game.main), "the defeat notice closed by itself")
        press_keys(win, key)
        check(wait_until(lambda: not notice_windows(game.main), 3),
              "defeat notice still open after %s" % key)
        check(game.proc.poll() is None, "%s on the notice ended the game" % key
              + game.exit_note())
        check_walked_to(game, 45, "a new game after the notice")
        game.front()


def case_zoom(game):
    """Ctrl+= doubles the window and its pictures pixel for pixel, a click
    at 2x walks, F11 fills the screen, the zoom outlives the game, and a
    corrupt settings file starts at the defaults."""
    game.wait_ready()
    one = Shot()
    press_keys(game.main, "ctrl+equal")
    check(wait_until(lambda: geometry(game.main)[2:4] == (1280, 962), 5),
          "Ctrl+= gave %s, want 1280x962" % (geometry(game.main),))
    two = settled(lambda s: check(s.at(2 * 106, 2 * 50) == EMPTY_EDGE, "no 2x map"), 3)
    # The rows of rooms above the marker: pictures only.
    for y in range(50, 220):
        for x in range(106, 546):
            want = one.at(x, y)
            for d in ((0, 0), (1, 0), (0, 1), (1, 1)):
                got = two.at(2 * x + d[0], 2 * y + d[1])
                check(got == want, "2x pixel of (%d,%d) is %s, 1x is %s" % (x, y, got, want))
    cx, cy = room_corner(55)
    click_client(2 * (cx + 12), 2 * (cy + 12))
    settled(lambda s: check(s.at(2 * cx, 2 * cy) == WHITE, "a click at 2x did not walk"), 3)
    press_keys(game.main, "F11")
    check(wait_until(lambda: geometry(game.main)[0:4] == (0, 0, 1600, 1200), 5),
          "F11 gave %s, want the 1600x1200 screen" % (geometry(game.main),))
    press_keys(game.main, "F11")
    check(wait_until(lambda: geometry(game.main)[2:4] == (1280, 962), 5),
          "F11 again gave %s" % (geometry(game.main),))
    press_keys(game.main, "ctrl+q")
    check_exit(game, True, 5, "Ctrl+Q at 2x")
    for settings, size in ((None, (1280, 962)), (b"[General]\nzoom=1000\nvolume=-5\n\xff\x00[",
                                                 MAIN_SIZE)):
        if settings:
            with open(os.path.join(game.config, "gorvak", "settings.ini"), "wb") as f:
                f.write(settings)
        again = Game(game.name, config=game.config)
        try:
            got = again.wait_main()[1][2:4]
            check(got == size, "restarted at %s, want %s" % (got, size))
        finally:
            again.stop()


def case_card_keys(game):
    """The card opens at a first start, and on F1 over any window."""
    game.wait_main()
    cards = lambda: visible_windows(TITLE_RE, CARD_SIZE)  # noqa: E731
    press_keys(wait_front(game, cards, "card at the first start", 20)[0], "Escape")
    check(wait_until(lambda: not cards(), 3), "the first start's card stayed open")
    game.front()
    click_button(CMD_SHOP)
    _, (x, y, _, _, _) = wait_front(game, lambda: visible_windows(TITLE_RE, HUB_SIZE), "hub")
    click_button(TOWN_LEFT, origin=(x, y))
    shop, _ = wait_front(game, lambda: visible_windows(TITLE_RE, HEALTH_SIZE), "shop")
    for win, key in ((game.main, "Escape"), (shop, "Return")):
        press_keys(win, "F1")
        card, _ = wait_front(game, cards, "card after F1")
        press_keys(card, key)
        check(wait_until(lambda: not cards(), 3), "the card stayed open after %s" % key)


CASES = [
    ("title_and_size", lambda n: Game(n), case_title_and_size),
    ("start_room", lambda n: Game(n), case_start_room),
    ("walk_south", lambda n: Game(n, dungeon_bytes(WALK_ROOMS)), case_walk),
    ("wall_click", lambda n: Game(n), case_wall_click),
    ("status_window", lambda n: Game(n), case_status_window),
    ("quit_button", lambda n: Game(n), case_quit_button),
    ("close_box", lambda n: Game(n), case_close_box),
    ("quit_during_pause",
     lambda n: Game(n, dungeon_bytes(WALK_ROOMS, {r: 1 for r in WALK_ROOMS if r != 45})),
     case_quit_during_pause),
    ("quit_at_start", lambda n: Game(n), case_quit_at_start),
    ("quit_during_dice",
     lambda n: Game(n, dungeon_bytes(WALK_ROOMS, {55: 4, 44: 4})), case_quit_during_dice),
    ("term_with_status_open", lambda n: Game(n), case_term_with_status_open),
    ("term_with_message_box", lambda n: Game(n), case_term_with_message_box),
    ("arrows_at_start", lambda n: Game(n, dungeon_bytes(WALK_ROOMS, {55: 1, 44: 1})),
     case_arrows_at_start),
    ("arrows_after_button", lambda n: Game(n, dungeon_bytes(WALK_ROOMS, {55: 1, 44: 1})),
     case_arrows_after_button),
    ("space_after_fight", lambda n: Game(n, dungeon_bytes(WALK_ROOMS, {55: 4, 44: 4})),
     case_space_after_fight),
    ("arrows_after_fight", lambda n: Game(n, dungeon_bytes(WALK_ROOMS, {55: 4, 44: 4})),
     case_arrows_after_fight),
    ("status_keys", lambda n: Game(n), case_status_keys),
    ("zoom", lambda n: Game(n, dungeon_bytes(WALK_ROOMS)), case_zoom),
    ("ctrl_q", lambda n: Game(n), case_ctrl_q),
    ("card_keys", lambda n: Game(n, first_start=True), case_card_keys),
    ("notice_keys", lambda n: Game(n, dungeon_bytes(WALK_ROOMS, {55: 7, 44: 7})),
     case_notice_keys),
    ("missing_sound_file", missing_sound_game,
     lambda g: check_refusal(g, "missing sound file")),
    ("bad_dungeon_file", lambda n: Game(n, bytes(range(100))),
     lambda g: check_refusal(g, "bad dungeon file")),
]


def main():
    global EXE, SCRATCH, X
    X = Screen()
    EXE = os.path.abspath(sys.argv[1])
    SCRATCH = sys.argv[2]
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    only = set(sys.argv[3:])
    shutil.rmtree(FAILDIR, ignore_errors=True)
    passed = failed = 0
    for name, make, body in CASES:
        if only and name not in only:
            continue
        game = None
        ok = False
        try:
            game = make(name)
            body(game)
            print("PASS %s" % name, flush=True)
            passed += 1
            ok = True
        except (CaseFailure, subprocess.TimeoutExpired, OSError, xerror.XError) as e:
            print("FAIL %s: %s" % (name, e), flush=True)
            failed += 1
            try:
                os.makedirs(FAILDIR, exist_ok=True)
                Shot("root").save_png(os.path.join(FAILDIR, name))
            except Exception:
                pass
        finally:
            if game is not None:
                game.stop()
                if not ok and os.path.isdir(FAILDIR):
                    shutil.copy(game.log.name, os.path.join(FAILDIR, name + ".log"))
            # Nothing of this case may linger into the next one.
            wait_until(lambda: not search(TITLE_RE, False) and not search(BOX_RE, False), 3)
    print("%d passed, %d failed" % (passed, failed), flush=True)
    return 1 if failed or not passed else 0


if __name__ == "__main__":
    sys.exit(main())
