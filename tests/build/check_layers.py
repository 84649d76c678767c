#!/usr/bin/env python3
"""Keeps the source folders layered: each folder includes only folders below
it, so no include runs upward and no loop can form, and only the shell in
app/ touches the application's state."""
import os
import re
import sys
import unittest

ROOT = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..')
SRC = os.path.join(ROOT, 'src')
# Bottom to top.
LAYERS = ['common', 'config', 'processes', 'wipe', 'options', 'app']
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def sources():
    for folder in sorted(os.listdir(SRC)):
        for name in sorted(os.listdir(os.path.join(SRC, folder))):
            path = os.path.join(SRC, folder, name)
            with open(path, encoding='utf-8') as f:
                yield folder, name, f.read()


class LayersTest(unittest.TestCase):
    def test_every_folder_has_its_place(self):
        self.assertEqual(sorted(os.listdir(SRC)), sorted(LAYERS))

    def test_includes_only_run_downward(self):
        for folder, name, text in sources():
            for target in INCLUDE.findall(text):
                resolved = os.path.normpath(os.path.join(SRC, folder, target))
                parts = os.path.relpath(resolved, SRC).split(os.sep)
                if parts[0] == '..':
                    continue  # the resource header and other files outside src/
                with self.subTest(file='%s/%s' % (folder, name), include=target):
                    if parts[0] != folder:
                        self.assertLess(LAYERS.index(parts[0]), LAYERS.index(folder), 'an include runs upward')

    def test_only_the_shell_touches_the_application_state(self):
        for folder, name, text in sources():
            if folder != 'app':
                with self.subTest(file='%s/%s' % (folder, name)):
                    self.assertNotIn('g_app', text)
                    self.assertNotIn('app_state.h', text)


if __name__ == '__main__':
    unittest.main(verbosity=2)
