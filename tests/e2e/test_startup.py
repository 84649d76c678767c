"""Start-up, hand-over and quitting of the real program."""
import os
import shutil
import unittest

from harness import SCREEN, SessionTest, wait_until, windows_path

YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)


class StartupTest(SessionTest):
    def test_without_settings_only_the_left_bar_shows_two_pixels_of_opaque_yellow(self):
        self.s.start_sashlet()
        visible = self.s.settled(lambda: [w for w in self.s.bars() if w.visible])
        self.assertEqual([w.title for w in visible], ['SashletLeft'])
        left = visible[0]
        self.assertEqual(left.rect, (0, 0, 2, SCREEN[1]))
        self.assertEqual(left.opacity, 255)
        shot = self.s.screenshot('default')
        self.assertEqual(self.s.pixel(shot, 0, 384), YELLOW)
        self.assertEqual(self.s.pixel(shot, 1, 0), YELLOW)
        self.assertEqual(self.s.pixel(shot, 1, 767), YELLOW)
        self.assertNotEqual(self.s.pixel(shot, 2, 384), YELLOW)
        self.assertFalse(os.path.exists(self.s.path('Sashlet.ini')), 'loading must not create the file')
        # A window raised after the bar still lies below it.
        self.s.start_windows('cover:0,300,300,200')
        self.s.activate('cover')
        self.assertEqual(self.s.probe('at', '1', '400')[1].split('|')[0], 'SashletLeft')

    def test_four_edges_with_width_margin_transparency_and_colour(self):
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeft=1\r\nRight=1\r\nTop=1\r\nBottom=1\r\nWidth=5\r\n'
                                    'Offset=100\r\nAlpha=50\r\nColor=0,0,255\r\n')
        self.s.start_sashlet()
        expected = {
            'SashletLeft': (0, 100, 5, 668),
            'SashletRight': (1019, 100, 1024, 668),
            'SashletTop': (100, 0, 924, 5),
            'SashletBottom': (100, 763, 924, 768),
        }
        # Bars are shown first and laid out a moment later.
        bars = {w.title: w for w in self.s.settled(lambda: [w for w in self.s.bars() if w.visible])}
        self.assertEqual(len(bars), 4)
        shot = self.s.screenshot('four-edges')
        for title, rect in expected.items():
            with self.subTest(title):
                self.assertEqual(bars[title].rect, rect)
                self.assertEqual(bars[title].opacity, 127)
                x, y = (rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2
                self.assertEqual(self.s.pixel(shot, x, y), BLUE)
        # The margins stay free of bars.
        self.assertNotEqual(self.s.pixel(shot, 2, 50), BLUE)
        self.assertNotEqual(self.s.pixel(shot, 50, 2), BLUE)

    def test_a_second_copy_ends_the_first_and_shows_its_own_bars(self):
        first = self.s.start_sashlet()
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeft=0\r\nRight=1\r\n')
        second = self.s.start_sashlet(wait_for_bars=False)
        self.assertEqual(wait_until(lambda: first.poll() is not None, 20, message='first copy to end'), True)
        self.assertEqual(first.returncode, 0)
        self.assertIsNone(second.poll())
        wait_until(lambda: [w.title for w in self.s.bars() if w.visible] == ['SashletRight'], 20,
                   message='only the new copy\'s right bar')
        self.assertEqual(len(self.s.windows('CSashlet')), 2, 'one main window and the one bar shown')

    def test_wm_destroy_to_the_main_window_ends_the_program(self):
        p = self.s.start_sashlet()
        code, _ = self.s.probe('destroy', 'Sashlet')
        self.assertEqual(code, 0)
        wait_until(lambda: p.poll() is not None, 20, message='the program to end')
        self.assertEqual(p.returncode, 0)
        self.assertEqual(self.s.windows('CSashlet'), [])

    def test_a_library_planted_beside_the_program_is_not_found_by_its_bare_name(self):
        # Wine's own libraries load theirs from beside the program whatever the
        # program asked, so Sashlet's own search is asked from inside it.
        builds = os.path.dirname(self.s.probe_exe)
        shutil.copy(os.path.join(builds, 'planted.dll'), self.s.path('planted.dll'))
        self.s.start_sashlet()
        self.s.start_windows('beside:300,300,200,100')
        # testwin, beside its own copy, searches as Windows does by default.
        code, beside = self.s.probe('load-in', 'beside', 'planted.dll')
        self.assertEqual((code, beside.strip()), (0, windows_path(os.path.join(builds, 'planted.dll'))))
        code, inside = self.s.probe('load-in', 'SashletLeft', 'planted.dll')
        self.assertEqual((code, inside.strip()), (0, ''))

    def test_a_folder_too_long_for_the_settings_file_gives_defaults_and_writes_nothing(self):
        # Z:\ plus the Unix path must come to 248 characters: one too many for "\Sashlet.ini".
        base = self.s.app_dir
        windows_len = len('Z:' + base)
        deep = base
        remaining = 248 - windows_len
        while remaining > 0:
            part = min(remaining - 1, 100)
            deep = os.path.join(deep, 'd' * part)
            remaining -= part + 1
        self.assertEqual(len('Z:' + deep), 248)
        os.makedirs(deep)
        ini = '[Sashlet]\r\nLeft=0\r\nRight=1\r\n'
        with open(os.path.join(deep, 'Sashlet.ini'), 'wb') as f:
            f.write(ini.encode())
        self.s.start_sashlet(exe_dir=deep)
        self.assertEqual([w.title for w in self.s.bars() if w.visible], ['SashletLeft'])
        with open(os.path.join(deep, 'Sashlet.ini'), 'rb') as f:
            self.assertEqual(f.read(), ini.encode())


if __name__ == '__main__':
    unittest.main()
