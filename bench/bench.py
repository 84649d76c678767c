#!/usr/bin/env python3
"""Measures Sashlet under Wine and prints Markdown tables: start-up against a
minimal Win32 program with the same manifest, on one monitor and with bars
on two, idle CPU, memory, wipes on a busy desktop, and the shipped
executable's size and imports. Timings are medians over repeated runs.

Usage: bench.py BUILD_DIR SHIPPED_EXE [--start-up-only] [--against-exe EXE [--against-main-screen-only]]
(DISPLAY and the SASHLET_* variables as for the tests). --start-up-only
stops after the start-up table. --against-exe times another build of
Sashlet in turn with this one; --against-main-screen-only says it is from
before bars on every screen, so that on two monitors it is timed to the
main screen's bar.
"""
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'tests', 'e2e'))
import harness  # noqa: E402
from window_shown import WindowShown  # noqa: E402

BUILD, SHIPPED = sys.argv[1], sys.argv[2]
OPTIONS = sys.argv[3:]
START_UP_ONLY = '--start-up-only' in OPTIONS
AGAINST = OPTIONS[OPTIONS.index('--against-exe') + 1] if '--against-exe' in OPTIONS else None
AGAINST_MAIN_SCREEN_ONLY = '--against-main-screen-only' in OPTIONS


def start_up(session, programs, runs=21):
    """Seconds from each program's start (its command, a list) until its window named there is
    mapped on X: (median, first quartile, third quartile) per program. The
    programs take turns, so that whatever else the machine does falls on each
    alike; a first round, while Wine's files are still being read, does not
    count, and each start waits until the program before it has quite gone."""
    times = [[] for _ in programs]
    shown = WindowShown(session.env['DISPLAY'])
    try:
        for round in range(runs + 1):
            for (command, title), took in zip(programs, times):
                shown.forget()
                t0 = time.monotonic()
                p = session.wine(*command)
                t1 = shown.wait(title, 30)
                if round:
                    took.append(t1 - t0)
                p.terminate()
                p.wait()
                harness.wait_until(lambda: not session.x_windows(title, only_visible=True), 30,
                                   message=title + ' gone')
                time.sleep(0.3)
    finally:
        shown.close()
    return [(statistics.median(t),) + tuple(statistics.quantiles(t, n=4)[0::2]) for t in times]


def start_ups(session, ini, every_screen):
    """Start-up of Sashlet (and of the --against-exe build, in a folder of its
    own with the same settings) until its bar shows, of the minimal program
    making the same windows as Sashlet and nothing else, and of the minimal
    program, in one session: one timing per program, the minimal one last."""
    folder = session.path('against')
    os.makedirs(folder, exist_ok=True)
    programs = [(session.path('Sashlet.exe'), harness.EXE, 'SashletLeft 2' if every_screen else 'SashletLeft')]
    if AGAINST:
        title = 'SashletLeft 2' if every_screen and not AGAINST_MAIN_SCREEN_ONLY else 'SashletLeft'
        programs.append((os.path.join(folder, 'Sashlet.exe'), AGAINST, title))
    minimal = session.path('minimal_window.exe')
    subprocess.run(['cp', os.path.join(BUILD, 'minimal_window.exe'), minimal], check=True)
    for path in (session.path('Sashlet.ini'), os.path.join(folder, 'Sashlet.ini')):
        if ini:
            with open(path, 'w', newline='') as f:
                f.write(ini)
    for copy, original, _ in programs:
        subprocess.run(['cp', original, copy], check=True)
    commands = [([copy], title) for copy, _, title in programs]
    commands.append(([minimal, 'bars'], 'MinimalBar 2' if every_screen else 'MinimalBar 1'))
    commands.append(([minimal], 'MinimalWindow'))
    # The server starts with the pointer in the middle of its whole screen,
    # which on two monitors side by side is the very line where the second
    # one's Left bar shows; a bar that appears under the pointer sets its
    # cursor at once, which a start with the pointer anywhere else does not.
    session.xdotool('mousemove', harness.SCREEN[0] // 2, harness.SCREEN[1] // 2)
    return start_up(session, commands)


def two_monitor_start_ups():
    """Start-ups with bars on both monitors of the two-monitor display; none
    where the machine cannot show two monitors."""
    if harness.why_two_monitors_cannot_run():
        return None
    s = harness.Session('bench-two', display_kind=harness.TWO_MONITORS)
    try:
        return start_ups(s, '[Sashlet]\r\nLeft=1\r\nEveryScreen=1\r\n', True)
    finally:
        s.close()


def timing(t):
    return '%.3f (%.3f-%.3f)' % t


def print_start_ups(one, two):
    names = ['Sashlet, bars shown'] + (['`--against-exe` build, bars shown'] if AGAINST else []) + [
        'Sashlet\'s windows alone (`minimal_window.exe bars`), shown', 'minimal Win32 program, one window, same manifest']
    print('| start-up until shown on X (median of 21, the middle half in brackets) | one monitor (s) '
          '| two monitors, bars on both (s) |')
    print('|---|---:|---:|')
    for k, name in enumerate(names):
        print('| %s | %s | %s |' % (name, timing(one[k]), timing(two[k]) if two else 'not run'))
    for k, name in enumerate(names[:-1]):
        print('| ratio of the medians, %s / minimal | %.2f | %s |' % (
            name.split(',')[0], one[k][0] / one[-1][0],
            '%.2f' % (two[k][0] / two[-1][0]) if two else harness.why_two_monitors_cannot_run()))
    print()


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


def idle_minute(session, ini):
    """Sashlet's CPU time over a minute of doing nothing, with `ini` as its
    settings (none: the defaults), and its memory: (seconds, private KiB,
    resident KiB). A copy started earlier in the session hands over to it."""
    if ini:
        session.write('Sashlet.ini', ini)
    elif os.path.exists(session.path('Sashlet.ini')):
        os.remove(session.path('Sashlet.ini'))
    p = session.start_sashlet()
    time.sleep(5)
    before = cpu_ns(p.pid)
    time.sleep(60)
    idle = (cpu_ns(p.pid) - before) / 1e9
    anon, rss = memory_kib(p.pid)
    return idle, anon, rss


def main():
    s = harness.Session('bench')
    try:
        print_start_ups(start_ups(s, None, False), two_monitor_start_ups())
        if START_UP_ONLY:
            return

        idle, anon, rss = idle_minute(s, None)
        resting = idle_minute(s, '[Sashlet]\r\nHoverDelay=400\r\n')[0]
        print('| idle Sashlet | value |')
        print('|---|---:|')
        print('| CPU time per minute (process, polling every 200 ms) | %.2f s |' % idle)
        print('| the same with HoverDelay=400 (the pointer away from the bars) | %.2f s |' % resting)
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
