#!/usr/bin/env python3
"""Checks the shipped Sashlet.exe: a 32-bit Windows GUI program that imports
only Windows system DLLs (no MinGW runtime), is small, and carries the
project's version (the second argument) in its version block and about texts."""
import struct
import sys
import unittest

EXE = sys.argv.pop(1)
VERSION = sys.argv.pop(1)

SYSTEM_DLLS = {'kernel32.dll', 'user32.dll', 'gdi32.dll', 'comctl32.dll', 'comdlg32.dll', 'shlwapi.dll',
               'msvcrt.dll', 'advapi32.dll', 'shell32.dll'}


class PeFile:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from('<I', data, 0x3C)[0]
        assert data[pe:pe + 4] == b'PE\0\0', 'no PE signature'
        self.machine, nsections = struct.unpack_from('<HH', data, pe + 4)
        opt_size = struct.unpack_from('<H', data, pe + 20)[0]
        opt = pe + 24
        self.magic = struct.unpack_from('<H', data, opt)[0]
        self.subsystem = struct.unpack_from('<H', data, opt + 68)[0]
        dirs = opt + (96 if self.magic == 0x10B else 112)
        self.import_rva = struct.unpack_from('<I', data, dirs + 8)[0]
        self.resource_rva = struct.unpack_from('<I', data, dirs + 16)[0]
        self.sections = []
        for i in range(nsections):
            s = opt + opt_size + 40 * i
            vsize, va, rawsize, rawptr = struct.unpack_from('<IIII', data, s + 8)
            self.sections.append((va, max(vsize, rawsize), rawptr))

    def offset(self, rva):
        for va, size, raw in self.sections:
            if va <= rva < va + size:
                return rva - va + raw
        raise ValueError('rva %x outside sections' % rva)

    def cstr(self, rva):
        o = self.offset(rva)
        return self.data[o:self.data.index(b'\0', o)].decode('ascii')

    def imported_dlls(self):
        names = []
        o = self.offset(self.import_rva)
        while True:
            name_rva = struct.unpack_from('<I', self.data, o + 12)[0]
            if name_rva == 0:
                return names
            names.append(self.cstr(name_rva).lower())
            o += 20


class ExecutableTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(EXE, 'rb') as f:
            cls.data = f.read()
        cls.pe = PeFile(cls.data)

    def test_is_32_bit_gui_program(self):
        self.assertEqual(self.pe.machine, 0x14C, 'not an i386 image')
        self.assertEqual(self.pe.magic, 0x10B, 'not PE32')
        self.assertEqual(self.pe.subsystem, 2, 'not a GUI program')

    def test_imports_only_system_dlls(self):
        dlls = self.pe.imported_dlls()
        self.assertIn('user32.dll', dlls)
        self.assertEqual([d for d in dlls if d not in SYSTEM_DLLS], [])
        self.assertFalse(any('psapi' in d for d in dlls), 'process status library must be loaded at run time')
        # With what they bring in, these cost a start more than Sashlet's own work: the sheet loads the
        # common controls and dialogs when it first opens, and the program's folder is cut without shlwapi.
        self.assertEqual([d for d in dlls if d in ('comctl32.dll', 'comdlg32.dll', 'shlwapi.dll')], [])

    def test_is_small(self):
        # About 80 KB, built for size; the limit leaves room for what comes.
        self.assertLess(len(self.data), 88 * 1024)

    def test_carries_version_and_manifest(self):
        # VS_FIXEDFILEINFO: signature, struct version, then file version MS and LS words.
        sig = self.data.find(struct.pack('<I', 0xFEEF04BD))
        self.assertGreater(sig, 0)
        ms, ls = struct.unpack_from('<II', self.data, sig + 8)
        self.assertEqual((ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF), tuple(int(n) for n in VERSION.split('.')))
        for about in ('Version ' + VERSION, 'Ver. ' + VERSION):
            self.assertIn(about.encode('utf-16-le'), self.data)
        self.assertIn(b'Microsoft.Windows.Common-Controls', self.data)
        self.assertIn(b'level="asInvoker"', self.data)
        # Per-monitor aware, version 2 first, with the older forms for older
        # Windows: real pixels on every monitor, scaled or not.
        self.assertRegex(self.data, rb'<dpiAware[^>]*>true/pm</dpiAware>')
        self.assertRegex(self.data, rb'<dpiAwareness[^>]*>PerMonitorV2, PerMonitor</dpiAwareness>')


if __name__ == '__main__':
    unittest.main(verbosity=2)
