#!/usr/bin/env python3
"""Checks the pictures of the README and the user guide: every picture either
points at must exist, each picture the documents are meant to show is shown,
and every picture is an indexed PNG of a few tens of KB; and that each half
of the guide has a row for every key of the settings file."""
import os
import re
import sys
import unittest

ROOT = sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..')
README = os.path.join(ROOT, 'README.md')
GUIDE = os.path.join(ROOT, 'docs', 'user-guide.md')
IMAGES = os.path.join(ROOT, 'docs', 'images')

# What each document must show: the README opens with the wipe itself; the
# guide shows every way to wipe, the menu and every page, in both languages.
EXPECTED = {
    README: ['docs/images/wipe-before-after.png'],
    GUIDE: ['images/wipe-before-after.png', 'images/drag-file.png', 'images/bar-drag.png', 'images/bars.png',
            'images/menu-en.png', 'images/menu-ja.png', 'images/options-en.png', 'images/options-ja.png',
            'images/ignore-en.png', 'images/ignore-ja.png', 'images/keys-en.png', 'images/keys-ja.png',
            'images/every-screen.png'],
}
PNG_SIGNATURE = b'\x89PNG\r\n\x1a\n'
PALETTE_COLOUR_TYPE = 3
MAX_BYTES = 80 * 1024


def settings_keys():
    """Every key "Sashlet.ini" may hold, as the program's tables name them."""
    src = os.path.join(ROOT, 'src', 'config')
    with open(os.path.join(src, 'settings.cpp'), encoding='utf-8') as f:
        settings = f.read()
    with open(os.path.join(src, 'settings.h'), encoding='utf-8') as f:
        header = f.read()
    with open(os.path.join(src, 'edges.h'), encoding='utf-8') as f:
        edges = f.read()
    keys = re.findall(r'\{"(\w+)", &Settings::', settings)
    keys += re.findall(r'kColorKey = "(\w+)"', header)
    for row in re.findall(r'\{("\w+".*?)\},?\n', edges, re.S):
        names = re.findall(r'"(\w+)"', row)
        keys += [names[0], names[2]]  # the edge's flag key and its hot key's; the other is the bar's title
    return sorted(set(keys))


def pictures(document):
    with open(document, encoding='utf-8') as f:
        return re.findall(r'!\[[^\]]*\]\(([^)\s]+)\)', f.read())


class DocumentPicturesTest(unittest.TestCase):
    def test_every_picture_a_document_points_at_exists(self):
        for document in EXPECTED:
            for target in pictures(document):
                with self.subTest(document=os.path.basename(document), picture=target):
                    path = os.path.join(os.path.dirname(document), target)
                    self.assertTrue(os.path.isfile(path), 'missing: ' + path)

    def test_each_document_shows_the_pictures_it_is_meant_to(self):
        for document, expected in EXPECTED.items():
            shown = pictures(document)
            for target in expected:
                with self.subTest(document=os.path.basename(document), picture=target):
                    self.assertIn(target, shown)

    def test_the_readme_opens_with_one_sentence_then_the_wipe(self):
        with open(README, encoding='utf-8') as f:
            paragraphs = [p.strip() for p in f.read().split('\n\n') if p.strip()]
        self.assertTrue(paragraphs[0].startswith('# '))
        sentence = ' '.join(paragraphs[1].split())
        self.assertTrue(sentence.endswith('.') and sentence.count('. ') == 0, sentence)
        self.assertIn('wipe-before-after.png', paragraphs[2])

    def test_pictures_are_small_indexed_pngs(self):
        names = sorted(n for n in os.listdir(IMAGES) if n.endswith('.png'))
        self.assertTrue(names)
        for name in names:
            with self.subTest(picture=name):
                with open(os.path.join(IMAGES, name), 'rb') as f:
                    data = f.read()
                self.assertEqual(data[:8], PNG_SIGNATURE)
                self.assertEqual(data[25], PALETTE_COLOUR_TYPE, 'not an indexed PNG')
                self.assertLessEqual(len(data), MAX_BYTES)

    def test_every_key_of_the_settings_file_has_its_row_in_both_halves_of_the_guide(self):
        keys = settings_keys()
        self.assertGreaterEqual(len(keys), 15)
        with open(GUIDE, encoding='utf-8') as f:
            english, japanese = f.read().split('\n## 日本語', 1)
        for half, text in (('English', english), ('Japanese', japanese)):
            rows = '\n'.join(line for line in text.splitlines() if line.startswith('|'))
            for key in keys:
                with self.subTest(half=half, key=key):
                    self.assertIn('`%s`' % key, rows)

    def test_no_picture_lies_unused(self):
        shown = {os.path.normpath(os.path.join(os.path.dirname(d), t)) for d in EXPECTED for t in pictures(d)}
        for name in os.listdir(IMAGES):
            with self.subTest(picture=name):
                self.assertIn(os.path.normpath(os.path.join(IMAGES, name)), shown)


if __name__ == '__main__':
    unittest.main()
