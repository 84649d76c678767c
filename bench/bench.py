#!/usr/bin/env python3
"""Measures Sashlet under Wine and prints Markdown tables: start-up against a
minimal Win32 program with the same manifest, on one monitor and with bars
on two, idle CPU, memory, wipes on a busy desktop, and the shipped
executable's size and imports. Timings are medians over repeated runs.

Usage: bench.py BUILD_DIR SHIPPED_EXE [--main-screen-only]
(DISPLAY and the SASHLET_* variables as for the tests). --main-screen-only
measures a program from before bars on every screen: on two monitors it
waits for the main screen's bar.
"""
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
import harness  # noqa: E402

BUILD, SHIPPED = sys.argv[1], sys.argv[2]
MAIN_SCREEN_ONLY = '--main-screen-only' in sys.argv[3:]


def start_up(session, exe, title, runs=7):
    """Seconds from process start until its window is visible on X, median of runs."""
    times = []
    for _ in range(runs):
        t0 = time.monotonic()
        p = session.wine(exe)
        harness.wait_until(lambda: session.x_windows(title, only_visible=True), 30, interval=0.005, message=title)
        times.append(time.monotonic() - t0)
        p.terminate()
        p.wait()
        harness.wait_until(lambda: not session.x_windows(title, only_visible=True), 30, message=title + ' gone')
    return statistics.median(times)


def two_monitor_start_up():
    """Start-up with bars on both monitors of the two-monitor display, against
    the minimal program there; none where the machine cannot show two monitors."""
    if harness.why_two_monitors_cannot_run():
        return None
    s = harness.Session('bench-two', display_kind=harness.TWO_MONITORS)
    try:
        s.write('Sashlet.ini', '[Sashlet]\r\nLeft=1\r\nEveryScreen=1\r\n')
        exe, minimal = s.path('Sashlet.exe'), s.path('minimal_window.exe')
        subprocess.run(['cp', harness.EXE, exe], check=True)
        subprocess.run(['cp', os.path.join(BUILD, 'minimal_window.exe'), minimal], check=True)
        # The second monitor's bars are made after the main screen's.
        return start_up(s, exe, 'SashletLeft' if MAIN_SCREEN_ONLY else 'SashletLeft 2'), \
            start_up(s, minimal, 'MinimalWindow')
    finally:
        s.close()


def cpu_ns(pid):
    """CPU time of every thread of a process, in nanoseconds (the scheduler's
    own account, far finer than the 10 ms ticks of /proc/PID/stat)."""
    total = 0
    for task in os.listdir('/proc/%d/task' % pid):
        try:
            with open('/proc/%d/task/%s/schedstat' % (pid, task)) as f:
                total += int(f.read().split()[0])
        except OSError:
            pass
    return total


def wineserver_pid(prefix):
    for entry in os.listdir('/proc'):
        if not entry.isdigit():
            continue
        try:
            with open('/proc/%s/comm' % entry) as f:
                if not f.read().startswith('wineserver'):
                    continue
            with open('/proc/%s/environ' % entry, 'rb') as f:
                if ('WINEPREFIX=%s' % prefix).encode() in f.read().split(b'\0'):
                    return int(entry)
        except OSError:
            pass
    raise RuntimeError('no wineserver for ' + prefix)


BUSY_LIST = ''.join('C:\\Program Files\\Vendor%d\\tool.exe\r\n' % i for i in range(50))


def busy_desktop(entries, cycles=5, repeats=5):
    """CPU seconds of Sashlet and of the wineserver over `cycles` wipes and
    restores of the Left edge, with 220 windows of one program on the screen,
    20 of them reaching the strip (median of `repeats` measurements)."""
    s = harness.Session('busy')
    try:
        s.write('ignore.lst', BUSY_LIST if entries else '')
        p = s.start_sashlet()
        s.start_windows('many:200:400,300,60,60:far', 'many:20:10,100,60,60:near')
        s.start_windows('other:700,600,60,60')
        server = wineserver_pid(s.prefix)
        s.probe('soak-wipes', '2', 'other', timeout=300)
        own, theirs = [], []
        for _ in range(repeats):
            before = cpu_ns(p.pid), cpu_ns(server)
            code, out = s.probe('soak-wipes', str(cycles), 'other', timeout=300)
            after = cpu_ns(p.pid), cpu_ns(server)
            if code != 0 or out.strip() != '%d|0' % cycles:
                raise RuntimeError('wipes failed: %r' % out)
            own.append((after[0] - before[0]) / 1e9)
            theirs.append((after[1] - before[1]) / 1e9)
        return statistics.median(own), statistics.median(theirs)
    finally:
        s.close()


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
        two = two_monitor_start_up()
        print('| start-up until visible (median of 7) | one monitor (s) | two monitors, bars on both (s) |')
        print('|---|---:|---:|')
        print('| Sashlet, bars shown | %.3f | %s |' % (sashlet_start, '%.3f' % two[0] if two else 'not run'))
        print('| minimal Win32 program, one window, same manifest | %.3f | %s |' % (
            minimal_start, '%.3f' % two[1] if two else 'not run'))
        print('| ratio | %.2f | %s |' % (sashlet_start / minimal_start, '%.2f' % (two[0] / two[1]) if two else
                                        harness.why_two_monitors_cannot_run()))
        print()

        p = s.start_sashlet()
        time.sleep(5)
        before = cpu_ns(p.pid)
        time.sleep(60)
        idle = (cpu_ns(p.pid) - before) / 1e9
        anon, rss = memory_kib(p.pid)
        print('| idle Sashlet | value |')
        print('|---|---:|')
        print('| CPU time per minute (process, polling every 200 ms) | %.2f s |' % idle)
        print('| private (anonymous) memory under Wine | %d KiB |' % anon)
        print('| resident memory under Wine | %d KiB |' % rss)
        print()
    finally:
        s.close()

    empty = busy_desktop(0)
    fifty = busy_desktop(50)
    print('| busy desktop: 220 windows of one program, 20 in the strip, 5 wipes | Sashlet CPU (s) '
          '| wineserver CPU (s) | together (s) |')
    print('|---|---:|---:|---:|')
    print('| empty ignore list | %.3f | %.3f | %.3f |' % (empty[0], empty[1], sum(empty)))
    print('| 50-entry ignore list, none matching | %.3f | %.3f | %.3f |' % (fifty[0], fifty[1], sum(fifty)))
    print('| ratio | %.2f | %.2f | %.2f |' % (fifty[0] / empty[0], fifty[1] / empty[1], sum(fifty) / sum(empty)))
    print()

    dlls = subprocess.run(['i686-w64-mingw32-objdump', '-p', SHIPPED], stdout=subprocess.PIPE, check=True).stdout
    imports = sorted({l.split(':', 1)[1].strip().lower() for l in dlls.decode().splitlines() if 'DLL Name:' in l})
    print('| shipped Sashlet.exe | value |')
    print('|---|---|')
    print('| size | %d bytes |' % os.path.getsize(SHIPPED))
    print('| imports | %s |' % ', '.join(imports))


if __name__ == '__main__':
    main()
