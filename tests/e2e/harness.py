"""Drives the real Sashlet.exe under Wine on a private X display, as a person would.

Each Session owns one X display (display.py: Xvfb, or two monitors), one
Wine prefix (copied from a template) and one folder that holds the program
and its files. Everything it starts it ends by PID, or through that prefix's
own wineserver.
"""
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

from display import (ARCH, MONITORS, SCREEN, TWO_MONITORS, XVFB, base_env, desktop_keys, dpi_keys,  # noqa: F401
                     icon_spacing_keys, loader, start_display, template_prefix, why_two_monitors_cannot_run)
from gestures import Gestures
from programs import Programs
from waiting import SETTLE, wait_until  # noqa: F401

EXE = os.environ.get('SASHLET_EXE', '')
PROBE = os.environ.get('SASHLET_PROBE', '')
TESTWIN = os.environ.get('SASHLET_TESTWIN', '')
ARTIFACTS = os.environ.get('SASHLET_ARTIFACTS', '/tmp/sashlet-artifacts')
ICON_CELL = 75      # the desktop's icon spacing, and the stand-in desktop's grid
ICON_ROWS = 6       # the stand-in desktop's icons fill two columns of six
ICON_ROWS_APART = 100  # the desktop's vertical icon spacing, which no wipe uses
DESKTOP_COLOUR = (22, 92, 148)
EDGES = ('Left', 'Right', 'Top', 'Bottom')
# The bars of the main screen, then those of the second monitor.
BAR_TITLES = tuple('Sashlet' + edge for edge in EDGES) + tuple('Sashlet%s 2' % edge for edge in EDGES)


def resource_id(name):
    """A control or command identifier, as the program's resource header defines it."""
    with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'res', 'resource.h')) as f:
        return int(re.search(r'^#define %s\s+(\d+)' % name, f.read(), re.M).group(1))


class Window:
    def __init__(self, line):
        title, visible, rect, opacity, self.state = line.rsplit('|', 4)
        self.title = title
        self.visible = visible == '1'
        self.rect = tuple(int(v) for v in rect.split())
        self.opacity = int(opacity)

    @property
    def left(self):
        return self.rect[0]

    @property
    def top(self):
        return self.rect[1]

    @property
    def size(self):
        return (self.rect[2] - self.rect[0], self.rect[3] - self.rect[1])

    def __eq__(self, other):
        return isinstance(other, Window) and repr(self) == repr(other)

    def __repr__(self):
        return 'Window(%r, visible=%s, rect=%s, opacity=%d, %s)' % (self.title, self.visible, self.rect, self.opacity,
                                                                  self.state)


