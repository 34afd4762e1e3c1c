#!/usr/bin/env python3
"""Drops files on an X window as a Linux file manager does (the XDND
protocol), to check by hand that a drop reaches the program through Wine's
X11 driver. Needs only libX11 and a display:

    tools/xdnd_drop.py WINDOW X Y PATH...

WINDOW is the X window of the main window (`xdotool search --name
Glyphwright`), X and Y a point of the screen over it. Exits 0 when the
window accepted the drop and said it had finished with it.
"""
import ctypes
import ctypes.util
import sys
import time
import urllib.parse

c_ulong, c_long, c_int, c_void_p = ctypes.c_ulong, ctypes.c_long, ctypes.c_int, ctypes.c_void_p
CLIENT_MESSAGE, SELECTION_REQUEST, SELECTION_NOTIFY = 33, 30, 31


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int), ("display", c_void_p),
                ("window", c_ulong), ("message_type", c_ulong), ("format", c_int), ("l", c_long * 5)]


class SelectionRequest(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int), ("display", c_void_p),
                ("owner", c_ulong), ("requestor", c_ulong), ("selection", c_ulong), ("target", c_ulong),
                ("property", c_ulong), ("time", c_ulong)]


class Selection(ctypes.Structure):
    _fields_ = [("type", c_int), ("serial", c_ulong), ("send_event", c_int), ("display", c_void_p),
                ("requestor", c_ulong), ("selection", c_ulong), ("target", c_ulong), ("property", c_ulong),
                ("time", c_ulong)]


class XEvent(ctypes.Union):
    _fields_ = [("type", c_int), ("client", ClientMessage), ("request", SelectionRequest),
                ("selection", Selection), ("pad", c_long * 24)]


def load_x11():
    x = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x.XOpenDisplay.restype = c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XInternAtom.restype = c_ulong
    x.XInternAtom.argtypes = [c_void_p, ctypes.c_char_p, c_int]
    x.XDefaultRootWindow.restype = c_ulong
    x.XDefaultRootWindow.argtypes = [c_void_p]
    x.XCreateSimpleWindow.restype = c_ulong
    x.XCreateSimpleWindow.argtypes = [c_void_p, c_ulong, c_int, c_int, ctypes.c_uint, ctypes.c_uint,
                                      ctypes.c_uint, c_ulong, c_ulong]
    x.XSetSelectionOwner.argtypes = [c_void_p, c_ulong, c_ulong, c_ulong]
    x.XSendEvent.argtypes = [c_void_p, c_ulong, c_int, c_long, ctypes.POINTER(XEvent)]
    x.XChangeProperty.argtypes = [c_void_p, c_ulong, c_ulong, c_ulong, c_int, c_int, ctypes.c_char_p, c_int]
    x.XPending.argtypes = [c_void_p]
    x.XNextEvent.argtypes = [c_void_p, ctypes.POINTER(XEvent)]
    x.XFlush.argtypes = [c_void_p]
    return x


class DragSource:
    def __init__(self, target, uris):
        self.x = load_x11()
        self.display = self.x.XOpenDisplay(None)
        if not self.display:
            sys.exit("no X display")
        self.target = target
        self.uris = uris
        root = self.x.XDefaultRootWindow(self.display)
        self.window = self.x.XCreateSimpleWindow(self.display, root, 0, 0, 1, 1, 0, 0, 0)
        self.x.XSetSelectionOwner(self.display, self.atom("XdndSelection"), self.window, 0)

    def atom(self, name):
        return self.x.XInternAtom(self.display, name.encode(), 0)

    def send(self, name, data):
        event = XEvent()
        event.client.type = CLIENT_MESSAGE
        event.client.window = self.target
        event.client.message_type = self.atom(name)
        event.client.format = 32
        for i, value in enumerate([self.window] + data):
            event.client.l[i] = value
        self.x.XSendEvent(self.display, self.target, 0, 0, ctypes.byref(event))
        self.x.XFlush(self.display)

    # Hands the URIs to the window that asks for the dragged data.
    def answer(self, request):
        self.x.XChangeProperty(self.display, request.requestor, request.property, request.target, 8, 0,
                               self.uris, len(self.uris))
        reply = XEvent()
        reply.selection.type = SELECTION_NOTIFY
        reply.selection.requestor = request.requestor
        reply.selection.selection = request.selection
        reply.selection.target = request.target
        reply.selection.property = request.property
        reply.selection.time = request.time
        self.x.XSendEvent(self.display, request.requestor, 0, 0, ctypes.byref(reply))
        self.x.XFlush(self.display)

    # Answers data requests until the named message arrives (or, without a
    # name, for the time given); returns that message's data.
    def wait(self, name=None, seconds=5.0):
        end = time.time() + seconds
        while time.time() < end:
            while self.x.XPending(self.display):
                event = XEvent()
                self.x.XNextEvent(self.display, ctypes.byref(event))
                if event.type == SELECTION_REQUEST:
                    self.answer(event.request)
                elif event.type == CLIENT_MESSAGE and name and event.client.message_type == self.atom(name):
                    return list(event.client.l)
            time.sleep(0.005)
        return None


def main():
    if len(sys.argv) < 5:
        sys.exit(__doc__)
    target, x, y = int(sys.argv[1], 0), int(sys.argv[2]), int(sys.argv[3])
    uris = "".join("file://" + urllib.parse.quote(path) + "\r\n" for path in sys.argv[4:]).encode()
    source = DragSource(target, uris)
    source.send("XdndEnter", [5 << 24, source.atom("text/uri-list"), 0, 0])
    source.wait(seconds=0.5)  # the target reads the data while it enters
    source.send("XdndPosition", [0, (x << 16) | y, 0, source.atom("XdndActionCopy")])
    status = source.wait("XdndStatus")
    if not status or not status[1] & 1:
        sys.exit("the window refused the drop")
    source.send("XdndDrop", [0, 0, 0, 0])
    finished = source.wait("XdndFinished")
    if not finished:
        sys.exit("the window did not finish the drop")
    print("dropped")


if __name__ == "__main__":
    main()
