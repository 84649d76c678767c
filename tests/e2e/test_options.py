"""The options sheet, used as a person would: menu, keyboard, mouse, file dialog."""
import os
import subprocess
import unittest

from harness import SETTLE, TESTWIN, SessionTest, Window, resource_id, wait_until, windows_path

OK, CANCEL = 1, 2
WIDTH_EDIT, LEFT_CHECK, RIGHT_CHECK = (resource_id(n) for n in ('IDC_WIDTH_EDIT', 'IDC_LEFT_CHECK', 'IDC_RIGHT_CHECK'))
IGNORE_LIST, IGNORE_ADD = resource_id('IDC_IGNORE_LIST'), resource_id('IDC_IGNORE_ADD')
COLOR_BUTTON, COLOR_SWATCH = resource_id('IDC_COLOR_BUTTON'), resource_id('IDC_COLOR_SWATCH')
BASIC_COLOURS = 720  # the colour chooser's grid of 8 by 6 basic colours


class Control:
    def __init__(self, line):
        handle, parent, cid, cls, visible, rect, text = line.split('|', 6)
        self.handle, self.parent = int(handle), int(parent)
        self.id = int(cid)
        self.cls = cls
        self.visible = visible == '1'
        self.rect = tuple(int(v) for v in rect.split())
        self.text = text

    @property
    def centre(self):
        return ((self.rect[0] + self.rect[2]) // 2, (self.rect[1] + self.rect[3]) // 2)


class OptionsSession(SessionTest):
    menu_key = 'o'

    def sheet(self):
        code, out = self.s.probe('sheet')
        if code != 0:
            return None
        return [Control(l) for l in out.splitlines()[1:] if l.count('|') >= 6]

    def pages(self):
        """Each page's own rectangle and its controls."""
        controls = self.sheet() or []
        return [(page, [c for c in controls if c.parent == page.handle]) for page in controls if page.cls == '#32770']

    def control(self, cid):
        for c in self.sheet() or []:
            if c.id == cid and c.visible:
                return c
        return None

    def click(self, cid):
        c = wait_until(lambda: self.control(cid), 10, message='control %d' % cid)
        self.s.click(*c.centre)

    def open_options(self, bar='SashletLeft', point=(1, 400)):
        self.s.open_menu(bar, *point)
        self.s.keys(self.menu_key)
        wait_until(lambda: self.control(OK), 10, message='the options sheet')

    def show_ignore_page(self):
        tabs = self.control(12320)
        self.s.click(tabs.rect[0] + 85, tabs.rect[1] + 10)
        wait_until(lambda: self.control(IGNORE_LIST), 10, message='the Ignore page')

    def show_keys_page(self):
        """The third tab lies after the other two, whose width the language decides."""
        keys = resource_id('IDC_LEFT_KEY')
        tabs = self.control(12320)
        for x in range(100, 260, 12):
            self.s.click(tabs.rect[0] + x, tabs.rect[1] + 10)
            try:
                wait_until(lambda: self.control(keys), 1.5, message='the Keys page')
                return
            except AssertionError:
                pass
        raise AssertionError('no Keys tab')

    def add_through_file_dialog(self, windows_file):
        self.click(IGNORE_ADD)
        wait_until(lambda: self.s.find('select ignore application'), 10, message='the file dialog')
        self.s.xdotool('type', '--delay', 5, windows_file)
        self.s.keys('Return')
        wait_until(lambda: self.s.find('select ignore application') is None, 10, message='the file dialog to close')

    def add_program_and_wipe(self, exe):
        """Adds the test windows' program through the Ignore page, then wipes: its window stays put."""
        self.s.start_sashlet()
        self.s.start_windows('kept:10,100,200,150')
        self.open_options()
        self.show_ignore_page()
        self.add_through_file_dialog(windows_path(exe))
        self.click(OK)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.assertEqual(self.s.read('ignore.lst'), windows_path(exe).encode() + b'\r\n')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('SashletLeft', 150, 0)
        self.s.assert_unchanged(lambda: self.s.find('kept').left, 0.5, 10)

    def box(self):
        """caption|text of the open message box, its lines broken by "\\n"."""
        code, out = self.s.probe('box')
        return out.strip().replace('\r\r\n', '\n').replace('\r\n', '\n') if code == 0 else None

    def assert_pages_fit(self, label):
        shown = [(page, controls) for page, controls in self.pages() if page.visible]
        self.assertEqual(len(shown), 1, 'one page shows at a time')
        for page, controls in shown:
            left, top, right, bottom = page.rect
            visible = [c for c in controls if c.visible]
            self.assertGreater(len(visible), 2)
            for c in visible:
                with self.subTest(label=label, control=c.id, text=c.text):
                    self.assertTrue(left <= c.rect[0] and top <= c.rect[1] and c.rect[2] <= right and
                                    c.rect[3] <= bottom, 'control %d %r outside page %r' % (c.id, c.rect, page.rect))

    def sheet_closed(self):
        return self.control(OK) is None


class OptionsPageTest(OptionsSession):
    def test_stepping_width_with_the_keyboard_and_ok_saves_and_applies(self):
        self.s.start_sashlet()
        self.open_options()
        self.click(WIDTH_EDIT)
        self.s.keys('Up')
        self.s.keys('Return')
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        wait_until(lambda: os.path.exists(self.s.path('Sashlet.ini')) and b'Width=3' in self.s.read('Sashlet.ini'),
                   10, message='Width=3 in the file')
        self.assertWindowAt('SashletLeft', 0, 0, size=(3, 768))

    def test_unchecking_every_edge_is_refused_and_changes_nothing(self):
        self.s.start_sashlet()
        self.open_options()
        self.click(LEFT_CHECK)
        self.click(OK)
        self.assertEqual(wait_until(self.box, 10, message='the error box'), 'Sashlet|Check edges more than one.')
        self.s.screenshot('no-edge-error')
        self.s.keys('Return')
        wait_until(lambda: self.box() is None, 10, message='the box to close')
        self.assertIsNotNone(self.control(OK), 'the sheet stays open')
        self.click(CANCEL)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.assertFalse(os.path.exists(self.s.path('Sashlet.ini')))
        self.assertWindowAt('SashletLeft', 0, 0, size=(2, 768))

    def test_cancel_after_changes_leaves_everything_as_it_was(self):
        self.s.write('Sashlet.ini', '[Sashlet]\r\nWidth=4\r\n')
        self.s.start_sashlet()
        self.open_options()
        self.click(WIDTH_EDIT)
        self.s.keys('Up', 'Up')
        self.click(RIGHT_CHECK)
        self.s.keys('Escape')
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.assertEqual(self.s.read('Sashlet.ini'), b'[Sashlet]\r\nWidth=4\r\n')
        self.assertWindowAt('SashletLeft', 0, 0, size=(4, 768))
        self.assertFalse(self.s.shows('SashletRight'))

    def choose_colour(self, column, row):
        """Picks a basic colour in the colour chooser and returns what the swatch
        shows once it has painted the new colour, which on a loaded machine
        comes a moment after the chooser closes."""
        swatch = self.control(COLOR_SWATCH)
        shown = lambda: self.s.pixel(self.s.screenshot('swatch'), *swatch.centre)
        before = shown()
        self.click(COLOR_BUTTON)
        wait_until(lambda: self.s.find('Color'), SETTLE, message='the colour chooser')
        chooser = [Control(l) for l in self.s.probe('controls', 'Color')[1].splitlines()[1:]]
        grid = next(c for c in chooser if c.id == BASIC_COLOURS)
        left, top, right, bottom = grid.rect
        self.s.click(left + (2 * column + 1) * (right - left) // 16, top + (2 * row + 1) * (bottom - top) // 12)
        self.s.click(*next(c for c in chooser if c.id == OK).centre)
        wait_until(lambda: self.s.find('Color') is None, SETTLE, message='the chooser to close')
        return wait_until(lambda: (lambda now: now if now != before else None)(shown()), SETTLE,
                          message='the swatch in the new colour')

    def test_a_colour_chosen_paints_the_bars_after_ok_and_not_after_cancel(self):
        self.s.start_sashlet()
        bar_colour = lambda: self.s.pixel(self.s.screenshot('bar'), 1, 384)
        # A bar shows a moment before it has painted, on a loaded machine.
        wait_until(lambda: bar_colour() == (255, 255, 0), SETTLE, message='the bar in its first colour')
        self.open_options()
        chosen = self.choose_colour(0, 1)
        self.assertNotEqual(chosen, (255, 255, 0))
        self.assertEqual(bar_colour(), (255, 255, 0), 'the bars wait for OK')
        self.click(OK)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        wait_until(lambda: bar_colour() == chosen, SETTLE, message='the bar in the chosen colour')
        self.open_options()
        self.assertNotEqual(self.choose_colour(4, 3), chosen)
        self.click(CANCEL)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.s.assert_unchanged(bar_colour, 1.0, chosen)

    def test_a_second_options_command_brings_the_open_sheet_forward(self):
        self.s.start_sashlet()
        self.open_options()
        self.s.open_menu('SashletLeft', 1, 600)
        self.s.keys('o')
        wait_until(lambda: self.s.probe('foreground')[1].startswith('Sashlet|'), 10, message='the sheet in front')
        self.assertEqual(len([w for w in self.s.windows('#32770') if w.visible]), 1)


class IgnorePageTest(OptionsSession):
    def test_adding_a_program_saves_it_and_its_windows_stay_put(self):
        self.add_program_and_wipe(TESTWIN)

    def test_sashlet_itself_is_refused(self):
        self.s.start_sashlet()
        self.open_options()
        self.show_ignore_page()
        self.add_through_file_dialog(windows_path(self.s.path('Sashlet.exe')))
        self.assertEqual(wait_until(self.box, 10, message='the error box'),
                         'Sashlet|Sashlet is not added to ignore list')
        self.s.keys('Return')
        wait_until(lambda: self.box() is None, 10, message='the box to close')
        self.click(OK)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.assertEqual(self.s.read('ignore.lst'), b'')


class PagesLookTest(OptionsSession):
    """Taken in Wine's virtual desktop, which draws the sheet's title bar and
    frame as Windows does, and kept as pictures of the whole sheet."""
    virtual_desktop = True

    def picture_of_sheet(self, label):
        """The virtual desktop paints a new sheet a moment after it exists: the
        picture is taken once two in a row, half a second apart, agree."""
        sheet = Window(self.s.probe('sheet')[1].splitlines()[0])
        self.assertGreater(sheet.size[0], 300, sheet)
        # The pixels only: a PNG also carries the time it was written.
        read = lambda: subprocess.run(['convert', self.s.screenshot(label, crop=sheet.rect), 'rgb:-'],
                                      stdout=subprocess.PIPE, check=True).stdout
        self.s.settled(read, quiet=0.5)

    def test_every_page_fits_and_is_kept_as_a_picture(self):
        self.s.write('ignore.lst', 'C:\\Program Files\\Example\\example.exe\r\n')
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeft=1\r\nLeftKey=Alt+Win+L\r\n')
        self.s.start_sashlet()
        self.open_options()
        self.picture_of_sheet('options-page')
        self.assert_pages_fit('options')
        self.show_ignore_page()
        self.picture_of_sheet('ignore-page')
        self.assert_pages_fit('ignore')
        self.show_keys_page()
        self.picture_of_sheet('keys-page')
        self.assert_pages_fit('keys')


class JapanesePagesLookTest(PagesLookTest):
    locale = 'ja_JP.UTF-8'
    menu_key = 's'


if __name__ == '__main__':
    unittest.main()
