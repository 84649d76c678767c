"""The gestures a person makes, through xdotool on the session's display:
clicks, keys, double-clicks and drags on the bars, buttons held while
carrying an item, and the bars' menu. A mixin of Session, which gives it
`env`, `windows` and `wait_in_front`."""
import contextlib
import subprocess

from waiting import SETTLE, wait_until


class Gestures:
    def xdotool(self, *args):
        subprocess.run(['xdotool'] + [str(a) for a in args], env=self.env, check=True, timeout=60)

    def x_windows(self, title, only_visible=False):
        """X windows whose name is exactly `title`, found without asking Wine,
        which may be waiting on a program that does not answer."""
        args = ['xdotool', 'search'] + (['--onlyvisible'] if only_visible else []) + ['--name', '^%s$' % title]
        r = subprocess.run(args, env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, timeout=60)
        return r.stdout.split()

    def raise_bar(self, title):
        """Wine does not keep another process's topmost window above later ones
        in X, where real clicks land; a person sees the bar on top. Wine may
        replace a window's X window just as it is found, so try again then."""
        wait_until(lambda: subprocess.run(['xdotool', 'search', '--name', '^%s$' % title, 'windowraise'],
                                          env=self.env, stderr=subprocess.DEVNULL, timeout=60).returncode == 0,
                   5, message='the bar %s to be raised' % title)

    def click(self, x, y, button=1):
        self.xdotool('mousemove', x, y, 'click', button)

    def keys(self, *names):
        self.xdotool('key', *names)

    def double_click_bar(self, title, x, y):
        """Double-clicks the bar, and waits until it has come to the front, as its wipe makes it."""
        self.raise_bar(title)
        self.xdotool('mousemove', x, y, 'click', '--repeat', 2, '--delay', 80, 1)
        self.wait_in_front(title)

    def drag_bar(self, title, start, *path):
        """Presses on the bar at `start`, moves through `path` and lets go. The
        press brings the bar to the front, which its wipe keeps there."""
        self.raise_bar(title)
        self.xdotool('mousemove', start[0], start[1], 'mousedown', 1)
        try:
            self.wait_in_front(title)
            self.move_through(*path)
        finally:
            self.xdotool('mouseup', 1)

    def move_through(self, *points):
        for x, y in points:
            self.xdotool('mousemove', x, y)

    def leave_and_come_back(self, away, back):
        """Moves the pointer off a bar to `away`, and after a person's pause
        back onto it at `back`: Wine notices the pointer leaving a window by
        polling, so a quicker return goes unseen."""
        self.xdotool('mousemove', away[0], away[1], 'sleep', 0.6, 'mousemove', back[0], back[1])

    @contextlib.contextmanager
    def holding(self, x, y, button=1):
        """Presses a button (1 left, 3 right) at x,y, as on an item to drag, and
        keeps it down until the block ends. The pause is a person's: Wine
        notices the pointer leaving a window by polling, so a quicker move goes unseen."""
        self.xdotool('mousemove', x, y, 'mousedown', button, 'sleep', 0.6)
        try:
            yield
        finally:
            self.xdotool('mouseup', button)

    def open_menu(self, title, x, y):
        """Right-clicks the bar at x,y and waits for its menu."""
        self.raise_bar(title)
        self.click(x, y, 3)
        wait_until(lambda: self.windows('#32768'), SETTLE, message='the context menu')

