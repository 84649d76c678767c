#!/usr/bin/env python3
"""Keeps the source folders layered: each folder includes only folders below
it, so no include runs upward and no loop can form, and only the shell in
app/ touches the application's state. The resources in res/ lie below every
source folder: any folder may include their header, and they include nothing
of the sources."""
import os
import re
import sys
import unittest

ROOT = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..'))
SRC = os.path.join(ROOT, 'src')
RES = os.path.join(ROOT, 'res')
# Bottom to top.
LAYERS = ['res', 'common', 'config', 'processes', 'desktop', 'bars', 'wipe', 'options', 'app']
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def sources():
    """(layer, file name, folder path, text) of every source and resource file."""
    folders = [(f, os.path.join(SRC, f)) for f in sorted(os.listdir(SRC))] + [('res', RES)]
    for layer, folder in folders:
        for name in sorted(os.listdir(folder)):
            with open(os.path.join(folder, name), encoding='utf-8') as f:
                yield layer, name, folder, f.read()


def layer_of(path):
    """The layer a file lies in, or None for a file outside src/ and res/ (generated ones included)."""
    for layer, top in (('res', RES), (None, SRC)):
        rel = os.path.relpath(path, top)
        if not rel.startswith('..'):
            return layer or rel.split(os.sep)[0]
    return None


class LayersTest(unittest.TestCase):
    def test_every_folder_has_its_place(self):
        self.assertEqual(sorted(os.listdir(SRC) + ['res']), sorted(LAYERS))

    def test_includes_only_run_downward(self):
        for layer, name, folder, text in sources():
            for target in INCLUDE.findall(text):
                included = layer_of(os.path.normpath(os.path.join(folder, target)))
                if included is None:
                    continue  # generated next to the build: the version header, the images
                with self.subTest(file='%s/%s' % (layer, name), include=target):
                    self.assertLessEqual(LAYERS.index(included), LAYERS.index(layer), 'an include runs upward')

    def test_only_the_shell_touches_the_application_state(self):
        for layer, name, _, text in sources():
            if layer != 'app':
                with self.subTest(file='%s/%s' % (layer, name)):
                    self.assertNotIn('g_app', text)
                    self.assertNotIn('app_state.h', text)


if __name__ == '__main__':
    unittest.main(verbosity=2)
