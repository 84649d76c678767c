#!/usr/bin/env python3
"""Shows what Sashlet is for on a virtual display: a desktop with icons and
application windows covering them, the Left bar double-clicked as a user
would, and the wipe ended again. Saves the screen before and after the wipe
and says whether the icons were uncovered and every window came home.

Usage: demo.py OUTPUT_DIR   (the SASHLET_* variables as for the tests)
"""
import os
import shutil
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
import harness  # noqa: E402
from test_pictures import SETTINGS, WINDOWS, covered_cells  # noqa: E402

D = 150  # twice the default horizontal icon spacing of 75


def main(out_dir):
    s = harness.Session('demo', virtual_desktop=True)
    try:
        s.write('Sashlet.ini', SETTINGS)
        s.start_sashlet()
        s.start_windows(*WINDOWS)
        s.raise_bar('SashletLeft')
        titles = [w.split(':')[0] for w in WINDOWS]
        homes = {t: s.settled(lambda: s.find(t)) for t in titles}
        before = os.path.join(out_dir, 'demo-before.png')
        shutil.copy(s.screenshot('before'), before)
        covered = covered_cells(before, s.pixel)
        s.double_click_bar('SashletLeft', 2, 700)
        harness.wait_until(lambda: s.find('SashletLeft').left == D, 10, message='the wipe')
        s.settled(lambda: [s.find(t) for t in titles])
        after = os.path.join(out_dir, 'demo-after.png')
        shutil.copy(s.screenshot('after'), after)
        still = covered_cells(after, s.pixel)
        print('Before the wipe: %s' % before)
        print('After a double-click on the left bar: %s' % after)
        print('The windows covered %d of the 12 desktop icons; after the wipe %d are covered.'
              % (len(covered), len(still)))
        # Clicking another window ends the wipe, as a user would.
        todo = homes['To do']
        s.click(todo.rect[2] - 40, todo.rect[3] - 30)
        try:
            harness.wait_until(lambda: all(s.find(t) == homes[t] for t in titles), 10, message='every window home')
            print('Wipe ended by a click on another window: every window is back where it stood.')
            home = True
        except AssertionError:
            print('Wipe ended, but not every window is back: %r' % {t: s.find(t) for t in titles})
            home = False
        return 0 if covered and not still and home else 1
    finally:
        s.close()


if __name__ == '__main__':
    sys.exit(main(sys.argv[1]))
