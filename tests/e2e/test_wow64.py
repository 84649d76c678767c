"""The shipped 32-bit Sashlet among 64-bit programs, as on 64-bit Windows: one
64-bit prefix, the 32-bit exe and 64-bit test windows on one desktop."""
import os
import shutil
import subprocess
import unittest

from harness import windows_path
from test_options import OptionsSession

HERE = os.path.dirname(os.path.abspath(__file__))
EXE32 = os.environ.get('SASHLET_EXE32', '')
WIN64_DIR = os.environ.get('SASHLET_WIN64_DIR', '')
TESTWIN64 = os.path.join(WIN64_DIR, 'testwin.exe')
PROBE64 = os.path.join(WIN64_DIR, 'probe.exe')
D = 150  # twice the default horizontal icon spacing of 75


def why_not_here():
    if subprocess.run([os.path.join(HERE, '..', '..', 'scripts', 'can-run-32bit.sh')]).returncode != 0:
        return 'this machine cannot run 32-bit programs, so the shipped 32-bit Sashlet.exe cannot run under Wine here'
    for path in (EXE32, TESTWIN64, PROBE64):
        if not os.path.exists(path):
            return 'not built: ' + (path or 'the 32-bit Sashlet.exe')
    return None


@unittest.skipIf(why_not_here(), why_not_here())
class Wow64NeighboursTest(OptionsSession):
    session_options = dict(arch='win64', exe=EXE32, probe=PROBE64, testwin=TESTWIN64)

    def test_a_64_bit_program_is_pushed_and_comes_back_to_the_pixel(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150', 'other:500,300,100,100')
        home = self.s.find('a')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', D, 100, size=home.size)
        self.s.click(550, 350)
        self.assertWindowAt('a', 10, 100, size=home.size)

    def test_an_ignored_64_bit_program_stays_and_keeps_the_wipe_in_front(self):
        other = self.s.path('other64.exe')
        shutil.copy(TESTWIN64, other)
        self.s.write('ignore.lst', windows_path(TESTWIN64) + '\r\n')
        self.s.start_sashlet()
        self.s.start_windows('kept:10,100,200,150')
        self.s.start_windows('moved:10,300,200,100', 'elsewhere:500,300,100,100', exe=other)
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('moved', D, 300)
        self.s.moves_landed('kept')
        self.assertEqual(self.s.find('kept').left, 10)
        self.s.activate('kept')
        self.s.assert_unchanged(lambda: (self.s.find('SashletLeft').left, self.s.find('moved').left), 1.0,
                                (D, D))
        self.s.click(550, 350)
        self.assertWindowAt('moved', 10, 300)

    def test_a_64_bit_program_added_through_the_file_dialog_is_ignored_at_the_next_wipe(self):
        self.add_program_and_wipe(TESTWIN64)


if __name__ == '__main__':
    unittest.main()
