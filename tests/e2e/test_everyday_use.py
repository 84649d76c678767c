"""Everyday use beyond the plain gestures: an edge switched off, windows
maximised or minimised while pushed, a click on a pushed window's button, a
drag that brushes a bar, a second start with the menu open, a bar dragged
back, and where the options sheet opens."""
import time
import unittest

from harness import SCREEN, SETTLE, SessionTest, Window, wait_until
from test_options import OK, RIGHT_CHECK, OptionsSession

W, H = SCREEN
D = 150  # twice the default horizontal icon spacing of 75
SW_SHOWMAXIMIZED, SW_MINIMIZE, SW_RESTORE = 3, 6, 9


class SwitchedOffEdgeTest(OptionsSession):
    virtual_desktop = True

    def test_a_bar_switched_off_never_wipes(self):
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeft=1\r\nRight=1\r\n')
        self.s.start_sashlet()
        self.s.start_windows('src:700,200,324,300', 'a:900,600,100,100', 'l:10,500,200,100')
        self.open_options()
        self.click(RIGHT_CHECK)
        self.click(OK)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        wait_until(lambda: not self.s.shows('SashletRight'), SETTLE, message='the Right bar hidden')
        # A press held at the very edge, as on a maximised window's scroll bar.
        with self.s.holding(W - 1, 350):
            self.s.assert_unchanged(lambda: (self.s.find('src').left, self.s.find('a').left), 1.5, (700, 900))
        # Sashlet was listening all along: held over the Left bar, still on, it wipes.
        with self.s.holding(W - 1, 350):
            self.s.move_through((500, 350), (1, 350))
            self.assertWindowAt('l', D, 500)


class StateChangedWhilePushedTest(SessionTest):
    virtual_desktop = True

    def wipe(self, *layouts):
        self.s.start_sashlet()
        self.s.start_windows(*layouts)
        # A window is maximised or shown a moment after it exists.
        self.s.settled(lambda: [self.s.find(layout.split(':')[0]) for layout in layouts])
        self.s.double_click_bar('SashletLeft', 1, 700)

    def test_a_window_maximised_while_pushed_stays_maximised(self):
        self.wipe('a:10,100,300,200:caption')
        self.assertWindowAt('a', D, 100)
        self.assertEqual(self.s.probe('show', 'a', str(SW_SHOWMAXIMIZED))[0], 0)
        wait_until(lambda: self.s.find('SashletLeft').left == 0, SETTLE, message='the wipe to end')
        self.s.assert_unchanged(lambda: (self.s.find('a').state, self.s.find('a').rect), 1.0,
                                ('maximized', (-4, -4, W + 4, H + 4)))
        # Sashlet was listening all along: the next wipe pushes it, maximised as it is.
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', D, -4)

    def test_a_window_minimised_while_pushed_is_not_moved_as_an_icon(self):
        self.wipe('a:10,100,300,200:caption', 'b:20,400,200,100:caption')
        self.assertWindowAt('a', D, 100)
        self.assertEqual(self.s.probe('show', 'a', str(SW_MINIMIZE))[0], 0)
        # The system parks a minimised window a moment after minimising it.
        minimised = self.s.settled(lambda: (self.s.find('a').state, self.s.find('a').rect))
        self.assertEqual(minimised[0], 'minimized')
        self.assertNotEqual(minimised[1][:2], (10, 100), 'the icon was moved to where the window stood')
        self.s.click(D + 100, 450)
        self.assertWindowAt('b', 20, 400)
        self.s.assert_unchanged(lambda: (self.s.find('a').state, self.s.find('a').rect), 1.0, minimised)
        # Sashlet was listening all along: the next wipe pushes the other window again.
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('b', D, 400)

    def test_a_maximised_window_restored_while_pushed_keeps_its_own_place(self):
        self.wipe('max:100,100,300,200:maximized')
        self.assertWindowAt('max', D, -4)
        self.assertEqual(self.s.probe('show', 'max', str(SW_RESTORE))[0], 0)
        wait_until(lambda: self.s.find('SashletLeft').left == 0, SETTLE, message='the wipe to end')
        self.s.assert_unchanged(lambda: (self.s.find('max').state, self.s.find('max').left), 1.0, ('normal', 100))
        # Sashlet was listening all along: the next wipe pushes it from its own place.
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('max', D, 100)


