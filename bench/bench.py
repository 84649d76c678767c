#!/usr/bin/env python3
"""Measures Sashlet under Wine and prints Markdown tables: start-up against a
minimal Win32 program, idle CPU, memory, and the shipped executable's size and
imports. Timings are medians over repeated runs.

Usage: bench.py BUILD_DIR SHIPPED_EXE   (DISPLAY and the SASHLET_* variables as for the tests)
"""
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
import harness  # noqa: E402

BUILD, SHIPPED = sys.argv[1], sys.argv[2]


def visible(display, title):
    r = subprocess.run(['xdotool', 'search', '--onlyvisible', '--name', '^%s$' % title],
                       env=dict(os.environ, DISPLAY=display), stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    return r.returncode == 0 and r.stdout.strip()


def start_up(session, exe, title, runs=7):
    """Seconds from process start until its window is visible on X, median of runs."""
    times = []
    for _ in range(runs):
        t0 = time.monotonic()
        p = session.wine(exe)
        harness.wait_until(lambda: visible(session.display, title), 30, interval=0.005, message=title)
        times.append(time.monotonic() - t0)
        p.terminate()
        p.wait()
        harness.wait_until(lambda: not visible(session.display, title), 30, message=title + ' gone')
    return statistics.median(times)


def cpu_seconds(pid):
    with open('/proc/%d/stat' % pid) as f:
        fields = f.read().rsplit(')', 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf('SC_CLK_TCK')


def memory_kib(pid):
    with open('/proc/%d/status' % pid) as f:
        status = dict(line.split(':', 1) for line in f)
    return int(status['RssAnon'].split()[0]), int(status['VmRSS'].split()[0])


def main():
    s = harness.Session('bench')
    try:
        exe = s.path('Sashlet.exe')
        subprocess.run(['cp', harness.EXE, exe], check=True)
        minimal = s.path('minimal_window.exe')
        subprocess.run(['cp', os.path.join(BUILD, 'minimal_window.exe'), minimal], check=True)
        sashlet_start = start_up(s, exe, 'SashletLeft')
        minimal_start = start_up(s, minimal, 'MinimalWindow')
        print('| start-up until visible (median of 7) | seconds |')
        print('|---|---:|')
        print('| Sashlet, bars shown | %.3f |' % sashlet_start)
        print('| minimal Win32 program, one window | %.3f |' % minimal_start)
        print('| ratio | %.2f |' % (sashlet_start / minimal_start))
        print()

        p = s.start_sashlet()
        time.sleep(5)
        before = cpu_seconds(p.pid)
        time.sleep(60)
        idle = cpu_seconds(p.pid) - before
        anon, rss = memory_kib(p.pid)
        print('| idle Sashlet | value |')
        print('|---|---:|')
        print('| CPU time per minute (process, polling every 200 ms) | %.2f s |' % idle)
        print('| private (anonymous) memory under Wine | %d KiB |' % anon)
        print('| resident memory under Wine | %d KiB |' % rss)
        print()
    finally:
        s.close()

    dlls = subprocess.run(['i686-w64-mingw32-objdump', '-p', SHIPPED], stdout=subprocess.PIPE, check=True).stdout
    imports = sorted({l.split(':', 1)[1].strip().lower() for l in dlls.decode().splitlines() if 'DLL Name:' in l})
    print('| shipped Sashlet.exe | value |')
    print('|---|---|')
    print('| size | %d bytes |' % os.path.getsize(SHIPPED))
    print('| imports | %s |' % ', '.join(imports))


if __name__ == '__main__':
    main()
