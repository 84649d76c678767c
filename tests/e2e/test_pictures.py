"""The pictures of the README and the user guide, taken from the real program
on a desktop with icons and application windows: a wipe before and after, a
file dragged onto a bar, a bar dragged inward and the context menu in both
languages. scripts/update-screenshots.sh turns them into docs/images."""
import os
import signal
import unittest

from harness import DESKTOP_COLOUR, ICON_CELL, ICON_ROWS, SETTLE, SessionTest, wait_until

D = 150  # twice the default horizontal icon spacing of 75
SETTINGS = '[Sashlet]\r\nWidth=4\r\n'
# Application windows over the desktop's two columns of icons.
WINDOWS = ('report.txt - Editor:8,20,430,300:caption,text', 'Documents - Files:36,330,360,250:caption,files',
           'To do:600,140,300,200:caption,memo')


def covered_cells(picture, pixel):
    """The icon cells whose top-left corner does not show the desktop."""
    cells = []
    for column in range(2):
        for row in range(ICON_ROWS):
            x, y = column * ICON_CELL + 3, row * ICON_CELL + 3
            if pixel(picture, x, y) != DESKTOP_COLOUR:
                cells.append((column, row))
    return cells


class PictureScene(SessionTest):
    """The desktop every picture starts from, shown as Windows shows it."""
    virtual_desktop = True

    def scene(self):
        self.s.write('Sashlet.ini', SETTINGS)
        self.s.start_sashlet()
        self.s.start_windows(*WINDOWS)
        self.s.raise_bar('SashletLeft')
        self.assertWindowAt('Documents - Files', 36, 330)

    def shown_menu(self):
        """The one context menu on the screen, opened centred beside the click."""
        self.s.open_menu('SashletLeft', 2, 250)
        menu = [w for w in self.s.windows('#32768') if w.visible]
        self.assertEqual(len(menu), 1, 'one context menu on the screen')
        left, top, _, bottom = menu[0].rect
        self.assertTrue(left <= 4 and abs((top + bottom) / 2 - 250) <= 2 and min(menu[0].size) > 20, menu[0])
        return menu[0]

    def click_sheet_button(self, cid):
        for line in self.s.probe('sheet')[1].splitlines()[1:]:
            fields = line.split('|')
            if len(fields) >= 7 and fields[2] == str(cid):
                left, top, right, bottom = (int(v) for v in fields[5].split())
                self.s.click((left + right) // 2, (top + bottom) // 2)
                return
        self.fail('no button %d on the sheet' % cid)

    def take_menu_picture(self):
        """The menu as the picture shows it, and its two commands, first and
        last item, doing what they say."""
        self.scene()
        menu = self.shown_menu()
        self.s.screenshot('menu')
        self.s.click(menu.left + 20, menu.top + 12)
        wait_until(lambda: self.s.probe('sheet')[0] == 0, 10, message='the options sheet from the menu')
        self.click_sheet_button(2)  # Cancel
        wait_until(lambda: self.s.probe('sheet')[0] != 0, 10, message='the options sheet to close')
        menu = self.shown_menu()
        self.s.click(menu.left + 20, menu.rect[3] - 12)
        wait_until(lambda: self.s.sashlet.poll() is not None, 10, message='Sashlet to close from the menu')


class PicturesTest(PictureScene):
    def test_a_wipe_uncovers_the_icons_the_windows_covered(self):
        self.scene()
        before = self.s.screenshot('wipe-before')
        covered = covered_cells(before, self.s.pixel)
        self.assertGreaterEqual(len(covered), 8, 'the windows cover most of the icons')
        self.s.double_click_bar('SashletLeft', 2, 700)
        self.assertWindowAt('SashletLeft', D, 0)
        self.assertWindowAt('report.txt - Editor', D, 20)
        self.assertWindowAt('Documents - Files', D, 330)
        after = self.s.screenshot('wipe-after')
        self.assertEqual(covered_cells(after, self.s.pixel), [])
        # The labels are there to read: white text in the cell under each icon.
        for column, row in covered:
            with self.subTest(cell=(column, row)):
                label = [self.s.pixel(after, column * ICON_CELL + x, row * ICON_CELL + 49) for x in range(10, 65)]
                self.assertIn((255, 255, 255), label)
        self.assertEqual(self.s.pixel(after, D + 1, 400), (255, 255, 0))

    def test_a_file_held_over_a_bar_opens_the_edge_for_the_drop(self):
        self.scene()
        files = self.s.find('Documents - Files')
        # Press on the second file, carry it to the bar, then onto it and hold it there.
        with self.s.holding(files.left + 80, files.top + 62):
            self.s.move_through((60, 600), (14, 560))
            # The picture shows the pointer on the bar, before the half second
            # that wipes: Sashlet is held still while it is taken.
            os.kill(self.s.sashlet.pid, signal.SIGSTOP)
            try:
                self.s.move_through((2, 560))
                wait_until(lambda: (lambda w: w and w.left < 20)(self.s.find('drag image')), SETTLE,
                           message='the dragged file at the bar')
                self.assertEqual(self.s.find('SashletLeft').left, 0)
                self.s.screenshot('drag-file-to-bar', pointer=True)
            finally:
                os.kill(self.s.sashlet.pid, signal.SIGCONT)
            self.assertWindowAt('SashletLeft', D, 0)
            self.assertWindowAt('Documents - Files', D, 330)
            # On over the uncovered icons, to drop it on the Recycle Bin.
            self.s.move_through((20, 560), (30, 400), (40, 260), (37, 200))
            wait_until(lambda: (lambda w: w and w.left > 37)(self.s.find('drag image')), SETTLE,
                       message='the dragged file at the pointer')
            self.s.screenshot('drag-file', pointer=True)

    def test_a_bar_dragged_inward_pushes_the_windows_onto_it(self):
        self.scene()
        self.s.raise_bar('SashletLeft')
        # Caught on the way, before the windows move: the pointer on the bar, and which way it goes.
        with self.s.holding(2, 700):
            self.s.wait_in_front('SashletLeft')
            self.s.move_through((40, 700), (100, 700), (160, 700), (190, 700))
            self.assertWindowAt('SashletLeft', 188, 0)
            self.assertWindowAt('report.txt - Editor', 8, 20)
            self.s.screenshot('bar-drag', pointer=True, arrow=((215, 660), (300, 660)))
            self.s.move_through((220, 700), (262, 700))
        bar = self.assertWindowAt('SashletLeft', 260, 0)
        self.assertWindowAt('report.txt - Editor', bar.rect[2], 20)
        self.assertWindowAt('Documents - Files', bar.rect[2], 330)
        self.s.screenshot('bar-dragged')

    def test_bars_on_all_four_edges(self):
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeft=1\r\nRight=1\r\nTop=1\r\nBottom=1\r\nWidth=6\r\nOffset=60\r\n')
        self.s.start_sashlet()
        self.s.settled(lambda: [w.rect for w in self.s.bars() if w.visible])
        shot = self.s.screenshot('bars')
        for x, y in ((2, 384), (1021, 384), (512, 2), (512, 765)):
            self.assertEqual(self.s.pixel(shot, x, y), (255, 255, 0), (x, y))
        self.assertNotEqual(self.s.pixel(shot, 2, 30), (255, 255, 0), 'the corner margin stays clear')

    def test_the_context_menu(self):
        self.take_menu_picture()


class JapanesePicturesTest(PictureScene):
    locale = 'ja_JP.UTF-8'

    def test_the_context_menu(self):
        self.take_menu_picture()


if __name__ == '__main__':
    unittest.main()
