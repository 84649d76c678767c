"""A long day on the desktop: many wipes and options sheets must leave the
program's resources flat. Wine does not count a process's GDI and USER objects
or handles (GetGuiResources and GetProcessHandleCount answer 0), so the
program's memory and open files are measured from the Linux side instead."""
import os
import unittest

from harness import SessionTest


def footprint(pid):
    """Resident and data memory (KiB) and the number of open files of a process."""
    fields = {}
    with open('/proc/%d/status' % pid) as f:
        for line in f:
            key, _, value = line.partition(':')
            fields[key] = value.strip()
    return (int(fields['VmRSS'].split()[0]), int(fields['VmData'].split()[0]), len(os.listdir('/proc/%d/fd' % pid)))


class SoakTest(SessionTest):
    def soak(self, command, *args):
        code, out = self.s.probe(command, *args, timeout=900)
        self.assertEqual(code, 0)
        done, failures = (int(v) for v in out.strip().split('|'))
        return done, failures

    def test_wipes_and_options_sheets_leave_resources_flat(self):
        p = self.s.start_sashlet()
        self.s.start_windows('other:500,300,100,100', 'moved:10,100,200,150')
        # Warm up: the first wipes and the first sheet load code and caches.
        self.assertEqual(self.soak('soak-wipes', '20', 'other'), (20, 0))
        self.assertEqual(self.soak('soak-options', '5'), (5, 0))
        before = footprint(p.pid)
        self.assertEqual(self.soak('soak-wipes', '1000', 'other'), (1000, 0))
        self.assertEqual(self.soak('soak-options', '200'), (200, 0))
        after = footprint(p.pid)
        self.assertIsNone(p.poll())
        self.assertWindowAt('moved', 10, 100)
        # A leaked brush, menu or cursor per cycle would add up to far more.
        self.assertLess(after[0] - before[0], 3 * 1024, 'resident memory grew from %r to %r' % (before, after))
        self.assertLess(after[1] - before[1], 3 * 1024, 'data memory grew from %r to %r' % (before, after))
        self.assertLessEqual(after[2], before[2] + 2, 'open files grew from %r to %r' % (before, after))


if __name__ == '__main__':
    unittest.main()
