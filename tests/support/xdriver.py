"""The real-window suites' hands and eyes on the X server in $DISPLAY.

Input is a person's: the pointer moved and clicked, and keys typed into
whatever has the keyboard, through the X test extension as xdotool gives it
(never sent to a window directly). Everything read (windows, their places
and pixels, focus, the window manager's lists) comes over one python-xlib
connection; a window manager's frames are looked through to the client
window inside.
"""

import os
import re
import subprocess
import time

from Xlib import X, Xatom, display as xdisplay, error as xerror
from Xlib.protocol import event as xevent


class Win:
    """A client window: its id, the screen position of its client area,
    its size, and whether it is viewable."""

    def __init__(self, wid, x, y, w, h, viewable):
        self.id, self.x, self.y, self.w, self.h, self.viewable = wid, x, y, w, h, viewable

    @property
    def size(self):
        return self.w, self.h


class Image:
    """A window's pixels as on screen (what lies above it too, unless a
    compositing window manager keeps the window's own)."""

    def __init__(self, data, w, h):
        self.data, self.w, self.h = data, w, h

    def at(self, x, y):
        o = (y * self.w + x) * 4  # BGRX
        return self.data[o + 2], self.data[o + 1], self.data[o]

    def near(self, x, y, colour, radius=1):
        return any(self.at(x + dx, y + dy) == colour
                   for dx in range(-radius, radius + 1) for dy in range(-radius, radius + 1))

    def save_png(self, path):
        rgb = bytearray()
        for y in range(self.h):
            for x in range(self.w):
                rgb += bytes(self.at(x, y))
        with open(path + ".ppm", "wb") as f:
            f.write(b"P6 %d %d 255\n" % (self.w, self.h) + bytes(rgb))
        subprocess.run(["convert", path + ".ppm", path + ".png"], check=False, timeout=30)
        os.remove(path + ".ppm")


def xdotool(*args, timeout=10):
    return subprocess.run(["xdotool", *map(str, args)], stdout=subprocess.PIPE,
                          stderr=subprocess.PIPE, timeout=timeout, check=False)


