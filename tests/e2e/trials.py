"""Random desktops, wiped and restored through the real Sashlet.exe as a person would.

Each trial lays out windows of every kind a desktop has, wipes an edge by a
random gesture, ends the wipe, and checks what Sashlet promises: windows
outside the wiped strip and an ignored program's windows never move, every
window ends exactly where and as it stood, Sashlet answers and its bars rest.
A share of the trials runs on two monitors with bars on both: windows on
either and across the edge they share, and the wipe on either monitor.

    trials.py [--count N] [--seed S] [--trial K [--two-monitors]]

A trial depends only on the seed, its number and its kind, so `--seed S
--trial K` replays exactly the trial a failure names.
"""
import argparse
import random
import shutil
import sys
import time
import unittest

from harness import EDGES, SCREEN, SETTLE, TWO_MONITORS, resource_id, wait_until, why_two_monitors_cannot_run, \
    windows_path
from test_options import OK, OptionsSession

W, H = SCREEN
D = 150             # the default wipe distance: twice the icon spacing of 75
MAX_DRAG = 250      # bars are dragged at most this far in, clear of the two windows below
OTHER = (300, 300, 150, 100)   # clicked to end a wipe
SOURCE = (560, 300, 150, 100)  # where a held button starts, as on a file
CENTRE = (280, 280, 730, 420)  # no random window covers these two
EDGE_CHECKS = {edge: resource_id('IDC_%s_CHECK' % edge.upper()) for edge in EDGES}
ALL_EDGES_INI = '[Sashlet]\r\nLeft=1\r\nRight=1\r\nTop=1\r\nBottom=1\r\n'
TWO_MONITOR_SHARE = 5  # one trial in this many runs on two monitors
SW_SHOWMAXIMIZED, SW_MINIMIZE = 3, 6


def layout(title, rect, options=()):
    return '%s:%d,%d,%d,%d%s' % ((title,) + tuple(rect) + ((':' + ','.join(options)) if options else '',))


# The second monitor stands right of the main one, so only x differs: `ox`
# is the left of the monitor a rule is asked about, 0 or W.
def bar_title(edge, ox=0):
    return 'Sashlet' + edge + (' 2' if ox else '')


def bar_point(edge, along, ox=0):
    """A point on a bar at rest, `along` its length."""
    return {'Left': (ox + 1, along), 'Right': (ox + W - 1, along), 'Top': (ox + along, 1),
            'Bottom': (ox + along, H - 1)}[edge]


def inward(edge, point, distance):
    x, y = point
    return {'Left': (x + distance, y), 'Right': (x - distance, y), 'Top': (x, y + distance),
            'Bottom': (x, y - distance)}[edge]


def on_the_screen(rect, ox=0, monitors=1):
    """True when the monitor at `ox` holds the larger part of the rectangle
    (the main one wins a tie), and at least as much as no monitor does, or all
    of the monitor lies inside it: a window mostly off it belongs elsewhere."""
    left, top, right, bottom = rect

    def shown(mx):
        return max(0, min(right, mx + W) - max(left, mx)) * max(0, min(bottom, H) - max(top, 0))
    lefts = [0, W][:monitors]
    mine = shown(ox)
    if left <= ox and top <= 0 and right >= ox + W and bottom >= H:
        return True
    if any(shown(mx) > mine or (shown(mx) == mine and mx < ox and mine) for mx in lefts if mx != ox):
        return False
    off = (right - left) * (bottom - top) - sum(shown(mx) for mx in lefts)
    return mine > 0 and mine >= off


def reaches(edge, rect, distance, ox=0, monitors=1):
    """True when the rectangle reaches into the strip `distance` deep along the
    edge of the monitor at `ox`, on that monitor: one wholly above or beside
    it is another monitor's, and one mostly off it is no screen's."""
    left, top, right, bottom = rect[0] - ox, rect[1], rect[2] - ox, rect[3]
    across = {'Left': left <= distance and right >= 0, 'Right': right >= W - distance and left <= W,
              'Top': top <= distance and bottom >= 0, 'Bottom': bottom >= H - distance and top <= H}[edge]
    along = top < H and bottom > 0 if edge in ('Left', 'Right') else left < W and right > 0
    return across and along and on_the_screen(rect, ox, monitors)


# Per edge: which side of a rectangle faces it, and which way a push moves that side.
NEAR_SIDE = {'Left': (0, 1), 'Right': (2, -1), 'Top': (1, 1), 'Bottom': (3, -1)}


def line_of(edge, distance, ox=0):
    return {'Left': ox + distance, 'Right': ox + W - distance, 'Top': distance, 'Bottom': H - distance}[edge]


