"""Two real monitors, the second right of the main one: bars on every screen
with EveryScreen=1, a wipe that stays on its own monitor, the shared edge's
two bars, a held file and the options sheet on the second monitor, and the
main screen alone with EveryScreen=0."""
import unittest

from harness import DESKTOP_COLOUR, SCREEN, TWO_MONITORS, SessionTest, wait_until, why_two_monitors_cannot_run

W, H = SCREEN
D = 150  # twice the icon spacing of 75


def ini(every_screen, *edges):
    return '[Sashlet]\r\n' + ''.join('%s=1\r\n' % e for e in edges) + 'EveryScreen=%d\r\n' % every_screen


@unittest.skipIf(why_two_monitors_cannot_run(), why_two_monitors_cannot_run() or '')
class EveryScreenTest(SessionTest):
    display_kind = TWO_MONITORS

    def shown_bars(self):
        return {b.title: b.rect for b in self.s.bars() if b.visible}

    def test_each_monitor_has_bars_and_a_wipe_moves_its_own_windows(self):
        self.s.write('Sashlet.ini', ini(1, 'Left', 'Right'))
        self.s.start_sashlet()
        wait_until(lambda: len(self.shown_bars()) == 4, message='four bars')
        self.assertEqual(self.shown_bars(), {'SashletLeft': (0, 0, 2, H), 'SashletRight': (W - 2, 0, W, H),
                                             'SashletLeft 2': (W, 0, W + 2, H),
                                             'SashletRight 2': (2 * W - 2, 0, 2 * W, H)})
        self.s.start_windows('a:10,100,300,200', 'b:1034,100,300,200', 'm:1100,400,300,200:maximized',
                             'other:600,500,100,100')
        m = self.s.find('m')
        self.assertEqual(m.state, 'maximized')
        # Between the second monitor's first two rows of icons, under b.
        between_icons = (W + 12, 228)
        self.assertNotEqual(self.s.pixel(self.s.screenshot('before'), *between_icons), DESKTOP_COLOUR)
        self.s.double_click_bar('SashletLeft 2', W + 1, 700)
        self.assertWindowAt('b', W + D, 100)
        self.assertWindowAt('m', W + D, m.top)
        # The guide's picture: the second monitor wiped, the main one as it was.
        self.assertEqual(self.s.pixel(self.s.screenshot('every-screen'), *between_icons), DESKTOP_COLOUR)
        self.assertEqual(self.s.find('m').state, 'maximized')
        self.s.moves_landed('a')
        self.assertEqual(self.s.find('a').rect, (10, 100, 310, 300))
        self.s.activate('other')
        self.assertWindowAt('b', 1034, 100)
        wait_until(lambda: self.s.find('m') == m, message='the maximised window home, exactly')
        # The main screen's wipe leaves the second monitor alone.
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', D, 100)
        self.s.moves_landed('b')
        self.assertEqual(self.s.find('b').rect, (1034, 100, 1334, 300))
        self.s.activate('other')
        self.assertWindowAt('a', 10, 100)

    def test_the_two_bars_of_the_shared_edge_each_wipe_their_own_side(self):
        self.s.write('Sashlet.ini', ini(1, 'Left', 'Right'))
        self.s.start_sashlet()
        self.s.start_windows('p:800,300,200,100', 'q:1050,300,200,100', 'other:300,600,100,100')
        self.s.double_click_bar('SashletRight', W - 1, 500)
        self.assertWindowAt('p', W - D - 200, 300)
        self.s.moves_landed('q')
        self.assertEqual(self.s.find('q').left, 1050)
        self.s.activate('other')
        self.assertWindowAt('p', 800, 300)
        self.s.double_click_bar('SashletLeft 2', W, 500)
        self.assertWindowAt('q', W + D, 300)
        self.s.moves_landed('p')
        self.assertEqual(self.s.find('p').left, 800)
        # Escape on the second monitor's wiped bar gives the front back, as on the main one.
        self.s.xdotool('mousemove', W + D + 1, 500, 'key', 'Escape')
        self.assertWindowAt('q', 1050, 300)
        self.s.wait_given_back('other')

    def test_a_file_held_over_the_second_monitors_bar_or_the_pointer_resting_there_wipes_it(self):
        self.s.write('Sashlet.ini', ini(1, 'Left') + 'HoverDelay=400\r\n')
        self.s.start_sashlet()
        self.s.start_windows('source:1400,300,200,200', 'b:1034,100,200,150', 'other:300,600,100,100')
        self.s.raise_bar('SashletLeft 2')
        with self.s.holding(1500, 400):
            self.s.move_through((1200, 600), (W + 1, 700))
            self.assertWindowAt('SashletLeft 2', W + D, 0)
            self.assertWindowAt('b', W + D, 100)
        self.s.activate('other')
        self.assertWindowAt('b', 1034, 100)
        # The pointer come to rest on the bar, with no button, wipes it too.
        self.s.leave_and_come_back((1200, 600), (W + 1, 650))
        self.assertWindowAt('b', W + D, 100)

    def test_the_sheet_opened_from_the_second_monitors_bar_appears_on_it(self):
        self.s.write('Sashlet.ini', ini(1, 'Left'))
        self.s.start_sashlet()
        self.s.open_menu('SashletLeft 2', W + 1, 400)
        self.s.keys('o')
        sheet = wait_until(lambda: [w for w in self.s.windows('#32770') if w.title == 'Sashlet' and w.visible],
                           message='the options sheet')[0]
        middle = ((sheet.rect[0] + sheet.rect[2]) // 2, (sheet.rect[1] + sheet.rect[3]) // 2)
        self.assertTrue(W <= sheet.rect[0] and sheet.rect[2] <= 2 * W, sheet)
        self.assertLessEqual(abs(middle[0] - (W + W // 2)), 1)
        self.assertLessEqual(abs(middle[1] - H // 2), 1)
        self.s.keys('Escape')

    def test_with_every_screen_off_only_the_main_screen_has_bars_and_nothing_on_the_second_moves(self):
        self.s.write('Sashlet.ini', ini(0, 'Left', 'Right', 'Top', 'Bottom'))
        self.s.start_sashlet()
        wait_until(lambda: len(self.shown_bars()) == 4, message='four bars')
        self.assertEqual(sorted(self.shown_bars()), ['SashletBottom', 'SashletLeft', 'SashletRight', 'SashletTop'])
        self.assertFalse([b for b in self.s.bars() if b.title.endswith(' 2')])
        # Over the shared edge, mostly on the second monitor; and wholly on it, at its top and bottom.
        self.s.start_windows('p:800,300,200,100', 'across:1000,450,300,100', 'top:1100,0,300,100',
                             'bottom:1100,700,300,68', 'other:300,600,100,100')
        second = lambda: [self.s.find(t).rect for t in ('across', 'top', 'bottom')]  # noqa: E731
        before = second()
        for bar, point in (('SashletRight', (W - 1, 200)), ('SashletTop', (500, 0)), ('SashletBottom', (500, H - 1))):
            with self.subTest(bar=bar):
                rest = self.s.find(bar).rect
                self.s.double_click_bar(bar, *point)
                wait_until(lambda: self.s.find(bar).rect != rest, message=bar + ' out')
                self.s.moves_landed('across')
                self.assertEqual(second(), before)
                self.s.activate('other')
        self.assertWindowAt('p', 800, 300)


if __name__ == '__main__':
    unittest.main()