class Session(Programs, Gestures):
    def __init__(self, name, locale=None, virtual_desktop=False, arch=ARCH, exe=EXE, probe=PROBE, testwin=TESTWIN,
                 dpi=None, display_kind=XVFB):
        """Every session shows a stand-in for the Windows desktop: a "Program
        Manager" window below all others, spanning every monitor, with two
        columns of desktop icons on each. `virtual_desktop` is True or a
        desktop's name; `arch` is the prefix's; `exe`, `probe` and `testwin`
        the programs run in it; `display_kind` XVFB or TWO_MONITORS."""
        self.name = name
        self.prober = None
        self.arch, self.exe, self.probe_exe, self.testwin = arch, exe, probe, testwin
        self.procs = []
        self.env = None
        self.x = None
        self.display_kind = display_kind
        self.monitors = MONITORS[display_kind]
        self.root = tempfile.mkdtemp(prefix='sashlet-e2e-')
        # A half-built session ends what it started, or its wineserver would
        # outlive the test and keep CTest waiting on the output it inherited.
        try:
            self.x = start_display(display_kind, self.root)
            self.bring_up(locale, virtual_desktop, dpi)
        except BaseException:
            self.close()
            raise

    def bring_up(self, locale, virtual_desktop, dpi):
        self.display = self.x.display
        self.prefix = os.path.join(self.root, 'prefix')
        shutil.copytree(template_prefix(self.display, self.arch, self.display_kind), self.prefix, symlinks=True,
                        ignore=shutil.ignore_patterns('wineserver'))
        self.app_dir = os.path.join(self.root, 'app')
        os.makedirs(self.app_dir)
        # Wine's virtual desktop draws a whole Windows desktop into one X
        # window: frames, captions and maximised windows as on Windows, and
        # display changes that reach the programs.
        with open(os.path.join(self.prefix, 'user.reg'), 'a') as f:
            f.write(icon_spacing_keys(ICON_CELL, ICON_ROWS_APART))
            if virtual_desktop:
                f.write(desktop_keys('Default' if virtual_desktop is True else virtual_desktop))
            if dpi:
                f.write(dpi_keys(dpi))
        self.env = base_env(self.prefix, self.display, self.arch)
        if locale:
            self.env['LC_ALL'] = locale
        # Start the prefix's server and its desktop before anything under test:
        # two programs starting a cold prefix at once race to bring it up, and
        # the loser exits. The server stays for the session, so it must not
        # hold the test's output open.
        subprocess.run(['wineserver', '-p'], env=self.env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                       timeout=60)
        self.probe('foreground')
        everywhere = self.monitors[-1]
        self.start_windows('Program Manager:0,0,%d,%d:desktop' % (everywhere[2], everywhere[3]))

    # --- files beside the program ---
    def path(self, name):
        return os.path.join(self.app_dir, name)

    def write(self, name, data):
        with open(self.path(name), 'wb') as f:
            f.write(data if isinstance(data, bytes) else data.encode())

    def read(self, name):
        with open(self.path(name), 'rb') as f:
            return f.read()

    # --- processes ---
    def probe(self, *args, timeout=60):
        """Asks the probe, which stays running for the session: (exit code, output)."""
        if self.prober is None or self.prober.poll() is not None:
            self.prober = subprocess.Popen([loader(self.arch, self.probe_exe), self.probe_exe, 'serve'],
                                           env=self.env, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                           stderr=subprocess.DEVNULL)
            self.procs.append(self.prober)
        self.prober.stdin.write(('\t'.join(args) + '\n').encode('latin-1'))
        self.prober.stdin.flush()
        out = b''
        deadline = time.monotonic() + timeout
        fd = self.prober.stdout.fileno()
        while b'\x1e' not in out or not out.endswith(b'\n'):
            ready, _, _ = select.select([fd], [], [], max(0, deadline - time.monotonic()))
            chunk = os.read(fd, 65536) if ready else b''
            if not chunk:
                self.prober.kill()
                raise subprocess.TimeoutExpired(['probe'] + list(args), timeout)
            out += chunk
        text, code = out.decode('latin-1').rsplit('\x1e', 1)
        return int(code.strip()), text

    def windows(self, cls):
        return [Window(l) for l in self.probe('windows', cls)[1].splitlines() if l]

    def bars(self):
        return [w for w in self.windows('CSashlet') if w.title in BAR_TITLES]

    def front(self):
        """The title of the window in front, or None."""
        line = self.probe('foreground')[1].strip()
        return line.rsplit('|', 4)[0] if line else None

    def wait_given_back(self, title):
        """Waits until `title` is in front again with the keyboard focus, as after a wipe Sashlet ended."""
        def back():
            code, out = self.probe('focus')
            return self.front() == title and code == 0 and out.rsplit('|', 4)[0] == title
        wait_until(back, SETTLE, message=lambda: '%s in front with the focus (in front: %s, focus: %s)' % (
            title, self.front(), self.probe('focus')[1].strip()))

    def activate(self, title):
        """Brings a window to the front, as a click on its taskbar button does, and waits until it is there."""
        self.probe('activate', title)
        self.wait_in_front(title)

    def wait_in_front(self, title):
        wait_until(lambda: self.front() == title, SETTLE, message=lambda: '%s in front (in front: %s)' % (
            title, self.front()))

    def find(self, title):
        code, out = self.probe('find', title)
        return Window(out.strip()) if code == 0 and out.strip() else None

    def shows(self, title):
        """Whether a window of that title is there and shown: a bar is made only once its edge shows."""
        window = self.find(title)
        return window is not None and window.visible

    def moves_landed(self, *titles):
        """Once Sashlet was seen handling a gesture (its bar moved, a window
        pushed), every move it posted has landed when it has answered a
        message, which it does only after the gesture's handler, and so has
        each program owning one of `titles`, which answers only after every
        move posted to it before. A program busy for longer than one probe's
        wait is asked again, until SETTLE."""
        for title in ([w.title for w in self.bars() if w.visible][:1] + list(titles)):
            wait_until(lambda: self.probe('answers', title)[0] == 0, SETTLE, message='%s to answer' % title)

    def settled(self, read, quiet=0.5, timeout=10):
        """Reads `read()` until it has stayed the same for `quiet` seconds; returns it."""
        deadline = time.monotonic() + timeout
        value, since = read(), time.monotonic()
        while time.monotonic() - since < quiet:
            if time.monotonic() > deadline:
                raise AssertionError('still changing after %.0f s: %r' % (timeout, value))
            time.sleep(0.05)
            now = read()
            if now != value:
                value, since = now, time.monotonic()
        return value

    def assert_unchanged(self, read, seconds, expected):
        """Reads `read()` again and again for `seconds`: every reading must be `expected`."""
        deadline = time.monotonic() + seconds
        while True:
            value = read()
            if value != expected:
                raise AssertionError('expected %r to hold for %.1f s, read %r' % (expected, seconds, value))
            if time.monotonic() > deadline:
                return
            time.sleep(0.05)

    # --- the screen ---
    def screenshot(self, label, pointer=False, arrow=None, crop=None):
        """The whole screen as a PNG in the artifacts. For the documents' pictures,
        `pointer` draws the mouse pointer where it is (X leaves it out of a
        screenshot), `arrow` a direction from one point to another, and `crop`
        keeps only that rectangle."""
        os.makedirs(ARTIFACTS, exist_ok=True)
        path = os.path.join(ARTIFACTS, '%s-%s.png' % (self.name, label))
        subprocess.run(['import', '-display', self.display, '-window', 'root', path], check=True, timeout=60)
        draw = []
        if arrow:
            (x1, y1), (x2, y2) = arrow
            head = '%d,%d %d,%d %d,%d' % (x2, y2, x2 - 14, y2 - 9, x2 - 14, y2 + 9)
            draw += ['-stroke', 'white', '-strokewidth', '4', '-draw', 'line %d,%d %d,%d' % (x1, y1, x2 - 12, y2),
                     '-stroke', 'white', '-fill', 'white', '-strokewidth', '1', '-draw', 'polygon ' + head]
        if pointer:
            out = subprocess.run(['xdotool', 'getmouselocation', '--shell'], env=self.env, stdout=subprocess.PIPE,
                                 check=True, timeout=60).stdout.decode()
            where = dict(line.split('=') for line in out.split())
            x, y = int(where['X']), int(where['Y'])
            shape = ((0, 0), (0, 17), (4, 13), (7, 20), (10, 19), (7, 12), (12, 12))
            draw += ['-stroke', 'black', '-fill', 'white', '-strokewidth', '1',
                     '-draw', 'polygon ' + ' '.join('%d,%d' % (x + dx, y + dy) for dx, dy in shape)]
        if crop:
            left, top, right, bottom = crop
            draw += ['-crop', '%dx%d+%d+%d' % (right - left, bottom - top, left, top), '+repage']
        if draw:
            subprocess.run(['convert', path] + draw + [path], check=True, timeout=60)
        return path

    @staticmethod
    def pixel(png, x, y):
        out = subprocess.run(['convert', png, '-crop', '1x1+%d+%d' % (x, y), '-depth', '8', 'txt:-'],
                             stdout=subprocess.PIPE, check=True).stdout.decode()
        # "0,0: (255,255,0)  #FFFF00  srgb(255,255,0)"
        rgb = out.splitlines()[1].split('(')[1].split(')')[0]
        return tuple(int(float(v)) for v in rgb.split(',')[:3])

    def close(self):
        if not os.path.exists(self.root):
            return
        if self.env:
            subprocess.run(['wineserver', '-k'], env=self.env, timeout=60)
            subprocess.run(['wineserver', '-w'], env=self.env, timeout=60)
        for p in self.procs:
            if p.poll() is None:
                p.kill()
            p.wait()
        if self.x:
            self.x.close()
        # Debian's Wine keeps the server's socket in a folder of /tmp that the
        # prefix names; it would outlive the prefix.
        try:
            with open(os.path.join(self.root, 'prefix', 'wineserver')) as f:
                socket_dir = f.read().strip()
        except OSError:
            socket_dir = ''
        if re.fullmatch(r'wine-\w{6}', socket_dir):
            shutil.rmtree(os.path.join('/tmp', socket_dir), ignore_errors=True)
        shutil.rmtree(self.root, ignore_errors=True)


