"""What the program meets on a real desktop: locked-down folders, broken files,
the options sheet during a wipe."""
import os
import subprocess
import unittest

from harness import wait_until, windows_path
from test_options import OK, WIDTH_EDIT, OptionsSession


class FaultTest(OptionsSession):
    def test_a_folder_without_write_permission_is_named_changes_no_file_keeps_the_new_settings_and_wipes(self):
        ini = b'[Sashlet]\r\nWidth=4\r\n'
        lst = b'C:\\kept.exe\r\n'
        self.s.write('Sashlet.ini', ini)
        self.s.write('ignore.lst', lst)
        self.s.start_sashlet()
        locked = [self.s.path('Sashlet.ini'), self.s.path('ignore.lst'), self.s.path('Sashlet.exe'), self.s.app_dir]
        subprocess.run(['chattr', '+i'] + locked, check=True)
        self.addCleanup(subprocess.run, ['chattr', '-i'] + locked)
        self.open_options()
        self.click(WIDTH_EDIT)
        self.s.keys('Up')
        self.show_ignore_page()
        self.click(OK)
        # Each page names the file it could not write, in the order the sheet applies them.
        for what, name in (('its settings', 'Sashlet.ini'), ('the ignore list', 'ignore.lst')):
            self.assertEqual(wait_until(self.box, 10, message='the box about ' + name),
                             'Sashlet|Sashlet could not save %s to this file:\n\n%s\n\nThe changes apply '
                             'until Sashlet is closed or the displays change, when it reads the file again. To keep '
                             'them, let Sashlet write to its folder, or move it to a folder of your own.'
                             % (what, windows_path(self.s.path(name))))
            self.s.keys('Return')
            wait_until(lambda: self.box() is None, 10, message='the box to close')
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        # A wipe works as ever without its record, and says nothing.
        self.s.start_windows('a:2,100,200,150')
        self.s.double_click_bar('SashletLeft', 2, 700)
        self.assertWindowAt('a', 150, 100)
        self.assertIsNone(self.box())
        self.s.activate('a')
        self.assertWindowAt('a', 2, 100)
        self.assertEqual(self.s.read('Sashlet.ini'), ini)
        self.assertEqual(self.s.read('ignore.lst'), lst)
        self.assertEqual(sorted(os.listdir(self.s.app_dir)), ['Sashlet.exe', 'Sashlet.ini', 'ignore.lst'])
        self.assertIsNone(self.s.sashlet.poll())
        self.assertWindowAt('SashletLeft', 0, 0, size=(5, 768))

    def test_garbage_files_at_start_up_still_give_a_working_bar(self):
        self.s.write('Sashlet.ini', bytes(range(256)) * 64)
        self.s.write('ignore.lst', bytes(reversed(range(256))) * 4096)
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150')
        left = self.s.find('SashletLeft')
        self.s.double_click_bar('SashletLeft', left.rect[0], 700)
        self.assertWindowAt('a', 150, 100)

    def test_the_options_sheet_ends_a_wipe_and_still_works(self):
        self.wipe_left_with_a_window()
        self.s.open_menu('SashletLeft', 151, 400)
        self.s.keys('o')
        wait_until(lambda: self.control(OK), 10, message='the options sheet')
        self.assertWindowAt('a', 10, 100)
        self.assertWindowAt('SashletLeft', 0, 0)
        self.click(WIDTH_EDIT)
        self.s.keys('Up')
        self.click(OK)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.assertWindowAt('SashletLeft', 0, 0, size=(3, 768))


if __name__ == '__main__':
    unittest.main()
