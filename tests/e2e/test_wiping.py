"""Wiping by hand: double-click, bar drag, drag-and-drop hover, restore, menu."""
import shutil
import unittest

from harness import SCREEN, SETTLE, TESTWIN, SessionTest, wait_until, windows_path

W, H = SCREEN
D = 150  # twice the default horizontal icon spacing of 75


class WipeByDoubleClickTest(SessionTest):
    def wipe_and_restore(self, edge, click, windows, expect_pushed, expect_stays, bar_at):
        flags = {'Left': 0, edge: 1}
        self.s.write('Sashlet.ini', '[Sashlet]\r\n' + ''.join('%s=%d\r\n' % kv for kv in flags.items()))
        self.s.start_sashlet()
        self.s.start_windows(*windows, 'other:400,300,100,100')
        homes = {t: self.s.find(t) for t in list(expect_pushed) + list(expect_stays)}
        self.s.double_click_bar('Sashlet' + edge, *click)
        self.assertWindowAt('Sashlet' + edge, *bar_at)
        for title, pos in expect_pushed.items():
            self.assertWindowAt(title, *pos, size=homes[title].size)
        for title in expect_stays:
            self.assertWindowAt(title, homes[title].left, homes[title].top)
        self.s.screenshot('wiped')
        # Any other window coming to the front puts everything back.
        self.s.activate('other')
        for title, home in homes.items():
            self.assertWindowAt(title, home.left, home.top, size=home.size)
        bar = self.s.find('Sashlet' + edge)
        self.assertNotEqual((bar.left, bar.top), bar_at)

    def test_left(self):
        self.wipe_and_restore('Left', (1, 700), ['a:10,100,200,150', 'b:151,300,100,100'],
                              {'a': (150, 100)}, ['b'], (150, 0))

    def test_right(self):
        self.wipe_and_restore('Right', (W - 1, 700), ['a:%d,100,200,150' % (W - 210), 'b:%d,300,100,100' % (W - 251)],
                              {'a': (W - 150 - 200, 100)}, ['b'], (W - 150, 0))

    def test_top(self):
        self.wipe_and_restore('Top', (900, 1), ['a:100,10,200,150', 'b:400,151,100,100'],
                              {'a': (100, 150)}, ['b'], (0, 150))

    def test_bottom(self):
        self.wipe_and_restore('Bottom', (900, H - 1), ['a:100,%d,200,150' % (H - 160), 'b:600,%d,100,100' % (H - 251)],
                              {'a': (100, H - 150 - 150)}, ['b'], (0, H - 150))

    def test_escape_gives_the_front_back_and_clicking_another_window_restores(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150', 'other:500,300,100,100')
        self.s.activate('other')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', 150, 100)
        self.s.xdotool('mousemove', 151, 500, 'key', 'Escape')
        self.assertWindowAt('a', 10, 100)
        self.s.wait_given_back('other')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', 150, 100)
        self.s.click(550, 350)
        self.assertWindowAt('a', 10, 100)
        self.assertWindowAt('SashletLeft', 0, 0)


class WipeDistanceTest(SessionTest):
    def test_open_width_counts_icon_spacings_across_the_screen_on_every_edge(self):
        # The prefix's icon spacing is 75 px across and 100 px down; every edge
        # opens by the one across.
        self.s.start_windows('a:10,100,200,150', 'flush:-8,400,200,100', 't:400,10,100,100', 'other:600,500,100,100')
        for open_width, line in ((0, 0), (1, 75), (5, 375)):
            with self.subTest(open_width=open_width):
                self.s.write('Sashlet.ini', '[Sashlet]\r\nTop=1\r\nOpenWidth=%d\r\n' % open_width)
                self.s.start_sashlet()
                self.s.double_click_bar('SashletLeft', 1, 700)
                # Nothing reaches past an edge opened by 0 but what overhangs it.
                self.assertWindowAt('flush', line, 400)
                self.assertWindowAt('a', max(10, line), 100)
                self.assertWindowAt('SashletLeft', line, 0)
                self.s.activate('other')
                self.assertWindowAt('flush', -8, 400)
                self.s.double_click_bar('SashletTop', 900, 1)
                self.assertWindowAt('t', 400, max(10, line))
                self.s.activate('other')
                self.assertWindowAt('t', 400, 10)


class WipeKeepsTest(SessionTest):
    def test_ignored_application_is_not_moved_and_keeps_the_wipe(self):
        self.s.write('ignore.lst', windows_path(TESTWIN).upper() + '\r\n')
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeftKey=Ctrl+Alt+L\r\n')
        self.s.start_sashlet()
        self.s.start_windows('ignored:10,100,200,150')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('SashletLeft', 150, 0)
        self.assertWindowAt('ignored', 10, 100)
        self.s.activate('ignored')
        # Several watch periods later the wipe still stands.
        self.s.assert_unchanged(lambda: self.s.find('SashletLeft').left, 0.5, 150)
        # Sashlet was listening all along: the edge's key ends the wipe.
        self.s.keys('ctrl+alt+l')
        self.assertWindowAt('SashletLeft', 0, 0)

    def test_an_ignored_program_with_many_windows_keeps_them_all_in_place(self):
        other_exe = self.s.path('other.exe')
        shutil.copy(TESTWIN, other_exe)
        self.s.write('ignore.lst', windows_path(TESTWIN) + '\r\n')
        self.s.start_sashlet()
        self.s.start_windows('many:15:10,100,120,80:near', 'many:15:400,300,120,80:far')
        self.s.start_windows('a:20,500,100,80', 'b:0,620,100,80', 'c:600,500,100,80', exe=other_exe)
        ignored = ['near%d' % i for i in range(15)] + ['far%d' % i for i in range(15)]
        homes = {t: self.s.find(t) for t in ignored + ['a', 'b', 'c']}
        self.s.double_click_bar('SashletLeft', 1, 400)
        self.assertWindowAt('a', D, 500)
        self.assertWindowAt('b', D, 620)
        for title in ignored + ['c']:
            self.assertEqual((self.s.find(title).left, self.s.find(title).top), (homes[title].left, homes[title].top),
                             title)
        self.s.click(650, 540)
        for title, home in homes.items():
            self.assertWindowAt(title, home.left, home.top)
        self.assertWindowAt('SashletLeft', 0, 0)

    def test_clicking_the_desktop_keeps_the_wipe(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', D, 100)
        # The desktop itself, "Program Manager", is never pushed.
        self.assertWindowAt('Program Manager', 0, 0)
        self.s.click(700, 600)
        wait_until(lambda: self.s.probe('foreground')[1].startswith('Program Manager|'), SETTLE,
                   message='the desktop in front')
        self.s.assert_unchanged(lambda: self.s.find('a').left, 0.5, D)
        self.s.click(D + 50, 150)
        self.assertWindowAt('a', 10, 100)


class BarDragTest(SessionTest):
    def test_dragging_a_bar_inward_pushes_onto_its_inner_side_and_back_pulls(self):
        self.s.write('Sashlet.ini', '[Sashlet]\r\nWidth=4\r\nOffset=20\r\n')
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150', 'b:300,300,100,100')
        self.s.activate('b')
        self.s.drag_bar('SashletLeft', (2, 700), (40, 650), (120, 500), (200, 400), (246, 380))
        bar = self.assertWindowAt('SashletLeft', 244, 20, size=(4, H - 40))
        inner = bar.rect[2]
        self.assertWindowAt('a', inner, 100, size=(200, 150))
        self.assertWindowAt('b', 300, 300)
        # Dragging it back toward the edge pulls the moved window along.
        self.s.drag_bar('SashletLeft', (246, 700), (200, 700), (120, 700), (82, 700))
        bar = self.assertWindowAt('SashletLeft', 80, 20)
        self.assertWindowAt('a', bar.rect[2], 100)
        # Dragged all the way home, it ends the wipe and gives the front back.
        self.s.drag_bar('SashletLeft', (82, 700), (40, 700), (2, 700))
        self.assertWindowAt('SashletLeft', 0, 20)
        self.assertWindowAt('a', 10, 100)
        self.s.wait_given_back('b')


class DragHoverTest(SessionTest):
    def test_holding_either_button_over_a_bar_wipes(self):
        self.s.start_sashlet()
        self.s.start_windows('source:300,300,200,200', 'a:10,100,200,150', 'other:700,100,100,100')
        self.s.raise_bar('SashletLeft')
        # Press on another window, carry the item onto the bar and hold it there.
        for button in (1, 3):
            with self.subTest(button=button):
                with self.s.holding(400, 400, button):
                    self.s.move_through((200, 600), (1, 700))
                    self.assertWindowAt('SashletLeft', D, 0)
                    self.assertWindowAt('a', D, 100)
                self.s.activate('other')
                self.assertWindowAt('a', 10, 100)

    def test_a_pointer_resting_on_a_bar_without_a_button_never_wipes(self):
        # A held button wipes within the 0.2 s poll and the 0.3 s confirmation;
        # the pointer rests three times as long. Without HoverDelay in the
        # file, a rest wipes nothing.
        rest = 1.5
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150', 'menu:300,300,200,200:menu')
        self.s.raise_bar('SashletLeft')
        self.s.move_through((1, 700))
        self.s.assert_unchanged(lambda: self.s.find('a').left, rest, 10)
        # With another program's menu open, its loop keeps the mouse, so the
        # bar hears nothing and only the poll looks at the pointer on it.
        self.s.click(400, 400, 3)
        wait_until(lambda: [w for w in self.s.windows('#32768') if w.visible], SETTLE, message='the menu')
        self.s.move_through((200, 600), (1, 700))
        self.s.assert_unchanged(lambda: self.s.find('a').left, rest, 10)
        # Sashlet was listening all along: the menu closed, a double-click wipes.
        self.s.click(700, 600)
        wait_until(lambda: not [w for w in self.s.windows('#32768') if w.visible], SETTLE, message='the menu gone')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', D, 100)

    def test_a_pointer_resting_on_a_bar_for_its_delay_wipes_once_until_it_comes_back(self):
        self.s.write('Sashlet.ini', '[Sashlet]\r\nHoverDelay=400\r\n')
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150', 'other:500,300,100,100')
        self.s.activate('other')
        self.s.raise_bar('SashletLeft')
        # A pass across the bar quicker than the delay wipes nothing.
        self.s.xdotool('mousemove', 300, 400, 'mousemove', 1, 400, 'mousemove', 300, 400)
        self.s.assert_unchanged(lambda: self.s.find('a').left, 0.8, 10)
        # Moving along the bar, a step quicker than the delay each, does not
        # start the rest again: it wipes while the pointer still moves.
        steps = []
        for y in range(300, 600, 20):
            steps += ['mousemove', 1, y, 'sleep', 0.1]
        self.s.xdotool(*steps)
        self.assertEqual(self.s.find('a').left, D, 'wiped before the pointer stopped moving along the bar')
        self.s.wait_in_front('SashletLeft')
        # Ended with the pointer still where the bar rests, it does not wipe
        # again there, until the pointer has left it and come back.
        self.s.activate('other')
        self.assertWindowAt('a', 10, 100)
        self.s.assert_unchanged(lambda: self.s.find('a').left, 0.8, 10)
        self.s.leave_and_come_back((300, 580), (1, 580))
        self.assertWindowAt('a', D, 100)
        self.s.keys('Escape')


class ContextMenuTest(SessionTest):
    def wipe_then_close_from_menu(self, key, label):
        self.wipe_left_with_a_window()
        self.s.open_menu('SashletLeft', 151, 400)
        self.s.screenshot(label)
        p = self.s.sashlet
        self.s.keys(key)
        wait_until(lambda: p.poll() is not None, 10, message='the program to end')
        self.assertEqual(p.returncode, 0)
        self.assertEqual(self.s.find('a').left, 10, 'the window home before the program ended')

    def test_english_menu_closes_once_the_windows_are_home(self):
        self.wipe_then_close_from_menu('c', 'menu-english')


class JapaneseContextMenuTest(SessionTest):
    locale = 'ja_JP.UTF-8'
    wipe_then_close_from_menu = ContextMenuTest.wipe_then_close_from_menu

    def test_japanese_menu_closes_once_the_windows_are_home(self):
        self.wipe_then_close_from_menu('x', 'menu-japanese')


if __name__ == '__main__':
    unittest.main()
