#!/usr/bin/env python3
"""The installer's decisions, against stand-in apt-get, dpkg and dpkg-query
put first on PATH: the real package database is never touched. Each stand-in
writes its command line to a log, and apt-get answers as a mirror caught
mid-sync, or one that lacks a package, would."""
import os
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.abspath(sys.argv.pop(1) if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), '..', '..'))
INSTALLER = os.path.join(ROOT, 'scripts', 'install-deps.sh')

APT_GET = r'''#!/bin/bash
echo "apt-get $*" >>"$FAKE_LOG"
if [ "$1" = update ]; then
  [ -z "$FAKE_UPDATE_FAILS" ] && exit 0
  echo "E: Failed to fetch http://deb.debian.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (61324 != 61536). Mirror sync in progress? [IP: 151.101.2.132 80]"
  exit 100
fi
case "$FAKE_INSTALL" in
  held)
    case " $* " in *" -t "*) exit 0 ;; esac
    echo "Some packages could not be installed. This may mean that you have"
    echo "The following packages have unmet dependencies:"
    echo " wine32:i386 : Depends: libwine:i386 (= 8.0~repack-4) but it is not going to be installed"
    echo "E: Unable to correct problems, you have held broken packages."
    exit 100 ;;
  missing)
    echo "E: Unable to locate package $FAKE_MISSING"
    exit 100 ;;
esac
exit 0
'''
DPKG = r'''#!/bin/bash
echo "dpkg $*" >>"$FAKE_LOG"
exit 0
'''
DPKG_QUERY = r'''#!/bin/bash
[ -n "$FAKE_ALL_INSTALLED" ] && { echo -n "install ok installed"; exit 0; }
exit 1
'''


class InstallerTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.TemporaryDirectory()
        bin_dir = os.path.join(self.dir.name, 'bin')
        os.mkdir(bin_dir)
        for name, text in (('apt-get', APT_GET), ('dpkg', DPKG), ('dpkg-query', DPKG_QUERY)):
            path = os.path.join(bin_dir, name)
            with open(path, 'w') as f:
                f.write(text)
            os.chmod(path, 0o755)
        self.log = os.path.join(self.dir.name, 'calls')
        open(self.log, 'w').close()
        self.env = dict(os.environ, PATH=bin_dir + os.pathsep + os.environ['PATH'], FAKE_LOG=self.log,
                        FAKE_UPDATE_FAILS='', FAKE_INSTALL='ok', FAKE_MISSING='', FAKE_ALL_INSTALLED='',
                        SASHLET_RUNS_32BIT='1')

    def tearDown(self):
        self.dir.cleanup()

    def run_installer(self, **env):
        result = subprocess.run(['bash', INSTALLER], env=dict(self.env, **env), capture_output=True, text=True,
                                timeout=60)
        with open(self.log) as f:
            calls = f.read().splitlines()
        return result, calls

    def installs(self, calls):
        return [c for c in calls if c.startswith('apt-get') and ' install ' in c]

    def test_a_mirror_out_of_step_installs_the_releases_own_versions_after_a_second_update(self):
        result, calls = self.run_installer(FAKE_UPDATE_FAILS='1', FAKE_INSTALL='held')
        self.assertEqual(result.returncode, 0, result.stderr)
        apt = [c.split()[1] for c in calls if c.startswith('apt-get')]
        self.assertEqual(apt, ['update', 'install', 'update', 'install', 'install'])
        installs = self.installs(calls)
        self.assertNotIn(' -t ', installs[0])
        self.assertIn(' -t bookworm ', installs[-1])
        for install in installs:
            self.assertIn('--no-remove', install)
        self.assertIn('wine32:i386', installs[-1])
        self.assertIn('a minute or two', result.stderr)
        self.assertIn("installing bookworm's own versions", result.stderr)

    def test_a_package_that_cannot_be_had_is_named_with_apts_own_message(self):
        result, calls = self.run_installer(FAKE_INSTALL='missing', FAKE_MISSING='wine64-preloader')
        self.assertEqual(result.returncode, 1)
        self.assertIn('could not install: wine64-preloader', result.stderr)
        self.assertIn('E: Unable to locate package wine64-preloader', result.stderr)
        self.assertIn('nothing already installed was removed', result.stderr)
        self.assertEqual(len(self.installs(calls)), 3)

    def test_no_i386_is_added_or_asked_for_where_32_bit_programs_cannot_run(self):
        result, calls = self.run_installer(SASHLET_RUNS_32BIT='0')
        self.assertEqual(result.returncode, 0, result.stderr)
        self.assertFalse([c for c in calls if 'add-architecture' in c or ':i386' in c], calls)
        self.assertIn('wine64-preloader', self.installs(calls)[0])
        # Where it can, the 32-bit Wine and its architecture are what it adds.
        open(self.log, 'w').close()
        result, calls = self.run_installer(SASHLET_RUNS_32BIT='1')
        self.assertIn('dpkg --add-architecture i386', calls)
        self.assertIn('wine32:i386', self.installs(calls)[0])
        # With everything there, apt is not even asked.
        open(self.log, 'w').close()
        result, calls = self.run_installer(FAKE_ALL_INSTALLED='1')
        self.assertEqual((result.returncode, calls), (0, []))


if __name__ == '__main__':
    unittest.main()