def cleared(edge, home, now, line, exactly):
    """True when `now` is `home` slid straight off the edge's strip: its near
    side on the line (or past it, when not `exactly`), its size and its place
    along the edge unchanged."""
    side, inward = NEAR_SIDE[edge]
    shift = now[side] - home[side]
    slid = all(now[i] - home[i] == (shift if i % 2 == side % 2 else 0) for i in range(4))
    return slid and (now[side] == line if exactly else inward * (now[side] - line) >= 0)


def overlaps(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


class Plan:
    """Everything one trial does, drawn from its own generator."""

    def __init__(self, seed, trial, monitors=1):
        rng = random.Random('%s:%d' % (seed, trial) + (':two' if monitors == 2 else ''))
        self.monitors = monitors
        self.ox = rng.choice((0, W)) if monitors == 2 else 0
        self.edge = rng.choice(EDGES)
        self.gesture = rng.choices(('double', 'drag', 'hover', 'second', 'switched-off'),
                                   (35, 25, 20, 12, 8))[0]
        self.second = rng.choice([e for e in EDGES if e != self.edge])
        self.along = rng.randrange(200, 560)
        self.drag = [rng.randrange(40, MAX_DRAG)]
        if rng.random() < 0.5:
            self.drag.append(rng.randrange(0, self.drag[0]))
            if rng.random() < 0.5:
                self.drag.append(rng.randrange(self.drag[-1], MAX_DRAG))
        self.end = rng.choices(('click', 'activate', 'resolution'), (70, 22, 8))[0]
        if monitors == 2 and self.end == 'resolution':  # the test display's layout is fixed
            self.end = 'activate'

        self.state_change = rng.random() < 0.06 and self.gesture in ('double', 'second')
        self.hung = rng.random() < 0.05
        self.windows = []   # (title, rect, options)
        self.ignored = []
        used_max = False
        for i in range(rng.randrange(3, 9)):
            rect = self.random_rect(rng, monitors=monitors)
            options = []
            kind = rng.random()
            # Without a window manager (the two-monitor display has none),
            # Wine gives a maximised window filling a monitor its normal size
            # when it is moved, whichever program moves it; test_every_screen
            # pushes one that keeps its size.
            if kind < 0.08 and not used_max and monitors == 1:
                options.append('maximized')
                used_max = True
            elif kind < 0.14:
                options.append('minimized')
            elif kind < 0.2:
                options.append('hidden')
            if rng.random() < 0.4:
                options.append('caption')
            for extra, chance in (('topmost', 0.1), ('tool', 0.1), ('owned', 0.15 if i else 0)):
                if rng.random() < chance:
                    options.append(extra)
            self.windows.append(('w%d' % i, rect, options))
        for i in range(rng.randrange(0, 3)):
            self.ignored.append(('ign%d' % i, self.random_rect(rng, monitors=monitors), []))
        if self.hung:
            self.hung_window = ('hung', self.random_rect(rng, reach=self.edge, ox=self.ox), [])
        if self.end == 'resolution' and used_max:
            self.end = 'click'
        if self.gesture == 'hover':
            self.keep_bar_in_sight()

    def keep_bar_in_sight(self):
        """A held button wipes only where the bar is what the user sees: an
        always-on-top window made after the bars would cover the point held,
        and so would a window owned by one, which stands above its owner, and
        the caption of one minimised."""
        x, y = bar_point(self.edge, self.along, self.ox)
        on_top = False  # the window made before, which owns the next one made 'owned'
        # The virtual desktop parks minimised windows in a row of 160 by 24 along its bottom-left corner.
        parked = sum('minimized' in options for _, _, options in self.windows)
        in_parking_row = y >= H - 24 and x < 160 * parked
        for i, (title, (left, top, width, height), options) in enumerate(self.windows):
            on_top = 'topmost' in options or ('owned' in options and on_top)
            covers = 'maximized' in options or (left <= x < left + width and top <= y < top + height) or (
                'minimized' in options and in_parking_row)
            if on_top and covers:
                self.windows[i] = (title, (left, top, width, height),
                                   [o for o in options if o not in ('topmost', 'owned')])
                on_top = False

    @staticmethod
    def random_rect(rng, reach=None, monitors=1, ox=None):
        """On one monitor, reaching for one of its edges or none, or on two
        now and then across the edge they share."""
        while True:
            at = ox if ox is not None else rng.choice((0, W)) if monitors == 2 else 0
            if monitors == 2 and reach is None and rng.random() < 0.15:
                w, h = rng.randrange(60, 320), rng.randrange(50, 260)
                rect = (rng.randrange(W - w + 10, W - 10), rng.randrange(-20, H - 40), w, h)
                if not overlaps((rect[0], rect[1], rect[0] + w, rect[1] + h), CENTRE):
                    return rect
                continue
            edge = reach or rng.choice(EDGES + ('none',))
            w, h = rng.randrange(60, 320), rng.randrange(50, 260)
            if edge == 'Left':
                x, y = rng.choice((0, rng.randrange(-w + 10, 140))), rng.randrange(-20, H - 40)
            elif edge == 'Right':
                x, y = rng.choice((W - w, rng.randrange(W - 140, W - 10))), rng.randrange(-20, H - 40)
            elif edge == 'Top':
                x, y = rng.randrange(-20, W - 40), rng.choice((0, rng.randrange(-h + 10, 140)))
            elif edge == 'Bottom':
                x, y = rng.randrange(-20, W - 40), rng.choice((H - h, rng.randrange(H - 140, H - 10)))
            else:
                x, y = rng.randrange(-100, W), rng.randrange(-100, H)
            rect = (x + at, y, w, h)
            if not overlaps((x + at, y, x + at + w, y + h), CENTRE):
                return rect


class TrialRunner(OptionsSession):
    """One Sashlet and one prefix for all trials; a fresh start only after a failure or a hung program."""
    virtual_desktop = True
    seed = None
    count = 50
    only = None
    monitors = 1
    ini = ALL_EDGES_INI

    def setUp(self):
        super().setUp()
        self.ignored_exe = self.s.path('ignored.exe')
        shutil.copy(self.s.testwin, self.ignored_exe)
        self.start()

    def start(self):
        self.s.write('Sashlet.ini', self.ini)
        self.s.write('ignore.lst', windows_path(self.ignored_exe) + '\r\n')
        self.s.start_sashlet()
        self.s.start_windows(layout('other', OTHER), layout('source', SOURCE))
        self.rest = self.bar_rects()

    def restart(self):
        self.s.close()
        self.setUp()

    def bar_rects(self):
        return {w.title: w.rect for w in self.s.bars() if w.visible}

    def test_trials(self):
        seed = self.seed if self.seed is not None else int(time.time())
        trials = [self.only] if self.only is not None else range(self.count)
        kind = ' on two monitors' if self.monitors == 2 else ''
        print('trials%s: seed %s, %s' % (kind, seed, 'trial %d' % self.only if self.only is not None else
                                        '%d trials' % self.count), flush=True)
        failures = []
        started = time.monotonic()
        for k in trials:
            try:
                self.run_trial(Plan(seed, k, self.monitors))
            except Exception as e:  # one failed trial must not hide the others
                failures.append(k)
                replay = '--seed %s --trial %d%s' % (seed, k, ' --two-monitors' if self.monitors == 2 else '')
                print('trial FAILED%s: seed %s trial %d (replay: scripts/stress.sh %s): %s'
                      % (kind, seed, k, replay, e), flush=True)
                self.restart()
        print('trials%s: %d passed, %d failed of %d, seed %s, %.0f s'
              % (kind, len(trials) - len(failures), len(failures), len(trials), seed, time.monotonic() - started),
              flush=True)
        self.assertEqual(failures, [], 'failed trials of seed %s' % seed)

    # --- one trial ---
    def trial_windows(self):
        return {w.title: w for w in self.s.windows('SashletTestWindow')
                if w.title not in ('other', 'source', 'Program Manager')}

    def steady(self, readings=2):
        """The windows once posted moves have landed: `readings` readings alike."""
        seen = []
        deadline = time.monotonic() + 5
        while True:
            seen = seen[-(readings - 1):] + [{t: (w.rect, w.state, w.visible)
                                               for t, w in self.trial_windows().items()}]
            if (len(seen) == readings and all(r == seen[0] for r in seen)) or time.monotonic() > deadline:
                return seen[-1]
            time.sleep(0.15)

    def run_trial(self, plan):
        procs = [self.s.start_windows(*[layout(*w) for w in plan.windows])]
        if plan.ignored:
            procs.append(self.s.start_windows(*[layout(*w) for w in plan.ignored], exe=self.ignored_exe))
        if plan.hung:
            procs.append(self.s.start_windows(layout(*plan.hung_window)))
            self.assertEqual(self.s.probe('hang', 'hung')[0], 0)
            wait_until(lambda: self.s.probe('answers', 'hung')[0] == 1, 10, message='the program to stop answering')
        try:
            # Wine parks a window minimised at creation a moment later.
            homes = self.steady(readings=4)
            depth = {plan.edge: D}
            if plan.gesture == 'switched-off':
                self.switched_off_edge(plan, homes)
                return
            self.wipe(plan, depth)
            during = self.steady()
            self.check_wipe(plan, depth, homes, during)
            expected = dict(homes)
            if plan.state_change:
                self.change_state_while_pushed(homes, during, expected)
            self.end_wipe(plan)
            if plan.hung:
                self.assertEqual(self.s.probe('resume')[0], 0)
            def wrong():
                now = self.steady()
                return {t: (want, now.get(t)) for t, want in expected.items()
                        if not now.get(t) or (want[0] is not None and now[t] != want) or now[t][1:] != want[1:]}
            try:
                wait_until(lambda: not wrong(), 8, message='every window home')
            except AssertionError:
                raise AssertionError('windows not home (expected, now): %r' % wrong())
            self.assertIsNone(self.s.sashlet.poll(), 'Sashlet has ended')
            self.assertEqual(self.s.probe('answers', 'SashletLeft')[0], 0, 'Sashlet does not answer')
            wait_until(lambda: self.bar_rects() == self.rest, SETTLE, message='the bars at rest')
        finally:
            for p in procs:
                p.kill()
                p.wait()
            wait_until(lambda: not self.trial_windows(), 10, message="the trial's windows gone")

    def wiped_line(self, plan):
        """The edge that stands wiped, its line, and whether windows lie on it
        exactly; none when the second bar's own wipe was ended by the first's
        watch, which it may be, by the rules, when it comes within 100 ms."""
        edge = plan.second if plan.gesture == 'second' else plan.edge
        title = bar_title(edge, plan.ox)
        bar = self.s.find(title).rect
        if plan.gesture == 'drag':
            # Dragged back to its edge, the bar at home pushes what overlaps it, as a click does.
            side = {'Left': 2, 'Right': 0, 'Top': 3, 'Bottom': 1}[edge]
            return edge, bar[side], False
        if bar == self.rest[title]:
            self.assertEqual(plan.gesture, 'second', 'the bar went home during its own wipe')
            return None, None, True
        return edge, line_of(edge, D, plan.ox), True

    def check_wipe(self, plan, depth, homes, during):
        """Every window that reached into the wiped strip now clears it; the
        rest, and the hidden, minimised, ignored and hung ones, did not move."""
        edge, line, exactly = self.wiped_line(plan)
        distance = None if edge is None else abs(line - line_of(edge, 0, plan.ox))
        for title, (rect, state, visible) in homes.items():
            now = during[title][0]
            kept = title.startswith('ign') or title == 'hung' or not visible or state == 'minimized'
            if not kept and edge is not None and reaches(edge, rect, distance, plan.ox, plan.monitors):
                self.assertTrue(cleared(edge, rect, now, line, exactly), '%s did not clear the %s strip to %d: '
                                'from %r to %r' % (title, edge, line, rect, now))
            elif kept or not any(reaches(e, rect, d, plan.ox, plan.monitors) for e, d in depth.items()) or \
                    plan.gesture == 'second':
                self.assertEqual(now, rect, '%s moved during the wipe (%s)' % (title, 'kept' if kept else 'outside'))

    def wipe(self, plan, depth):
        edge = plan.edge
        point = bar_point(edge, plan.along, plan.ox)
        bar = bar_title(edge, plan.ox)
        if plan.gesture in ('double', 'second'):
            self.s.double_click_bar(bar, *point)
            wait_until(lambda: self.s.find(bar).rect != self.rest[bar], SETTLE, message='the bar out')
            if plan.gesture == 'second':
                self.steady()
                depth[plan.second] = D
                self.s.double_click_bar(bar_title(plan.second, plan.ox), *bar_point(plan.second, plan.along, plan.ox))
        elif plan.gesture == 'drag':
            steps = []
            for distance in plan.drag:
                steps += [inward(edge, point, distance // 2), inward(edge, point, distance)]
            self.s.drag_bar(bar, point, *steps)
            depth[edge] = max(plan.drag) + 2
        else:
            with self.s.holding(SOURCE[0] + 60, SOURCE[1] + 50):
                self.s.move_through(inward(edge, point, 200), point)
                wait_until(lambda: self.s.find(bar).rect != self.rest[bar], SETTLE, message='the held button to wipe')

    def change_state_while_pushed(self, homes, during, expected):
        """Its program maximises or minimises a pushed window: it keeps that state."""
        pushed = [t for t, (rect, state, visible) in homes.items()
                  if visible and state == 'normal' and during[t][0] != rect and not t.startswith('ign')]
        if not pushed:
            return
        title = pushed[0]
        command = SW_SHOWMAXIMIZED if len(title) % 2 else SW_MINIMIZE
        self.assertEqual(self.s.probe('show', title, str(command))[0], 0)
        state = 'maximized' if command == SW_SHOWMAXIMIZED else 'minimized'
        wait_until(lambda: self.s.find(title).state == state, SETTLE, message=title + ' ' + state)
        # The system places a minimised or maximised window, and Wine keeps no
        # restore position for another program's window: only the state is promised.
        expected[title] = (None, state, True)

    def uncovered_spot(self):
        """A point of the window 'other' that no trial window covers: a pushed
        window may now lie over it, and a click there could close that one."""
        covers = [w.rect for w in self.trial_windows().values() if w.visible]
        x0, y0, w, h = OTHER
        for y in range(y0 + 10, y0 + h - 5, 10):
            for x in range(x0 + 10, x0 + w - 5, 10):
                if not any(r[0] <= x < r[2] and r[1] <= y < r[3] for r in covers):
                    return x, y
        return None

    def end_wipe(self, plan):
        spot = self.uncovered_spot() if plan.end == 'click' else None
        if spot:
            self.s.click(*spot)
        elif plan.end in ('click', 'activate'):  # wholly covered, it comes up as from the taskbar
            self.s.activate('other')
        else:
            for size in ((800, 600), SCREEN):
                wait_until(lambda: self.s.probe('resolution', *map(str, size))[0] == 0, 20,
                           message='the screen at %dx%d' % size)

    def switched_off_edge(self, plan, homes):
        """An edge switched off in the options sheet never wipes, whatever is held over it."""
        self.set_edge(plan.edge, False)
        try:
            point = bar_point(plan.edge, plan.along, plan.ox)
            with self.s.holding(SOURCE[0] + 60, SOURCE[1] + 50):
                self.s.move_through(inward(plan.edge, point, 200), point)
                self.s.assert_unchanged(self.steady, 1.0, homes)
        finally:
            self.set_edge(plan.edge, True)

    def set_edge(self, edge, on):
        """Every edge is on between trials, so one click switches it either way;
        the menu comes from a bar that stays on."""
        menu_edge = 'Right' if edge == 'Left' else 'Left'
        self.open_options('Sashlet' + menu_edge, bar_point(menu_edge, 400))
        self.click(EDGE_CHECKS[edge])
        self.click(OK)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        # With no window manager, Wine holds the thread that hides a captioned
        # window up to 2 s, waiting for a manager to take it away: a held
        # button meanwhile meets a Sashlet that is not listening.
        wait_until(lambda: self.s.probe('answers', 'Sashlet' + menu_edge)[0] == 0, SETTLE,
                   message='Sashlet to answer once the sheet has gone')
        wait_until(lambda: self.s.find('Sashlet' + edge).visible == on, SETTLE, message='the bar shown or hidden')
        if on:
            wait_until(lambda: self.bar_rects() == self.rest, SETTLE, message='the bars at rest')


class TwoMonitorTrialRunner(TrialRunner):
    """The same trials with bars on both monitors of the two-monitor display,
    which has no virtual desktop."""
    virtual_desktop = False
    display_kind = TWO_MONITORS
    monitors = 2
    ini = ALL_EDGES_INI + 'EveryScreen=1\r\n'

    def setUp(self):
        reason = why_two_monitors_cannot_run()
        if reason:
            self.skipTest(reason)
        super().setUp()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('--count', type=int, default=50)
    parser.add_argument('--seed', type=int)
    parser.add_argument('--trial', type=int)
    parser.add_argument('--two-monitors', action='store_true', help='the trial named is a two-monitor one')
    args = parser.parse_args()
    seed = args.seed if args.seed is not None else int(time.time())
    runners = []
    if args.trial is None:
        two = max(1, args.count // TWO_MONITOR_SHARE)
        runners = [(TrialRunner, args.count - two, None), (TwoMonitorTrialRunner, two, None)]
    else:
        runners = [(TwoMonitorTrialRunner if args.two_monitors else TrialRunner, 1, args.trial)]
    suite = unittest.TestSuite()
    for runner, count, only in runners:
        runner.count, runner.seed, runner.only = count, seed, only
        suite.addTests(unittest.defaultTestLoader.loadTestsFromTestCase(runner))
    result = unittest.TextTestRunner(verbosity=2).run(suite)
    return 0 if result.wasSuccessful() else 1


if __name__ == '__main__':
    sys.exit(main())
