"""The pictures of the README and the user guide, taken from the real program
on a desktop with icons and application windows: a wipe before and after, a
file dragged onto a bar, a bar dragged inward and the context menu in both
languages. scripts/update-screenshots.sh turns them into docs/images."""
import unittest

from harness import DESKTOP_COLOUR, ICON_CELL, ICON_ROWS, SessionTest, wait_until

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

    def take_menu_picture(self, options_key, close_key):
        """The menu opens centred beside the click, and its two commands answer
        to their underlined letters as the picture shows them."""
        self.scene()
        self.s.open_menu('SashletLeft', 2, 250)
        menu = [w for w in self.s.windows('#32768') if w.visible]
        self.assertEqual(len(menu), 1, 'one context menu on the screen')
        left, top, _, bottom = menu[0].rect
        self.assertTrue(left <= 4 and abs((top + bottom) / 2 - 250) <= 2 and min(menu[0].size) > 20, menu[0])
        self.s.screenshot('menu')
        self.s.keys(options_key)
        wait_until(lambda: self.s.probe('sheet')[0] == 0, 10, message='the options sheet from the menu')
        self.s.keys('Escape')
        wait_until(lambda: self.s.probe('sheet')[0] != 0, 10, message='the options sheet to close')
        self.s.open_menu('SashletLeft', 2, 250)
        self.s.keys(close_key)
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
        # Press on the second file, carry it onto the bar and hold it there.
        with self.s.holding(files.left + 80, files.top + 62):
            self.s.move_through((60, 600), (2, 620))
            self.assertWindowAt('SashletLeft', D, 0)
            self.assertWindowAt('Documents - Files', D, 330)
            # On over the uncovered icons, to drop it on the Recycle Bin.
            self.s.move_through((20, 560), (30, 400), (40, 260), (37, 200))
            wait_until(lambda: (lambda w: w and w.left > 37)(self.s.find('drag image')), 5,
                       message='the dragged file at the pointer')
            self.s.screenshot('drag-file')

    def test_a_bar_dragged_inward_pushes_the_windows_onto_it(self):
        self.scene()
        self.s.drag_bar('SashletLeft', (2, 700), (40, 700), (100, 700), (160, 700), (220, 700), (262, 700))
        bar = self.assertWindowAt('SashletLeft', 260, 0)
        self.assertWindowAt('report.txt - Editor', bar.rect[2], 20)
        self.assertWindowAt('Documents - Files', bar.rect[2], 330)
        self.s.screenshot('bar-drag')

    def test_the_context_menu(self):
        self.take_menu_picture('o', 'c')


class JapanesePicturesTest(PictureScene):
    locale = 'ja_JP.UTF-8'

    def test_the_context_menu(self):
        self.take_menu_picture('s', 'x')


if __name__ == '__main__':
    unittest.main()
