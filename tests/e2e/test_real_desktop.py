"""Desktops as users have them: maximised windows, windows flush with an edge,
a program that has stopped responding, a change of resolution, a running copy
that does not answer, and ignore lists edited by hand."""
import os
import shutil
import signal
import time
import unittest

from harness import SCREEN, SETTLE, TESTWIN, SessionTest, wait_until, windows_path

W, H = SCREEN
D = 150  # twice the default horizontal icon spacing of 75
ALL_EDGES = '[Sashlet]\r\nLeft=1\r\nRight=1\r\nTop=1\r\nBottom=1\r\n'


class MaximisedAndFlushTest(SessionTest):
    virtual_desktop = True

    def test_every_edge_brings_maximised_and_flush_windows_back_to_the_pixel(self):
        self.s.write('Sashlet.ini', ALL_EDGES)
        self.s.start_sashlet()
        # Each flush window, and each ordinary one reaching into a strip,
        # touches its own edge's strip and no other.
        self.s.start_windows('max:100,100,300,200:maximized', 'flushL:0,200,150,100:caption',
                             'flushR:%d,300,150,100:caption' % (W - 150), 'flushT:400,0,150,100:caption',
                             'flushB:600,%d,150,100:caption' % (H - 100), 'inL:30,500,100,80', 'inR:800,180,100,80',
                             'inT:500,30,100,80', 'inB:250,640,100,80', 'other:450,350,100,80')
        homes = {t: self.s.find(t) for t in ('max', 'flushL', 'flushR', 'flushT', 'flushB', 'inL', 'inR', 'inT',
                                             'inB', 'other')}
        self.assertEqual(homes['max'].state, 'maximized')
        self.assertLess(homes['max'].left, 0, 'a maximised window reaches past every edge')
        edges = {
            # bar, a point on it away from the corners, the windows it pushes,
            # and the side of a window that must lie on the wipe line
            'Left': ((1, 420), ('max', 'flushL', 'inL'), lambda r: r[0] == D),
            'Right': ((W - 1, 500), ('max', 'flushR', 'inR'), lambda r: r[2] == W - D),
            'Top': ((700, 1), ('max', 'flushT', 'inT'), lambda r: r[1] == D),
            'Bottom': ((450, H - 1), ('max', 'flushB', 'inB'), lambda r: r[3] == H - D),
        }
        for edge, (point, pushed, on_line) in edges.items():
            with self.subTest(edge):
                self.s.double_click_bar('Sashlet' + edge, *point)
                for title in pushed:
                    # Its inner side on the line, its size and its other axis unchanged.
                    moved = wait_until(lambda: (lambda w: w if on_line(w.rect) else None)(self.s.find(title)), SETTLE,
                                       message='%s on the %s line' % (title, edge))
                    self.assertEqual(moved.size, homes[title].size)
                    axis = 1 if edge in ('Left', 'Right') else 0
                    self.assertEqual(moved.rect[axis], homes[title].rect[axis])
                for title in homes.keys() - set(pushed):
                    self.assertWindowAt(title, homes[title].left, homes[title].top)
                self.s.activate('other')
                for title, home in homes.items():
                    back = self.assertWindowAt(title, home.left, home.top, size=home.size)
                    self.assertEqual(back.state, home.state, title)


