"""A long day on the desktop: many wipes and options sheets must leave the
program's resources flat. Wine answers GetGuiResources with 0, so the probe
counts GDI objects in the process's own handle table and USER objects in the
session's, and memory and open files are read from the Linux side.

It runs in Wine's virtual desktop: without a window manager, plain X makes
Wine wait two seconds for every closed sheet to be withdrawn."""
import os
import unittest

from harness import SessionTest

WIPES, SHEETS = 1000, 500


def allowed_growth(cycles):
    """Wine's cache of window DCs, with their regions and bitmaps, grows by a
    few now and then and stays; a leak of one object in every four cycles or
    more adds more of its type."""
    return cycles // 5


def footprint(pid):
    """Resident private memory, data memory (KiB) and the number of open files
    of a process. Resident memory counts its private pages only: fonts and
    libraries paged in from their files are no leak."""
    fields = {}
    with open('/proc/%d/status' % pid) as f:
        for line in f:
            key, _, value = line.partition(':')
            fields[key] = value.strip()
    return (int(fields['RssAnon'].split()[0]), int(fields['VmData'].split()[0]), len(os.listdir('/proc/%d/fd' % pid)))


class SoakTest(SessionTest):
    virtual_desktop = True

    def soak(self, command, *args):
        code, out = self.s.probe(command, *args, timeout=900)
        self.assertEqual(code, 0)
        done, failures = (int(v) for v in out.strip().split('|'))
        return done, failures

    def objects(self):
        """Sashlet's GDI objects by type and the session's USER objects, once a closed sheet has been freed."""
        def read():
            gdi = self.s.probe('gdi-objects', 'SashletLeft')
            user = self.s.probe('user-objects')
            self.assertEqual((gdi[0], user[0]), (0, 0))
            counts = {'GDI type ' + t: int(n) for t, n in (pair.split(':') for pair in gdi[1].split())}
            counts['USER'] = int(user[1])
            return counts
        return self.s.settled(read, quiet=1)

    def test_wipes_and_options_sheets_leave_resources_flat(self):
        p = self.s.start_sashlet()
        self.s.start_windows('other:500,300,100,100', 'moved:10,100,200,150')
        # Warm up: the first wipes and sheets load code and fill font caches.
        self.assertEqual(self.soak('soak-wipes', '20', 'other'), (20, 0))
        self.assertEqual(self.soak('soak-options', '50'), (50, 0))
        objects, memory = self.objects(), footprint(p.pid)
        self.assertGreater(len(objects), 1, 'the probe found no GDI objects at all')

        for command, cycles, args in (('soak-wipes', WIPES, ['other']), ('soak-options', SHEETS, [])):
            self.assertEqual(self.soak(command, str(cycles), *args), (cycles, 0))
            before, objects = objects, self.objects()
            for kind, count in objects.items():
                self.assertLessEqual(count - before.get(kind, 0), allowed_growth(cycles),
                                     '%s objects over %d %s: %r before, %r after' % (kind, cycles, command, before, objects))
        after_memory = footprint(p.pid)

        self.assertIsNone(p.poll())
        self.assertWindowAt('moved', 10, 100)
        # Memory catches what is not an object: 2 KiB a cycle would pass 3 MiB.
        self.assertLess(after_memory[0] - memory[0], 3 * 1024, 'resident private memory grew: %r, %r' % (memory, after_memory))
        self.assertLess(after_memory[1] - memory[1], 3 * 1024, 'data memory grew: %r, %r' % (memory, after_memory))
        self.assertLessEqual(after_memory[2], memory[2] + 2, 'open files grew: %r, %r' % (memory, after_memory))


if __name__ == '__main__':
    unittest.main()
