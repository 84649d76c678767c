"""Wiping from the keyboard: a key per edge, pressed alone or in the middle of a drag."""
import unittest

from harness import SessionTest, resource_id, wait_until
from test_options import OK, OptionsSession

D = 150  # twice the icon spacing of 75
LEFT_KEY = resource_id('IDC_LEFT_KEY')
KEYS = '[Sashlet]\r\nLeft=1\r\nTop=1\r\nLeftKey=Ctrl+Alt+L\r\nTopKey=Win+Alt+Up\r\nRightKey=Ctrl+Alt+R\r\n'


class KeysTest(SessionTest):
    def test_each_key_wipes_its_edge_and_ends_or_moves_the_wipe(self):
        self.s.write('Sashlet.ini', KEYS)
        self.s.start_sashlet()
        self.s.start_windows('a:10,300,200,150', 'b:400,10,200,150')
        self.s.start_windows('c:700,300,200,150')
        self.s.activate('b')
        self.s.keys('ctrl+alt+l')
        self.assertWindowAt('a', D, 300)
        self.s.wait_in_front('SashletLeft')
        # Pressed again, it ends the wipe, and the window the user was in has the front and the keys again.
        self.s.keys('ctrl+alt+l')
        self.assertWindowAt('a', 10, 300)
        self.s.wait_given_back('b')
        # Another edge's key moves the wipe there.
        self.s.keys('ctrl+alt+l')
        self.assertWindowAt('a', D, 300)
        self.s.keys('super+alt+Up')
        self.assertWindowAt('b', 400, D)
        self.assertWindowAt('a', 10, 300)
        # Escape on the wiped bar, which is in front, ends it; the front goes
        # back to the window from before the first of the two wipes.
        self.s.wait_in_front('SashletTop')
        self.s.xdotool('mousemove', 600, D + 1, 'key', 'Escape')
        self.assertWindowAt('b', 400, 10)
        self.s.wait_given_back('b')
        # A wipe from the keyboard ends as any wipe does, when another window
        # comes to the front, which keeps it.
        self.s.keys('ctrl+alt+l')
        self.assertWindowAt('a', D, 300)
        self.s.activate('c')
        self.assertWindowAt('a', 10, 300)
        self.s.wait_in_front('c')
        # Closed during the wipe, the window from before leaves the front to
        # the next one down, as Windows gives it when an active window closes.
        self.s.keys('ctrl+alt+l')
        self.assertWindowAt('a', D, 300)
        self.s.probe('close', 'c')
        wait_until(lambda: self.s.find('c') is None, 10, message='c to close')
        self.s.xdotool('mousemove', D + 1, 500, 'key', 'Escape')
        self.assertWindowAt('a', 10, 300)
        self.s.wait_given_back('b')
        # The Right edge has a key but no bar: nothing; then the Left edge's key still wipes.
        self.s.keys('ctrl+alt+r')
        self.s.assert_unchanged(lambda: (self.s.find('b').left, self.s.shows('SashletRight')), 1.0,
                                (400, False))
        self.s.keys('ctrl+alt+l')
        self.assertWindowAt('a', D, 300)

    def test_a_key_pressed_while_a_file_is_held_with_shift_opens_the_strip_for_the_drop(self):
        self.s.write('Sashlet.ini', KEYS)
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150', 'source:500,300,200,150')
        self.s.activate('source')
        with self.s.holding(600, 350):
            # Shift held to move the file, as a drag lets it, does not keep the key from wiping.
            self.s.keys('shift+ctrl+alt+l')
            self.assertWindowAt('a', D, 100)
            # Carried over the opened strip, to an icon there, and let go.
            self.s.move_through((300, 200), (40, 140))
        self.s.assert_unchanged(lambda: self.s.find('a').left, 1.0, D)
        self.assertEqual(self.s.front(), 'source', 'the drag source kept the front')
        # Once the file has been dropped, the next click in the window it came
        # from ends the wipe, as a click in any other window does.
        self.s.click(600, 350)
        self.assertWindowAt('a', 10, 100)
        self.assertEqual(self.s.front(), 'source')


class KeysPageTest(OptionsSession):
    def test_the_keys_page_sets_a_key_that_the_file_then_holds_as_text(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,200,150')
        self.open_options()
        self.show_keys_page()
        self.click(LEFT_KEY)
        self.s.keys('ctrl+alt+k')
        self.click(OK)
        wait_until(self.sheet_closed, 10, message='the sheet to close')
        self.assertIn(b'\r\nLeftKey=Ctrl+Alt+K\r\n', self.s.read('Sashlet.ini'))
        self.s.keys('ctrl+alt+k')
        self.assertWindowAt('a', D, 100)


if __name__ == '__main__':
    unittest.main()