class StoppedRespondingTest(SessionTest):
    def test_a_hung_program_does_not_stop_wipes_and_its_window_ends_at_home(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,100', 'b:0,450,200,100', 'other:500,300,100,100')
        self.s.start_windows('hung:20,250,200,100:log')
        # The hung program even holds the foreground when the user turns to the bar.
        self.s.activate('hung')
        self.assertEqual(self.s.probe('hang', 'hung')[0], 0)
        wait_until(lambda: self.s.probe('answers', 'hung')[0] == 1, 10, message='the program to stop answering')
        for attempt in range(2):
            with self.subTest(attempt=attempt):
                self.s.double_click_bar('SashletLeft', 1, 700)
                self.assertWindowAt('SashletLeft', D, 0)
                self.assertWindowAt('a', D, 100)
                self.assertWindowAt('b', D, 450)
                self.assertEqual(self.s.find('hung').left, 20)
                self.s.click(550, 350)
                self.assertWindowAt('a', 10, 100)
                self.assertWindowAt('b', 0, 450)
                self.assertWindowAt('SashletLeft', 0, 0)
        self.assertEqual(self.s.probe('resume')[0], 0)
        # It catches up on every move in order: out, back, out, back.
        self.assertWindowAt('hung', 20, 250)
        moves = self.s.settled(lambda: self.s.read('hung.moves').split() if os.path.exists(self.s.path('hung.moves'))
                               else [], quiet=1.0)
        self.assertEqual(moves[-4:], [b'%d,250' % D, b'20,250', b'%d,250' % D, b'20,250'])


class DisplayChangeTest(SessionTest):
    virtual_desktop = True

    def change_resolution(self, width, height):
        # On a loaded machine Wine has been seen refusing a mode change at the
        # first try; a person would simply try again.
        wait_until(lambda: self.s.probe('resolution', str(width), str(height))[0] == 0, 20,
                   message='the screen at %dx%d' % (width, height))

    def bars_at(self, expected):
        def current():
            bars = {w.title: w.rect for w in self.s.bars() if w.visible}
            return bars if bars == expected else None
        return wait_until(current, 10, message='bars at %r (now %r)' % (expected, self.s.bars()))

    def test_bars_follow_a_new_screen_size_and_moved_windows_come_back(self):
        ini = ALL_EDGES + 'Width=4\r\nOffset=320\r\n'
        self.s.write('Sashlet.ini', ini)
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150', 'other:400,300,100,100')
        self.bars_at({'SashletLeft': (0, 320, 4, 448), 'SashletRight': (1020, 320, 1024, 448),
                      'SashletTop': (320, 0, 704, 4), 'SashletBottom': (320, 764, 704, 768)})
        self.s.double_click_bar('SashletLeft', 2, 400)
        self.assertWindowAt('a', D, 100)
        self.change_resolution(800, 600)
        self.assertWindowAt('a', 10, 100)
        # A margin of 320 is more than half of 600, so the load rules drop it
        # on this screen, as they would at a start on it.
        self.bars_at({'SashletLeft': (0, 0, 4, 600), 'SashletRight': (796, 0, 800, 600),
                      'SashletTop': (0, 0, 800, 4), 'SashletBottom': (0, 596, 800, 600)})
        self.s.screenshot('800x600')
        self.assertEqual(self.s.read('Sashlet.ini'), ini.encode())
        # A key written into the file meanwhile holds from the next change of
        # the displays, which reads the file again.
        self.s.write('Sashlet.ini', ini + 'LeftKey=Ctrl+Alt+K\r\n')
        # The user's window keeps the foreground.
        self.s.activate('other')
        self.change_resolution(1024, 768)
        self.bars_at({'SashletLeft': (0, 320, 4, 448), 'SashletRight': (1020, 320, 1024, 448),
                      'SashletTop': (320, 0, 704, 4), 'SashletBottom': (320, 764, 704, 768)})
        self.assertEqual(self.s.probe('foreground')[1].split('|')[0], 'other')
        self.s.keys('ctrl+alt+k')
        self.assertWindowAt('a', D, 100)
        self.s.activate('other')
        self.assertWindowAt('a', 10, 100)
        # Wiping still works on the new layout.
        self.s.double_click_bar('SashletRight', W - 2, 400)
        self.assertWindowAt('SashletRight', W - D, 320)


class FrozenCopyTest(SessionTest):
    def test_a_second_start_does_not_hang_on_a_copy_that_does_not_answer(self):
        first = self.s.start_sashlet()
        self.assertEqual(len(self.s.x_windows('SashletLeft', only_visible=True)), 1)
        os.kill(first.pid, signal.SIGSTOP)
        try:
            started = time.monotonic()
            self.s.start_sashlet(wait_for_bars=False)
            wait_until(lambda: len(self.s.x_windows('SashletLeft', only_visible=True)) == 2, 15,
                       message="the new copy's bar")
            self.assertLess(time.monotonic() - started, 8)
        finally:
            os.kill(first.pid, signal.SIGCONT)
        # Thawed, the old copy finds the hand-over waiting and ends.
        wait_until(lambda: first.poll() is not None, 20, message='the old copy to end')
        self.assertEqual(first.returncode, 0)
        self.assertIsNone(self.s.sashlet.poll())
        wait_until(lambda: len(self.s.x_windows('SashletLeft', only_visible=True)) == 1, 10,
                   message='one bar left')


class HandEditedListTest(SessionTest):
    def test_a_list_without_final_line_break_or_with_a_byte_order_mark_still_ignores(self):
        other_exe = self.s.path('other.exe')
        shutil.copy(TESTWIN, other_exe)
        self.s.start_windows('kept:10,100,200,100')
        self.s.start_windows('moved:10,300,200,100', exe=other_exe)
        listed = windows_path(TESTWIN).encode()
        for label, data in (('no line break', listed), ('byte-order mark', b'\xef\xbb\xbf' + listed + b'\r\n')):
            with self.subTest(label):
                self.s.write('ignore.lst', data)
                p = self.s.start_sashlet()
                self.s.double_click_bar('SashletLeft', 1, 700)
                self.assertWindowAt('moved', D, 300)
                self.s.moves_landed('kept')
                self.assertEqual(self.s.find('kept').left, 10)
                # Clicking the ignored program's window keeps the wipe.
                self.s.activate('kept')
                self.s.assert_unchanged(lambda: self.s.find('moved').left, 0.5, D)
                self.s.click(250, 350)
                self.assertWindowAt('moved', 10, 300)
                self.s.probe('destroy', 'Sashlet')
                wait_until(lambda: p.poll() is not None, 20, message='the program to end')


if __name__ == '__main__':
    unittest.main()
