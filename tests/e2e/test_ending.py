"""However Sashlet ends in the middle of a wipe, the pushed windows go home:
Close, Alt+F4, the task list, a newer copy, and a kill followed by a new start."""
import os
import signal
import time
import unittest

from harness import SessionTest, wait_until

MOVED = 'Sashlet.moved'


class EndingTest(SessionTest):
    def wipe_a_and_b(self):
        """A at 10,100 and B at 60,350, both 300x200, and C below them, pushed by a Left wipe;
        returns their rectangles from before it."""
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,300,200', 'b:60,350,300,200', 'c:60,600,300,100')
        before = {t: self.s.find(t).rect for t in 'abc'}
        self.s.activate('b')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', 150, 100)
        self.assertWindowAt('b', 150, 350)
        return before

    def end_and_expect_home(self, end):
        before = self.wipe_a_and_b()
        self.assertTrue(os.path.exists(self.s.path(MOVED)), 'a wipe keeps its record')
        sashlet = self.s.sashlet
        end()
        wait_until(lambda: sashlet.poll() is not None, 20, message='Sashlet to end')
        for t in 'abc':
            self.assertEqual(self.s.find(t).rect, before[t], t)
        self.assertFalse(os.path.exists(self.s.path(MOVED)), 'an orderly end leaves no record')

    def test_close_from_the_wiped_bars_menu_gives_the_front_back(self):
        def close():
            self.s.open_menu('SashletLeft', 151, 400)
            self.s.keys('c')
        self.end_and_expect_home(close)
        self.s.wait_given_back('b')

    def test_alt_f4_on_the_wiped_bar(self):
        # Without a window manager X gives the keys to the window under the
        # pointer, and Wine takes the modifier of "key alt+F4" only when it is held on its own.
        self.end_and_expect_home(lambda: self.s.xdotool('mousemove', 151, 400, 'keydown', 'alt', 'key', 'F4',
                                                        'keyup', 'alt'))

    def test_wm_close_from_the_task_list(self):
        self.end_and_expect_home(lambda: self.s.probe('close', 'Sashlet'))

    def test_a_program_that_stopped_responding_holds_the_end_up_a_moment_at_most(self):
        self.s.start_sashlet()
        self.s.start_windows('a:10,100,300,200')
        self.s.start_windows('hung:20,400,200,100')
        self.s.double_click_bar('SashletLeft', 1, 700)
        self.assertWindowAt('a', 150, 100)
        self.assertWindowAt('hung', 150, 400)
        self.assertEqual(self.s.probe('hang', 'hung')[0], 0)
        wait_until(lambda: self.s.probe('answers', 'hung')[0] == 1, 10, message='the program to stop answering')
        sashlet = self.s.sashlet
        started = time.monotonic()
        self.s.probe('close', 'Sashlet')
        wait_until(lambda: sashlet.poll() is not None, 20, message='Sashlet to end')
        self.assertLess(time.monotonic() - started, 8)
        self.assertEqual(self.s.find('a').rect, (10, 100, 310, 300))
        # Its window goes home once it answers again.
        self.assertEqual(self.s.probe('resume')[0], 0)
        self.assertWindowAt('hung', 20, 400)

    def test_a_new_copy_takes_over_only_once_the_windows_are_home_and_its_key_wipes(self):
        self.s.write('Sashlet.ini', '[Sashlet]\r\nLeftKey=Ctrl+Alt+L\r\n')
        before = self.wipe_a_and_b()
        first = self.s.sashlet
        self.s.start_sashlet()
        self.assertIsNotNone(first.poll())
        # Read once, without waiting: the bars stand, so the moves have landed.
        for t in 'abc':
            self.assertEqual(self.s.find(t).rect, before[t], t)
        self.assertEqual(self.s.find('SashletLeft').rect[:2], (0, 0))
        self.assertFalse(os.path.exists(self.s.path(MOVED)))
        # The key the old copy held is the new copy's now.
        self.s.xdotool('mousemove', 500, 720, 'key', 'ctrl+alt+l')
        self.assertWindowAt('a', 150, 100)

    def test_after_a_kill_the_next_start_puts_home_only_what_is_still_where_it_was_sent(self):
        before = self.wipe_a_and_b()
        # The bar dragged further on: the record follows where the windows were sent.
        self.s.drag_bar('SashletLeft', (151, 700), (200, 700), (251, 700))
        self.assertWindowAt('a', 252, 100)
        os.kill(self.s.sashlet.pid, signal.SIGKILL)
        self.s.sashlet.wait()
        wait_until(lambda: not self.s.x_windows('SashletLeft'), 20, message="the killed copy's bars to go")
        self.assertEqual(self.s.find('a').left, 252, 'a kill sends nothing home')
        # B is moved by the user meanwhile: it stays where the user put it.
        self.s.probe('move', 'b', '400,300')
        wait_until(lambda: self.s.find('b').rect[:2] == (400, 300), 10, message='b moved by the user')
        # C is maximised meanwhile, so it is no longer as the wipe left it.
        self.s.probe('show', 'c', str(3))
        wait_until(lambda: self.s.find('c').state == 'maximized', 10, message='c maximised')
        # On one core Wine gives the state first and the maximised size a moment later.
        c = self.s.settled(lambda: self.s.find('c').rect)
        self.s.start_sashlet()
        self.assertEqual(self.s.find('a').rect, before['a'])
        self.assertEqual(self.s.find('b').rect[:2], (400, 300))
        self.assertEqual(self.s.find('c').rect, c)
        self.assertFalse(os.path.exists(self.s.path(MOVED)), 'the record is read once')

    def test_a_damaged_record_is_removed_and_moves_nothing(self):
        self.s.start_windows('a:150,100,300,200')
        window, pid, cls = self.s.probe('identity', 'a')[1].split()
        record = 'Sashlet.moved 1 1\r\n%s %s 0 10 100 150 100 %d:%s\r\n' % (window, pid, len(cls), cls)
        # The record would send A home, but for its cut-off last line.
        self.s.write(MOVED, record + '1 1 0 1')
        self.s.start_sashlet()
        self.assertEqual(self.s.find('a').left, 150)
        self.assertFalse(os.path.exists(self.s.path(MOVED)))
        self.s.write(MOVED, record)
        self.s.start_sashlet()
        self.assertEqual(self.s.find('a').rect, (10, 100, 310, 300))

if __name__ == '__main__':
    unittest.main()
