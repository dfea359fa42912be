"""A barrier through the window manager.

Openbox grabs the left button on every client window (click to focus and
raise): a press is frozen at the X server until openbox has handled it and
replays it to the window. Keys are not held back meanwhile, so on a busy
machine keys typed right after a click can reach the program before the
click does: Ctrl+A and End selected the rows, then the late click selected
the first row alone.

A person waits to see the click land. The scenarios wait for the window
manager instead: it handles X events in order, so once it has answered a
request sent after the click, it has replayed the click, and the program
receives the press before any key typed from then on. The request is
_NET_REQUEST_FRAME_EXTENTS for a small unmapped window of our own, which
openbox answers by setting _NET_FRAME_EXTENTS on it."""

import ctypes
import ctypes.util
import select
import time

_CLIENT_MESSAGE = 33
_PROPERTY_NOTIFY = 28
_PROPERTY_CHANGE_MASK = 1 << 22
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19
_SUBSTRUCTURE_REDIRECT_MASK = 1 << 20


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int), ("l", ctypes.c_long * 5)]


class _Property(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong), ("atom", ctypes.c_ulong),
                ("time", ctypes.c_ulong), ("state", ctypes.c_int)]


class _Event(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("xclient", _ClientMessage), ("xproperty", _Property),
                ("pad", ctypes.c_long * 24)]


def _xlib():
    x = ctypes.CDLL(ctypes.util.find_library("X11"))
    vp, ul, i = ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int
    for name, res, args in (("XOpenDisplay", vp, [ctypes.c_char_p]), ("XCloseDisplay", i, [vp]),
                            ("XDefaultRootWindow", ul, [vp]), ("XInternAtom", ul, [vp, ctypes.c_char_p, i]),
                            ("XCreateSimpleWindow", ul, [vp, ul, i, i, ctypes.c_uint, ctypes.c_uint,
                                                         ctypes.c_uint, ul, ul]),
                            ("XDestroyWindow", i, [vp, ul]), ("XSelectInput", i, [vp, ul, ctypes.c_long]),
                            ("XSendEvent", i, [vp, ul, i, ctypes.c_long, ctypes.POINTER(_Event)]),
                            ("XDeleteProperty", i, [vp, ul, ul]), ("XFlush", i, [vp]),
                            ("XPending", i, [vp]), ("XNextEvent", i, [vp, ctypes.POINTER(_Event)]),
                            ("XConnectionNumber", i, [vp])):
        f = getattr(x, name)
        f.restype, f.argtypes = res, args
    return x


class WindowManagerSync:
    """One connection to `display`, kept for the session's barriers."""

    def __init__(self, display):
        self.x = _xlib()
        self.dpy = self.x.XOpenDisplay(display.encode())
        if not self.dpy:
            raise OSError(f"cannot open display {display}")
        self.root = self.x.XDefaultRootWindow(self.dpy)
        self.request = self.x.XInternAtom(self.dpy, b"_NET_REQUEST_FRAME_EXTENTS", 0)
        self.extents = self.x.XInternAtom(self.dpy, b"_NET_FRAME_EXTENTS", 0)
        self.win = self.x.XCreateSimpleWindow(self.dpy, self.root, 0, 0, 1, 1, 0, 0, 0)
        self.x.XSelectInput(self.dpy, self.win, _PROPERTY_CHANGE_MASK)

    def close(self):
        if self.dpy:
            self.x.XDestroyWindow(self.dpy, self.win)
            self.x.XCloseDisplay(self.dpy)
            self.dpy = None

    def caught_up(self, timeout):
        """Returns once the window manager has handled every event queued
        for it before this call; False when it did not answer in time."""
        # A fresh answer each time: the property is deleted first, so only
        # the answer to this request sets it again.
        self.x.XDeleteProperty(self.dpy, self.win, self.extents)
        ev = _Event()
        ev.xclient.type = _CLIENT_MESSAGE
        ev.xclient.window = self.win
        ev.xclient.message_type = self.request
        ev.xclient.format = 32
        self.x.XSendEvent(self.dpy, self.root, 0, _SUBSTRUCTURE_NOTIFY_MASK | _SUBSTRUCTURE_REDIRECT_MASK,
                          ctypes.byref(ev))
        self.x.XFlush(self.dpy)
        deadline = time.monotonic() + timeout
        fd = self.x.XConnectionNumber(self.dpy)
        while True:
            while self.x.XPending(self.dpy):
                self.x.XNextEvent(self.dpy, ctypes.byref(ev))
                p = ev.xproperty
                # The deletion above notifies too (state 1): only a new value counts.
                if ev.type == _PROPERTY_NOTIFY and p.window == self.win and p.atom == self.extents \
                        and p.state == 0:
                    return True
            left = deadline - time.monotonic()
            if left <= 0:
                return False
            select.select([fd], [], [], left)