class ClickOnPushedWindowTest(SessionTest):
    def test_a_button_in_a_pushed_window_fires_and_the_window_then_goes_home(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150:button')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', D, 100)
        # The press is held as long as people hold it.
        self.s.xdotool('mousemove', D + 40, 120, 'mousedown', 1, 'sleep', 0.2, 'mouseup', 1)
        self.assertWindowAt('a clicked', 10, 100)


class BrushedBarTest(SessionTest):
    def test_a_drag_that_brushes_a_bar_neither_stops_the_drag_wipe_nor_takes_the_focus(self):
        self.s.start_sashlet()
        self.s.start_windows('source:300,300,200,200', 'a:10,100,200,150')
        self.s.raise_bar('SashletLeft')
        # Each pass rests on the bar 0.1 s: the poll (every 0.2 s) notices some
        # of them, and its confirmation comes 0.3 s after that, when the pointer
        # has been gone 0.2 s at least. One xdotool run keeps the passes'
        # timing its own, however loaded the machine.
        passes = ['mousemove', 200, 600, 'mousemove', 1, 700, 'sleep', 0.1, 'mousemove', 200, 600, 'sleep', 0.4] * 5
        with self.s.holding(400, 400):
            self.s.xdotool(*passes)
            self.s.move_through((400, 500))
            time.sleep(0.6)
        self.assertEqual(self.s.probe('foreground')[1].split('|')[0], 'source')
        self.assertEqual(self.s.find('a').left, 10)
        with self.s.holding(400, 400):
            self.s.move_through((200, 600), (1, 700))
            self.assertWindowAt('a', D, 100)


class SecondStartWithMenuOpenTest(SessionTest):
    def test_the_running_copy_ends_though_its_menu_is_open(self):
        first = self.s.start_sashlet()
        self.s.open_menu('SashletLeft', 1, 400)
        self.s.start_sashlet(wait_for_bars=False)
        wait_until(lambda: first.poll() is not None, 15, message='the first copy to end')
        wait_until(lambda: len(self.s.x_windows('SashletLeft', only_visible=True)) == 1, 10, message='one bar')
        self.assertIsNone(self.s.sashlet.poll())


class BarDraggedBackTest(SessionTest):
    def test_windows_follow_a_bar_back_only_as_far_as_home(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,100,80', 'b:300,250,100,80', 'c:500,400,100,80', 'other:800,600,100,80')
        self.s.drag_bar('SashletLeft', (1, 700), (100, 700), (300, 700), (500, 700), (600, 700))
        bar = wait_until(lambda: (lambda b: b if b.left > 500 else None)(self.s.find('SashletLeft')), SETTLE,
                         message='the bar dropped')
        for title, top in (('a', 100), ('b', 250), ('c', 400)):
            self.assertWindowAt(title, bar.rect[2], top)
        self.s.drag_bar('SashletLeft', (bar.left + 1, 700), (400, 700), (200, 700), (0, 700))
        for title, left, top in (('a', 10, 100), ('b', 300, 250), ('c', 500, 400)):
            self.assertWindowAt(title, left, top)
        self.s.activate('other')
        self.assertWindowAt('SashletLeft', 0, 0)
        for title, left, top in (('a', 10, 100), ('b', 300, 250), ('c', 500, 400)):
            self.assertWindowAt(title, left, top)


class CentredSheetTest(OptionsSession):
    def test_the_options_sheet_opens_centred_clear_of_the_bars(self):
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeft=1\r\nTop=1\r\nWidth=10\r\n')
        self.s.start_sashlet()
        self.open_options()
        left, top, right, bottom = Window(self.s.probe('sheet')[1].splitlines()[0]).rect
        self.assertLessEqual(abs((left + right) - W), 2)
        self.assertLessEqual(abs((top + bottom) - H), 2)


if __name__ == '__main__':
    unittest.main()
