"""Beyond one screen and one window: windows on other monitors, a full-screen
program in front, the end of the session in the middle of a wipe, a bar drag
cancelled with Escape, and copies started all at once."""
import os
import time
import unittest

from harness import SCREEN, SETTLE, SessionTest, wait_until

W, H = SCREEN
D = 150  # twice the icon spacing of 75


def two_bars(left='Left', other='Top'):
    return '[Sashlet]\r\n%s=1\r\n%s=1\r\n' % (left, other)


class OtherMonitorsTest(SessionTest):
    def test_windows_beside_or_below_the_screen_stay_on_their_monitor(self):
        self.s.write('Sashlet.ini', two_bars())
        self.s.start_sashlet()
        # Wine takes windows wholly outside its one screen, as a second monitor would hold them.
        # A window with 8 px on the screen lies mostly on no monitor: it is no window of this screen.
        self.s.start_windows('a:10,100,200,150', 'below:20,%d,200,150' % (H + 50), 'right:%d,10,200,150' % (W + 40),
                             'other:500,300,100,100', 'sliver:-600,100,608,400')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', D, 100)
        self.s.assert_unchanged(lambda: (self.s.find('below').left, self.s.find('sliver').left), 0.5, (20, -600))
        self.s.click(550, 350)
        self.assertWindowAt('a', 10, 100)
        self.s.double_click_bar('SashletTop', 900, 1)
        self.assertWindowAt('a', 10, D)
        self.s.assert_unchanged(lambda: self.s.find('right').top, 0.5, 10)


class FullScreenProgramTest(SessionTest):
    def test_bars_step_aside_for_a_full_screen_program_and_come_back_after(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150', 'source:400,300,200,150')
        film = self.s.start_windows('film:0,0,%d,%d:topmost' % SCREEN)
        self.s.activate('film')
        wait_until(lambda: not self.s.find('SashletLeft').visible, SETTLE, message='the bar to step aside')
        # A held click at the film's left edge, as on a seek bar, moves nothing.
        with self.s.holding(1, 400):
            self.s.assert_unchanged(lambda: (self.s.find('film').left, self.s.find('a').left), 1.5, (0, 10))
        film.kill()
        film.wait()
        wait_until(lambda: self.s.find('SashletLeft').visible, SETTLE, message='the bar back')
        self.assertEqual(self.s.probe('at', '1', '400')[1].split('|')[0], 'SashletLeft', 'the bar back on top')
        with self.s.holding(500, 350):
            self.s.move_through((200, 400), (1, 400))
            self.assertWindowAt('a', D, 100)

    def test_a_held_button_wipes_only_where_the_bar_is_what_the_user_sees(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150', 'source:400,300,200,150', 'palette:0,350,80,100:topmost,tool',
                             'veil:0,550,80,100:topmost,clickthrough')
        with self.s.holding(500, 350):
            self.s.move_through((200, 400), (1, 400))
            self.s.assert_unchanged(lambda: self.s.find('a').left, 1.0, 10)
            # A click-through window, as the picture of a dragged file is, covers nothing.
            self.s.move_through((1, 600))
            self.assertWindowAt('a', D, 100)


class SessionEndTest(SessionTest):
    def test_the_end_of_the_session_finds_every_pushed_window_home(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150:log', 'b:0,400,200,100:log')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', D, 100)
        self.assertWindowAt('b', D, 400)
        self.assertEqual(self.s.probe('end-session'), (0, ''), 'no program refuses the end')
        # Each program saw its window home before it heard the session end.
        for title, home in (('a', b'10,100'), ('b', b'0,400')):
            moves = self.s.read(title + '.moves').split()
            self.assertEqual(moves[-2:], [home, b'ending'], title)


class CancelledBarDragTest(SessionTest):
    def test_escape_during_a_bar_drag_pushes_nothing_past_the_bar_at_home(self):
        self.s.write('Sashlet.ini', two_bars())
        self.s.start_sashlet()
        self.s.start_windows('a:1,100,300,200', 'b:300,300,100,100')
        self.s.raise_bar('SashletLeft')
        self.s.xdotool('mousemove', 1, 600, 'mousedown', 1)
        try:
            self.s.move_through((100, 600), (250, 600), (400, 600))
            self.assertWindowAt('SashletLeft', 399, 0)
            self.s.keys('Escape')
        finally:
            self.s.xdotool('mouseup', 1)
        self.assertWindowAt('SashletLeft', 0, 0)
        # Only what reaches past the bar at rest lies on its inner side.
        self.assertWindowAt('a', 2, 100)
        self.s.assert_unchanged(lambda: (self.s.find('a').left, self.s.find('b').left), 0.5, (2, 300))


class QuickStartsTest(SessionTest):
    def test_three_starts_at_once_leave_one_copy(self):
        first = self.s.start_sashlet()
        for attempt in range(4):
            with self.subTest(attempt=attempt):
                copies = [self.s.start_sashlet(wait_for_bars=False) for _ in range(3)]
                # Every copy but one hands over and ends; the one left shows its bars.
                wait_until(lambda: sum(p.poll() is None for p in copies + [first]) == 1, 20,
                           message='one copy left')
                wait_until(lambda: len(self.s.x_windows('SashletLeft', only_visible=True)) == 1, 10,
                           message='one Left bar')
                time.sleep(1)
                running = [p for p in copies + [first] if p.poll() is None]
                self.assertEqual(len(running), 1)
                self.assertEqual(len(self.s.windows('CSashlet')), 2, 'one main window and the one bar shown')
                first = running[0]


if __name__ == '__main__':
    unittest.main()
