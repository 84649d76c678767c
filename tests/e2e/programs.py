"""The programs a session starts in its Wine prefix: Sashlet, and the test
windows' process, with what Wine said when one did not show. A mixin of
Session, which gives it `root`, `env`, `arch`, `app_dir`, `exe`, `testwin`,
`procs`, `bars`, `find`, `front`, `settled` and `screenshot`."""
import os
import shutil
import subprocess
import sys

from display import loader
from waiting import SETTLE, wait_until


class Programs:
    def wine(self, *args):
        """Starts a program; what Wine says about it goes to the session's log."""
        with open(os.path.join(self.root, 'wine.log'), 'ab') as log:
            p = subprocess.Popen([loader(self.arch, args[0])] + list(args), env=self.env, cwd=self.app_dir,
                                 stdout=log, stderr=log)
        self.procs.append(p)
        return p

    def not_shown(self, what, p):
        """Why a program's window did not come: its exit code and Wine's last words."""
        try:
            with open(os.path.join(self.root, 'wine.log'), 'rb') as log:
                said = log.read()[-600:].decode('latin-1').strip()
        except OSError:
            said = ''
        return AssertionError('%s did not show: exit code %r; Wine said %r' % (what, p.poll(), said))

    def start_sashlet(self, exe_dir=None, wait_for_bars=True):
        exe_dir = exe_dir or self.app_dir
        exe = os.path.join(exe_dir, 'Sashlet.exe')
        if not os.path.exists(exe):
            shutil.copy(self.exe, exe)
        previous = getattr(self, 'sashlet', None)
        p = self.wine(exe)
        self.sashlet = p
        if not wait_for_bars:
            return p
        # A copy already running hands over and ends; until it has, its
        # bars would pass for the new copy's, which may not stand yet.
        if previous and previous.poll() is None:
            wait_until(lambda: previous.poll() is not None, SETTLE, message='the running copy to hand over')
        # A gesture waits until every shown bar has its thickness and is
        # layered: a click may pass through a bar without thickness, and Wine
        # changes the X window of a bar as it becomes layered.
        seen = []

        def laid_out():
            seen[:] = self.bars()
            shown = [w for w in seen if w.visible]
            return p.poll() is None and shown and all(min(w.size) > 0 and w.opacity >= 0 for w in shown)
        try:
            wait_until(laid_out, 30, message='the bars laid out')
        except AssertionError:
            self.screenshot('no-bars')
            raise AssertionError('%s; bars %r' % (self.not_shown('Sashlet', p), seen)) from None
        # The start registers the keys after the bars show; Sashlet answers
        # a message only once it has done so and waits in its loop.
        self.moves_landed()
        return p

    def start_windows(self, *layouts, exe=None):
        """Starts a test process owning plain windows; waits until they exist,
        are shown as they will stay (a maximised or minimised window changes a
        moment after it exists), and the window in front has settled: a new
        program activates its window a moment later, and one that took the
        front in the middle of a gesture would end a wipe by the rules.
        Once in some hundreds of starts a test window never came: a test
        process that ended before its windows showed is started once more, as
        that is the stand-in's fault, not Sashlet's."""
        titles = []
        for layout in layouts:
            parts = layout.split(':')
            if parts[0] == 'many':
                titles.append('%s%d' % (parts[3] if len(parts) > 3 else 'many', int(parts[1]) - 1))
            else:
                titles.append(parts[0])
        for attempt in (1, 2):
            p = self.wine(exe or self.testwin, *layouts)
            for t in titles:
                try:
                    wait_until(lambda: self.find(t) or p.poll() is not None, 20, message='window ' + t)
                except AssertionError:
                    self.screenshot('not-shown')
                    raise self.not_shown('window ' + t, p) from None
            if p.poll() is None:  # an ended process has no windows left to find
                self.settled(lambda: (self.front(), [self.find(t) for t in titles]), quiet=0.3, timeout=SETTLE)
                return p
            if attempt == 2:
                raise self.not_shown('window ' + t, p)
            print('%s started again: %s' % (t, self.not_shown('window ' + t, p)), file=sys.stderr)
