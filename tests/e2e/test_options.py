"""The options sheet, used as a person would: menu, keyboard, mouse, file dialog."""
import os
import unittest

from harness import TESTWIN, SessionTest, wait_until, windows_path

SHEET_BUTTONS = {1, 2, 9, 12320, 12321}
OK, CANCEL = 1, 2
WIDTH_EDIT, LEFT_CHECK = 1005, 1006
IGNORE_LIST, IGNORE_ADD = 1016, 1018


class Control:
    def __init__(self, line):
        cid, cls, visible, rect, text = line.split('|', 4)
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
        return [Control(l) for l in out.splitlines()[1:] if l.count('|') >= 4]

    def pages(self):
        """Each page's own rectangle and its controls."""
        pages, current = [], None
        for c in self.sheet() or []:
            if c.cls == '#32770':
                current = (c, [])
                pages.append(current)
            elif c.id in SHEET_BUTTONS:
                current = None
            elif current:
                current[1].append(c)
        return pages

    def control(self, cid):
        for c in self.sheet() or []:
            if c.id == cid and c.visible:
                return c
        return None

    def click(self, cid):
        c = wait_until(lambda: self.control(cid), 10, message='control %d' % cid)
        self.s.xdotool('mousemove', *c.centre, 'click', 1)

    def open_options(self):
        self.s.xdotool('search', '--name', 'SashletLeft', 'windowraise')
        self.s.xdotool('mousemove', 1, 400, 'click', 3)
        wait_until(lambda: self.s.windows('#32768'), 5, message='the context menu')
        self.s.xdotool('key', self.menu_key)
        wait_until(lambda: self.control(OK), 10, message='the options sheet')

    def show_ignore_page(self):
        tabs = self.control(12320)
        self.s.xdotool('mousemove', tabs.rect[0] + 85, tabs.rect[1] + 10, 'click', 1)
        wait_until(lambda: self.control(IGNORE_LIST), 10, message='the Ignore page')

    def box(self):
        code, out = self.s.probe('box')
        return out.strip() if code == 0 else None

    def assert_pages_fit(self, label):
        for page, controls in self.pages():
            if not page.visible:
                continue
            left, top, right, bottom = page.rect
            for c in controls:
                if c.visible:
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
        self.s.xdotool('key', 'Up')
        self.s.xdotool('key', 'Return')
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
        self.s.xdotool('key', 'Return')
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
        self.s.xdotool('key', 'Up', 'Up')
        self.click(1008)  # Right
        self.s.xdotool('key', 'Escape')
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.assertEqual(self.s.read('Sashlet.ini'), b'[Sashlet]\r\nWidth=4\r\n')
        self.assertWindowAt('SashletLeft', 0, 0, size=(4, 768))
        self.assertFalse(self.s.find('SashletRight').visible)

    def test_a_second_options_command_brings_the_open_sheet_forward(self):
        self.s.start_sashlet()
        self.open_options()
        self.s.xdotool('search', '--name', 'SashletLeft', 'windowraise')
        self.s.xdotool('mousemove', 1, 600, 'click', 3)
        wait_until(lambda: self.s.windows('#32768'), 5, message='the context menu')
        self.s.xdotool('key', 'o')
        wait_until(lambda: self.s.probe('foreground')[1].startswith('Sashlet|'), 10, message='the sheet in front')
        self.assertEqual(len([w for w in self.s.windows('#32770') if w.visible]), 1)


class IgnorePageTest(OptionsSession):
    def add_through_file_dialog(self, windows_file):
        self.click(IGNORE_ADD)
        wait_until(lambda: self.s.find('select ignore application'), 10, message='the file dialog')
        self.s.xdotool('type', '--delay', 5, windows_file)
        self.s.xdotool('key', 'Return')
        wait_until(lambda: self.s.find('select ignore application') is None, 10, message='the file dialog to close')

    def test_adding_a_program_saves_it_and_its_windows_stay_put(self):
        self.s.start_sashlet()
        self.s.start_windows('kept:10,100,200,150')
        self.open_options()
        self.show_ignore_page()
        self.add_through_file_dialog(windows_path(TESTWIN))
        self.click(OK)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.assertEqual(self.s.read('ignore.lst'), windows_path(TESTWIN).encode() + b'\r\n')
        self.s.xdotool('search', '--name', 'SashletLeft', 'windowraise')
        self.s.xdotool('mousemove', 1, 700, 'click', '--repeat', 2, '--delay', 80, 1)
        self.assertWindowAt('SashletLeft', 150, 0)
        for _ in range(3):
            self.assertEqual(self.s.find('kept').left, 10)

    def test_sashlet_itself_is_refused(self):
        self.s.start_sashlet()
        self.open_options()
        self.show_ignore_page()
        self.add_through_file_dialog(windows_path(self.s.path('Sashlet.exe')))
        self.assertEqual(wait_until(self.box, 10, message='the error box'),
                         'Sashlet|Sashlet is not added to ignore list')
        self.s.xdotool('key', 'Return')
        wait_until(lambda: self.box() is None, 10, message='the box to close')
        self.click(OK)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.assertEqual(self.s.read('ignore.lst'), b'')


class PagesLookTest(OptionsSession):
    def test_both_pages_fit_and_are_kept_as_pictures(self):
        self.s.write('ignore.lst', 'C:\\Program Files\\Example\\example.exe\r\n')
        self.s.start_sashlet()
        self.open_options()
        self.s.screenshot('options-page')
        self.assert_pages_fit('options')
        self.show_ignore_page()
        self.s.screenshot('ignore-page')
        self.assert_pages_fit('ignore')


class JapanesePagesLookTest(PagesLookTest):
    locale = 'ja_JP.UTF-8'
    menu_key = 's'


if __name__ == '__main__':
    unittest.main()
