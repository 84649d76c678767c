"""What a random trial does, and the rules its outcome is checked by: the
windows a trial lays out, the gesture it wipes with, where each window must
end. Plain arithmetic over rectangles, shared by the runner in trials.py."""
import random

from harness import EDGES, SCREEN, resource_id

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
