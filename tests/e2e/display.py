"""The X displays and Wine prefixes the sessions run on.

Two kinds of display: Xvfb, which shows Wine one monitor, and an Xorg server
with the dummy driver and a second RandR output, which shows Wine two
monitors of 1024x768, the second right of the main one. Each display is
started by the session that uses it and ended by its process id.
"""
import os
import shutil
import subprocess

ARCH = os.environ.get('SASHLET_WINE_ARCH', 'win32')
WINE_DIR = os.environ.get('SASHLET_WINE_DIR', '/tmp/sashlet-wine')
SCREEN = (1024, 768)
WINE_SH = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', '..', 'scripts', 'wine.sh')
XVFB, TWO_MONITORS = 'xvfb', 'two-monitors'
# Where each monitor of the two-monitor display stands, in Windows' coordinates.
MONITORS = {XVFB: ((0, 0) + SCREEN,),
            TWO_MONITORS: ((0, 0) + SCREEN, (SCREEN[0], 0, 2 * SCREEN[0], SCREEN[1]))}
DUMMY_DRIVER = '/usr/lib/xorg/modules/drivers/dummy_drv.so'

XORG_CONFIG = '''Section "ServerFlags"
    Option "AutoAddDevices" "false"
    Option "AutoEnableDevices" "false"
    Option "DontVTSwitch" "true"
    Option "DisableVidModeExtension" "true"
EndSection
Section "Device"
    Identifier "d0"
    Driver "dummy"
    VideoRam 131072
EndSection
Section "Monitor"
    Identifier "m0"
    HorizSync 5.0 - 1000.0
    VertRefresh 5.0 - 200.0
    Modeline "1024x768" 56.68 1024 1072 1136 1184 768 771 777 798 -hsync +vsync
EndSection
Section "Screen"
    Identifier "s0"
    Device "d0"
    Monitor "m0"
    DefaultDepth 24
    SubSection "Display"
        Depth 24
        Modes "1024x768"
        Virtual 2048 768
    EndSubSection
EndSection
'''


def why_two_monitors_cannot_run():
    """None where this machine can show two monitors, or what it lacks."""
    if not shutil.which('Xorg') or not os.path.exists(DUMMY_DRIVER):
        return 'no Xorg with the dummy driver (scripts/install-deps.sh installs them)'
    if not shutil.which('xrandr'):
        return 'no xrandr (x11-xserver-utils)'
    return None


class Xvfb:
    def __init__(self, root):
        self.process = subprocess.Popen(['Xvfb', '-displayfd', '1', '-screen', '0', '%dx%dx24' % SCREEN,
                                         '-nolisten', 'tcp'], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.display = ':' + self.process.stdout.readline().decode().strip()

    def close(self):
        self.process.terminate()
        self.process.wait()


class TwoMonitors:
    """Xorg on a free display, its second output switched on and placed right
    of the main one. A seat of its own keeps it away from the console."""
    def __init__(self, root):
        config = os.path.join(root, 'xorg.conf')
        with open(config, 'w') as f:
            f.write(XORG_CONFIG)
        self.process = subprocess.Popen(
            ['Xorg', '-displayfd', '1', '-config', config, '-logfile', os.path.join(root, 'xorg.log'), '-noreset',
             '-nolisten', 'tcp', '-novtswitch', '-keeptty', '-seat', 'seat-sashlet-%d' % os.getpid()],
            stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        number = self.process.stdout.readline().decode().strip()
        if not number:
            self.close()
            raise AssertionError('Xorg did not start; see its log')
        self.display = ':' + number
        env = dict(os.environ, DISPLAY=self.display)
        for args in (['--addmode', 'DUMMY1', '1024x768'],
                     ['--output', 'DUMMY1', '--mode', '1024x768', '--right-of', 'DUMMY0'],
                     ['--output', 'DUMMY0', '--primary'],
                     # A full query makes the server publish the new output;
                     # Wine reads only the current state.
                     ['--query']):
            subprocess.run(['xrandr'] + args, env=env, stdout=subprocess.DEVNULL, check=True, timeout=30)

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
        self.process.wait()


def start_display(kind, root):
    return TwoMonitors(root) if kind == TWO_MONITORS else Xvfb(root)


def is_64bit_program(exe):
    """PE32+ (64-bit) rather than PE32: the optional header's magic is 0x20b."""
    with open(exe, 'rb') as f:
        header = f.read(4096)
    pe = int.from_bytes(header[0x3c:0x40], 'little')
    return header[pe + 24:pe + 26] == b'\x0b\x02'


def loader(arch, program):
    """Wine's loader for a program: in a 64-bit prefix, as on 64-bit Windows,
    32-bit programs run beside 64-bit ones on one server and one desktop."""
    if arch == 'win64' and (not program.lower().endswith('.exe') or is_64bit_program(program)):
        return '/usr/lib/wine/wine64'
    return '/usr/lib/wine/wine'


def base_env(prefix, display, arch=ARCH):
    """Wine's errors stay on: a program that ends before it shows says why in
    the session's log, and in a passing run Wine reports none."""
    env = dict(os.environ)
    env.update(WINEPREFIX=prefix, WINEARCH=arch, WINEDEBUG='-all,err+all', WINEDLLOVERRIDES='mscoree,mshtml=',
               DISPLAY=display)
    return env


def template_prefix(display, arch=ARCH, kind=XVFB):
    """A prefix made once per build (scripts/wine.sh makes it, under a lock) and
    only ever copied. A prefix keeps the displays it found when it was made,
    so the two-monitor display has a template of its own, made on it."""
    name = 'template' if arch == ARCH else 'template-' + arch
    template = os.path.join(WINE_DIR, name if kind == XVFB else name + '-' + kind)
    if not os.path.exists(os.path.join(template, 'system.reg')):
        env = base_env(template, display, arch)
        subprocess.run([WINE_SH, template, arch, 'reg', 'query', 'HKCU\\Software\\Wine'], env=env,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=600)
        subprocess.run(['wineserver', '-w'], env=env, timeout=120)
    return template


def desktop_keys(name):
    """A Wine virtual desktop of the screen's size; the one named "shell" also shows a taskbar."""
    return ('\n[Software\\\\Wine\\\\Explorer] 1700000000\n"Desktop"="%s"\n'
            '\n[Software\\\\Wine\\\\Explorer\\\\Desktops] 1700000000\n"%s"="%dx%d"\n' % ((name, name) + SCREEN))


def icon_spacing_keys(across, down):
    """Icon spacings as Windows keeps them, in twips (-15 to a pixel at 96 DPI)."""
    return ('\n[Control Panel\\\\Desktop\\\\WindowMetrics] 1700000000\n'
            '"IconSpacing"="-%d"\n"IconVerticalSpacing"="-%d"\n' % (across * 15, down * 15))


def dpi_keys(dpi):
    """The display's DPI as a scaled Windows display reports it (144 for 150 %)."""
    return '\n[Control Panel\\\\Desktop] 1700000000\n"LogPixels"=dword:%08x\n' % dpi