class SessionTest(unittest.TestCase):
    """A test case with a fresh Session per test."""
    locale = None
    virtual_desktop = False
    dpi = None
    display_kind = XVFB
    session_options = {}

    def setUp(self):
        # Once in some hundreds of sessions Wine brings a fresh prefix up
        # without showing the stand-in desktop. Nothing under test runs yet,
        # so a second, fresh session is fair; two failures in a row are not.
        for attempt in (1, 2):
            try:
                self.s = Session(self.id().split('.', 1)[-1].replace('.', '-'), locale=self.locale,
                                 virtual_desktop=self.virtual_desktop, dpi=self.dpi, display_kind=self.display_kind,
                                 **self.session_options)
                break
            except AssertionError as e:
                if attempt == 2:
                    raise
                print('a fresh session, as the first did not come up: %s' % e, file=sys.stderr)
        self.addCleanup(self.s.close)

    def wipe_left_with_a_window(self):
        """Starts the program and a window at 10,100, double-clicks the Left bar, waits for the push."""
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', 150, 100)

    def assertWindowAt(self, title, left, top, size=None):
        """Waits for the window at left,top (and of `size`, when given), as posted moves land."""
        seen = []

        def there():
            seen[:] = [self.s.find(title)]
            w = seen[0]
            return w if w and (w.left, w.top) == (left, top) and (size is None or w.size == size) else None
        return wait_until(there, SETTLE, message=lambda: '%s at %d,%d%s (last seen %r; in front: %s)' % (
            title, left, top, '' if size is None else ' size %r' % (size,), seen and seen[0], self.s.front()))


def windows_path(unix_path):
    """The path a Windows program started from a Unix folder reports for itself."""
    return 'Z:' + os.path.abspath(unix_path).replace('/', '\\')
