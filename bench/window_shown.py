"""The moment a window of a given name is mapped, as the X server tells it.

Start-up is timed to that moment. Asking xdotool in a loop costs a process
every few milliseconds, which competes with the program being timed on a
small machine and makes a slower start look slower still; the server's own
map events cost nothing and arrive as the window shows. With no window
manager, Wine maps each top-level window as a child of the root window.
"""
import ctypes
import ctypes.util
import select
import time

_x = ctypes.cdll.LoadLibrary(ctypes.util.find_library('X11') or 'libX11.so.6')
_x.XOpenDisplay.restype = ctypes.c_void_p
_x.XOpenDisplay.argtypes = [ctypes.c_char_p]
_x.XDefaultRootWindow.restype = ctypes.c_ulong
_x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
_x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
_x.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_char_p)]
_x.XPending.argtypes = [ctypes.c_void_p]
_x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.c_void_p]
_x.XConnectionNumber.argtypes = [ctypes.c_void_p]
_x.XFlush.argtypes = [ctypes.c_void_p]
_x.XFree.argtypes = [ctypes.c_void_p]
_x.XCloseDisplay.argtypes = [ctypes.c_void_p]

# A window may be gone by the time its name is asked; Xlib's own handler
# would end the benchmark for that, so errors are let pass and the name reads
# as none.
_ERROR_HANDLER = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
_let_errors_pass = _ERROR_HANDLER(lambda display, event: 0)
_x.XSetErrorHandler.argtypes = [_ERROR_HANDLER]
_x.XSetErrorHandler.restype = ctypes.c_void_p
_x.XSetErrorHandler(_let_errors_pass)

_MAP_NOTIFY = 19
_SUBSTRUCTURE_NOTIFY_MASK = 1 << 19


class _MapEvent(ctypes.Structure):
    _fields_ = [('type', ctypes.c_int), ('serial', ctypes.c_ulong), ('send_event', ctypes.c_int),
                ('display', ctypes.c_void_p), ('event', ctypes.c_ulong), ('window', ctypes.c_ulong),
                ('override_redirect', ctypes.c_int)]


class _Event(ctypes.Union):
    # XEvent is a union padded to 24 longs.
    _fields_ = [('type', ctypes.c_int), ('map', _MapEvent), ('pad', ctypes.c_long * 24)]


class WindowShown:
    """Watches one X display for windows being mapped."""

    def __init__(self, display):
        self.display = _x.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError('cannot open X display ' + display)
        _x.XSelectInput(self.display, _x.XDefaultRootWindow(self.display), _SUBSTRUCTURE_NOTIFY_MASK)
        _x.XFlush(self.display)
        self.event = _Event()

    def close(self):
        _x.XCloseDisplay(self.display)

    def forget(self):
        """Drops the events so far, so that a wait sees only what comes next."""
        while _x.XPending(self.display):
            _x.XNextEvent(self.display, ctypes.byref(self.event))

    def _name(self, window):
        name = ctypes.c_char_p()
        if not _x.XFetchName(self.display, window, ctypes.byref(name)) or name.value is None:
            return None
        text = name.value.decode('latin-1')
        _x.XFree(name)
        return text

    def wait(self, title, timeout):
        """The monotonic time at which a window named `title` was mapped."""
        deadline = time.monotonic() + timeout
        fd = _x.XConnectionNumber(self.display)
        while True:
            while _x.XPending(self.display):
                _x.XNextEvent(self.display, ctypes.byref(self.event))
                if self.event.type == _MAP_NOTIFY and self._name(self.event.map.window) == title:
                    return time.monotonic()
            left = deadline - time.monotonic()
            if left <= 0:
                raise AssertionError('timed out after %.0f s waiting for %s to show' % (timeout, title))
            select.select([fd], [], [], left)