class Screen:
    def __init__(self):
        self.d = xdisplay.Display()
        if not self.d.has_extension("XTEST"):
            raise OSError("the X server has no XTEST extension")
        self.errors = 0  # a window that went between a look-up and its use
        self.d.set_error_handler(self._on_error)
        self.root = self.d.screen().root
        self.atoms = {}
        # What is up before any game is the window manager's own.
        self.wm_own = {w.id for w in self.root.query_tree().children
                       if self._viewable(w) and w.get_attributes().win_class == X.InputOutput}
        self.probe = None

    def _on_error(self, *_):
        self.errors += 1

    def atom(self, name):
        if name not in self.atoms:
            self.atoms[name] = self.d.intern_atom(name)
        return self.atoms[name]

    def _window(self, wid):
        return self.d.create_resource_object("window", wid)

    @staticmethod
    def _viewable(w):
        return w.get_attributes().map_state == X.IsViewable

    def _cardinals(self, w, name, kind=Xatom.CARDINAL):
        try:
            prop = w.get_full_property(self.atom(name), kind)
        except xerror.XError:
            return []
        return list(prop.value) if prop else []

    def _client(self, w, depth=3):
        """w if a program made it (it names its process or the manager
        manages it), else the client inside a manager's frame."""
        if self._cardinals(w, "_NET_WM_PID") or \
                w.get_full_property(self.atom("WM_STATE"), X.AnyPropertyType):
            return w
        if not depth:
            return None
        for child in w.query_tree().children:
            found = self._client(child, depth - 1)
            if found is not None:
                return found
        return None

    def windows(self, pid=None, name=None, size=None, viewable=True):
        """The client windows, bottom to top, of process pid, with a name
        matching the regular expression name, of client size size."""
        out = []
        try:
            tops = self.root.query_tree().children
        except xerror.XError:
            return out
        for top in tops:
            if top.id in self.wm_own:
                continue
            try:
                if viewable and not self._viewable(top):
                    continue
                w = self._client(top)
                if w is None or (viewable and not self._viewable(w)):
                    continue
                if pid is not None and self._cardinals(w, "_NET_WM_PID")[:1] != [pid]:
                    continue
                if name is not None and not re.search(name, self._name(w)):
                    continue
                g = w.get_geometry()
                at = self.root.translate_coords(w, 0, 0)
            except xerror.XError:
                continue
            if size is None or (g.width, g.height) == tuple(size):
                out.append(Win(w.id, at.x, at.y, g.width, g.height, self._viewable(w)))
        return out

    def _name(self, w):
        prop = w.get_full_property(self.atom("_NET_WM_NAME"), self.atom("UTF8_STRING"))
        return prop.value.decode("utf-8", "replace") if prop else ""

    def geometry(self, wid):
        """A window as it is now, or None once it is gone."""
        try:
            w = self._window(wid)
            g = w.get_geometry()
            at = self.root.translate_coords(w, 0, 0)
            return Win(wid, at.x, at.y, g.width, g.height, self._viewable(w))
        except xerror.XError:
            return None

    def names(self, wid):
        """WM_NAME and _NET_WM_NAME as a window manager reads them: the
        legacy name is in the locale's compound text, which xprop converts."""
        env = dict(os.environ, LC_ALL="C.UTF-8")
        r = subprocess.run(["xprop", "-id", str(wid), "-notype", "WM_NAME", "_NET_WM_NAME"],
                           stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=env, timeout=10)
        found = {}
        for line in r.stdout.decode(errors="replace").splitlines():
            m = re.match(r'^(WM_NAME|_NET_WM_NAME) = "(.*)"$', line)
            if m:
                found[m.group(1)] = m.group(2).replace('\\"', '"').replace("\\\\", "\\")
        return found.get("WM_NAME"), found.get("_NET_WM_NAME")

    def icon_sizes(self, wid):
        """The sizes of the pictures in a window's _NET_WM_ICON."""
        values, sizes = self._cardinals(self._window(wid), "_NET_WM_ICON"), []
        while len(values) >= 2:
            w, h = values[0], values[1]
            sizes.append((w, h))
            values = values[2 + w * h:]
        return sizes

    def outer_corner(self, wid):
        """A window's outer corner: its client area less the manager's frame;
        None once gone."""
        g = self.geometry(wid)
        if g is None:
            return None
        left, _, top, _ = (self._cardinals(self._window(wid), "_NET_FRAME_EXTENTS") or [0] * 4)
        return g.x - left, g.y - top

    def root_windows(self, name):
        """The windows a property of the root window names."""
        return self._cardinals(self.root, name, Xatom.WINDOW)

    def has_wm(self):
        return bool(self.root_windows("_NET_SUPPORTING_WM_CHECK"))

    def stacking(self):
        """The client windows bottom to top: the manager's list, else the
        server's own order."""
        if self.has_wm():
            return self.root_windows("_NET_CLIENT_LIST_STACKING")
        return [w.id for w in self.windows()]

    def active(self):
        """The window with the keyboard: the manager's word, else the server's."""
        if self.has_wm():
            return self.root_windows("_NET_ACTIVE_WINDOW")[:1]
        return [self.focused()]

    def focused(self):
        try:
            f = self.d.get_input_focus().focus
            return getattr(f, "id", f)
        except xerror.XError:
            return None

    def under_pointer(self, wid):
        """Whether a click where the pointer is would reach the window."""
        try:
            top = self.root.query_pointer().child
            if not top:
                return False
            return top.id == wid or self._contains(top, wid)
        except xerror.XError:
            return False

    def _contains(self, w, wid, depth=3):
        return depth > 0 and any(c.id == wid or self._contains(c, wid, depth - 1)
                                 for c in w.query_tree().children)

    def image(self, wid=None, w=None, h=None):
        """The pixels of a window (the whole screen without one)."""
        win = self._window(wid) if wid else self.root
        if w is None:
            g = win.get_geometry()
            w, h = g.width, g.height
        return Image(win.get_image(0, 0, w, h, X.ZPixmap, 0xFFFFFFFF).data, w, h)

    # ---- input, as a person gives it

    def point(self, x, y):
        """The pointer to a screen position, once the server has it there."""
        xdotool("mousemove", x, y)
        g = self.root.get_geometry()
        at = min(max(x, 0), g.width - 1), min(max(y, 0), g.height - 1)
        wait_until(lambda: self.pointer() == at, 2, 0.005)

    def pointer(self):
        p = self.root.query_pointer()
        return p.root_x, p.root_y

    def click(self, x, y, times=1, gap=0.0):
        # A motion first, from a step away: a pointer already there would
        # send none. One connection: the server takes the motions and the
        # clicks in their order.
        away = x + 7 if x + 7 < self.root.get_geometry().width else x - 7
        xdotool("mousemove", away, y, "mousemove", x, y,
                "click", "--repeat", times, "--delay", int(gap * 1000), 1)

    def key(self, *names):
        """Keys typed into whatever has the keyboard."""
        xdotool("key", *names)

    def focus(self, wid, wait=1.0):
        """The keyboard to a window, as a window manager would give it (never
        back to whatever lies under the pointer if the window goes); True
        once it has it."""
        try:
            self._window(wid).set_input_focus(X.RevertToNone, X.CurrentTime)
            self.d.sync()
        except xerror.XError:
            return False
        end = time.monotonic() + wait
        while self.focused() != wid:
            if time.monotonic() >= end:
                return False
            time.sleep(0.01)
        return True

    def close(self, wid):
        """The close box: WM_DELETE_WINDOW, never destroying the window."""
        ev = xevent.ClientMessage(
            window=self._window(wid), client_type=self.atom("WM_PROTOCOLS"),
            data=(32, [self.atom("WM_DELETE_WINDOW"), X.CurrentTime, 0, 0, 0]))
        self._window(wid).send_event(ev, event_mask=X.NoEventMask)
        self.d.sync()

    def move(self, wid, x, y):
        self._window(wid).configure(x=x, y=y)
        self.d.sync()

    # ---- liveness: a ping the game answers through the root window

    def ping(self, wid, serial):
        if self.probe is None:
            # Qt sends the answer to the root window, to whoever listens
            # there for structure changes: a connection of its own.
            self.probe = xdisplay.Display()
            self.probe.set_error_handler(self._on_error)
            self.probe.screen().root.change_attributes(event_mask=X.StructureNotifyMask)
            self.probe.sync()
        target = self.probe.create_resource_object("window", wid)
        ev = xevent.ClientMessage(window=target, client_type=self.atom("WM_PROTOCOLS"),
                                  data=(32, [self.atom("_NET_WM_PING"), serial, wid, 0, 0]))
        target.send_event(ev, event_mask=X.NoEventMask)
        self.probe.flush()

    def pongs(self):
        """Serials of the pings answered since the last call."""
        got = []
        while self.probe is not None and self.probe.pending_events():
            ev = self.probe.next_event()
            if ev.type == X.ClientMessage and ev.client_type == self.atom("WM_PROTOCOLS"):
                fmt, data = ev.data
                if fmt == 32 and data[0] == self.atom("_NET_WM_PING"):
                    got.append(data[1])
        return got


def wait_until(pred, timeout, step=0.05):
    """Polls pred until it returns something truthy; returns it, or the
    last falsy answer."""
    end = time.monotonic() + timeout
    while True:
        got = pred()
        if got or time.monotonic() >= end:
            return got
        time.sleep(step)
