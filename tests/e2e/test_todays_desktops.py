"""What today's Windows desktops have: a real taskbar, a display scaled to
150 %, and windows dragged to an edge by their caption."""
import unittest

from harness import SCREEN, SessionTest, wait_until
from test_options import OptionsSession

W, H = SCREEN


class TaskbarTest(SessionTest):
    virtual_desktop = 'shell'  # Wine's explorer shows its taskbar on this desktop

    def test_the_taskbar_stays_where_it_is_docked(self):
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeft=0\r\nBottom=1\r\n')
        self.s.start_sashlet()
        taskbar = wait_until(lambda: [w for w in self.s.windows('Shell_TrayWnd') if w.visible], 20,
                             message='a visible taskbar')[0]
        self.assertEqual(taskbar.rect[3], H, 'docked on the bottom edge')
        self.s.start_windows('a:300,%d,200,100' % (H - 200), 'other:500,200,100,100')
        self.s.double_click_bar('SashletBottom', 700, H - 1)
        self.assertWindowAt('a', 300, H - 150 - 100)
        self.assertEqual([w.rect for w in self.s.windows('Shell_TrayWnd') if w.visible], [taskbar.rect])


class ScaledDisplayTest(OptionsSession):
    virtual_desktop = True
    dpi = 144

    def test_bars_wipe_and_pages_are_exact_at_150_percent(self):
        spacing, _, _, dpi, _ = (int(v) for v in self.s.probe('metrics')[1].strip().split('|'))
        # The 75 px icon spacing of 96 DPI, scaled by 150 %: a wipe opens twice that, 226 px.
        self.assertEqual((dpi, spacing), (144, 113))
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeft=1\r\nTop=1\r\nWidth=3\r\n')
        self.s.start_sashlet()
        self.assertWindowAt('SashletLeft', 0, 0, size=(3, H))
        self.assertWindowAt('SashletTop', 0, 0, size=(W, 3))
        self.s.start_windows('a:10,300,211,133:caption', 'other:600,500,100,100')
        home = self.s.find('a')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', 226, home.top, size=home.size)
        self.s.click(650, 550)
        self.assertWindowAt('a', home.left, home.top, size=home.size)
        self.open_options()
        self.assert_pages_fit('options at 144 DPI')
        self.show_ignore_page()
        self.assert_pages_fit('ignore at 144 DPI')


class CaptionDragTest(SessionTest):
    virtual_desktop = True

    def test_a_window_dragged_onto_a_bar_by_its_caption_moves_alone(self):
        self.s.start_sashlet()
        self.s.start_windows('moving:400,300,300,200:caption', 'a:10,100,200,100',
                             'files:500,100,200,180:caption,files')
        grab = self.s.find('moving')
        x, y = grab.left + 80, grab.top + 10
        self.s.xdotool('mousemove', x, y, 'mousedown', 1, 'sleep', 0.3)
        try:
            self.s.move_through((300, y), (100, y), (1, y))
            self.s.assert_unchanged(lambda: (self.s.find('a').left, self.s.find('SashletLeft').left), 1.0, (10, 0))
            moved = self.s.find('moving')
            self.assertTrue(moved.rect[0] <= 1 <= moved.rect[2] and moved.rect[1] <= y <= moved.rect[3],
                            'the window stays under the pointer: %r' % (moved,))
        finally:
            self.s.xdotool('mouseup', 1)
        # A file held over the bar still wipes.
        files = self.s.find('files')
        with self.s.holding(files.left + 60, files.top + 40):
            self.s.move_through((300, 300), (1, 650))
            self.assertWindowAt('a', 150, 100)


if __name__ == '__main__':
    unittest.main()
