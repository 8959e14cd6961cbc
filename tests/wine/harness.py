"""Runs Windows programs of the Windows build under Wine on a private Xvfb
display, and looks at them the way a user would: windows, message boxes,
pixels, input, output and exit codes.

One 32-bit Wine prefix per build folder is created once and shared; a
session owns a fresh X display and wineserver, and ends every process it
started. Every wait has a timeout.
"""
import ctypes
import fcntl
import os
import shutil
import signal
import subprocess
import tempfile
import time
from dataclasses import dataclass

BUILD_DIR = os.environ.get("VELMARIS_BUILD_DIR", "")
SCREENSAVER = os.environ.get("VELMARIS_SCR", os.path.join(BUILD_DIR, "VelmarisSkyScreensaver.scr"))
PROBE = os.environ.get("VELMARIS_PROBE", os.path.join(BUILD_DIR, "tests", "wine", "winprobe.exe"))

BASE_ENV = {
    "WINEDEBUG": "-all",
    "WINEDLLOVERRIDES": "mscoree,mshtml=",
    "WINEARCH": "win32",
    "LIBGL_ALWAYS_SOFTWARE": "1",
    "GALLIUM_DRIVER": "llvmpipe",
}


class HarnessError(AssertionError):
    pass


class XFixesCursorImage(ctypes.Structure):
    _fields_ = [("x", ctypes.c_short), ("y", ctypes.c_short), ("width", ctypes.c_ushort),
                ("height", ctypes.c_ushort), ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
                ("cursor_serial", ctypes.c_ulong), ("pixels", ctypes.POINTER(ctypes.c_ulong)),
                ("atom", ctypes.c_ulong), ("name", ctypes.c_char_p)]


def x_cursor_visible(display):
    """True when the cursor image the X server shows has any opaque pixel."""
    x11 = ctypes.CDLL("libX11.so.6")
    xfixes = ctypes.CDLL("libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(XFixesCursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    connection = x11.XOpenDisplay(display.encode())
    if not connection:
        raise HarnessError(f"cannot open display {display}")
    try:
        image_pointer = xfixes.XFixesGetCursorImage(connection)
        image = image_pointer.contents
        visible = any((image.pixels[i] >> 24) & 0xFF for i in range(image.width * image.height))
        x11.XFree(image_pointer)
        return visible
    finally:
        x11.XCloseDisplay(connection)


def require_tools(*names):
    missing = [name for name in names if shutil.which(name) is None]
    if missing:
        raise HarnessError(f"missing tools {missing}: run scripts/setup.sh")


def wait_until(condition, timeout, interval=0.1, what="condition"):
    """Polls condition() until it returns something truthy; fails after timeout seconds."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            raise HarnessError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def read_text(path):
    with open(path) as f:
        return f.read()


def prefix_path():
    if not BUILD_DIR:
        raise HarnessError("VELMARIS_BUILD_DIR is not set")
    return os.path.join(BUILD_DIR, "wineprefix")


def ensure_prefix(env):
    """Creates the build folder's Wine prefix once; later calls return at once."""
    prefix = prefix_path()
    ready = os.path.join(prefix, ".velmaris-ready")
    os.makedirs(os.path.dirname(prefix), exist_ok=True)
    with open(prefix + ".lock", "w") as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        if os.path.exists(ready):
            return
        shutil.rmtree(prefix, ignore_errors=True)
        subprocess.run(["wineboot", "-i"], env=env, timeout=300, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\WineDbg", "/v", "ShowCrashDialog",
                        "/t", "REG_DWORD", "/d", "0", "/f"], env=env, timeout=120, check=True,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=env, timeout=120)
        open(ready, "w").close()


@dataclass
class Window:
    hwnd: int
    pid: int
    cls: str
    title: str
    rect: tuple
    client: tuple
    style: int
    exstyle: int

    @property
    def width(self):
        return self.rect[2] - self.rect[0]

    @property
    def height(self):
        return self.rect[3] - self.rect[1]


@dataclass
class MessageBox:
    caption: str
    text: str


class Image:
    """An RGB picture: width, height and 3 bytes a pixel, rows from the top."""

    def __init__(self, width, height, data):
        self.width, self.height, self.data = width, height, data

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.data[at:at + 3])

    def crop(self, left, top, width, height):
        rows = [self.data[((top + y) * self.width + left) * 3:((top + y) * self.width + left + width) * 3]
                for y in range(height)]
        return Image(width, height, b"".join(rows))

    def save_png(self, path):
        subprocess.run(["convert", "-size", f"{self.width}x{self.height}", "-depth", "8", "rgb:-", path],
                       input=self.data, check=True, timeout=60)


class WineProcess:
    def __init__(self, popen, output_path, error_path):
        self.popen = popen
        self.output_path = output_path
        self.error_path = error_path

    def running(self):
        return self.popen.poll() is None

    def wait(self, timeout):
        """The exit code; a process still running after timeout seconds fails the test."""
        try:
            return self.popen.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            self.kill()
            raise HarnessError(f"process did not end within {timeout} s")

    def kill(self):
        if self.running():
            os.killpg(self.popen.pid, signal.SIGKILL)
            self.popen.wait(timeout=30)

    def output(self):
        with open(self.output_path, "rb") as f:
            return f.read()

    def errors(self):
        with open(self.error_path, "rb") as f:
            return f.read()


class WineSession:
    """A private X display and wineserver for one test; use it with `with`."""

    def __init__(self, width=1280, height=720):
        self.width, self.height = width, height
        self.processes = []
        self.xvfb = None
        self.env = None
        self.workdir = tempfile.mkdtemp(prefix="velmaris-wine-")

    def __enter__(self):
        try:
            return self._start()
        except BaseException:
            self.__exit__(None, None, None)
            raise

    def _start(self):
        require_tools("Xvfb", "wine", "wineserver", "xdotool", "import", "convert")
        display_file = os.path.join(self.workdir, "display")
        with open(display_file, "w") as out:
            self.xvfb = subprocess.Popen(
                ["Xvfb", "-displayfd", str(out.fileno()), "-screen", "0", f"{self.width}x{self.height}x24",
                 "-nolisten", "tcp"], pass_fds=(out.fileno(),), stdin=subprocess.DEVNULL,
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Xvfb writes the display number and a line end once it accepts clients.
        number = wait_until(lambda: read_text(display_file).endswith("\n") and read_text(display_file).strip(), 15,
                            what="Xvfb to start")
        self.env = dict(os.environ, **BASE_ENV, DISPLAY=f":{number}", WINEPREFIX=prefix_path())
        ensure_prefix(self.env)
        # Wine boots its desktop and services with the first program and shuts
        # them down after the last one; a program started while that happens
        # can hang. So: boot with one program alone, then keep an idle
        # program running for the whole session.
        self.probe("windows")
        self.start(PROBE, "idle")
        self.probe("windows")
        return self

    def __exit__(self, *exc):
        for process in self.processes:
            process.kill()
        if self.env:
            subprocess.run(["wineserver", "-k"], env=self.env, timeout=60)
            subprocess.run(["wineserver", "-w"], env=self.env, timeout=60)
        if self.xvfb:
            self.xvfb.kill()
            self.xvfb.wait(timeout=30)
        shutil.rmtree(self.workdir, ignore_errors=True)
        return False

    def start(self, exe, *args, env=None):
        """Starts a Windows program; its standard output and error go to files."""
        name = f"process{len(self.processes)}"
        output_path = os.path.join(self.workdir, name + ".out")
        error_path = os.path.join(self.workdir, name + ".err")
        with open(output_path, "wb") as out, open(error_path, "wb") as err:
            popen = subprocess.Popen(["wine", exe, *args], env=dict(self.env, **(env or {})), stdout=out,
                                     stderr=err, stdin=subprocess.DEVNULL, start_new_session=True)
        process = WineProcess(popen, output_path, error_path)
        self.processes.append(process)
        return process

    def start_screensaver(self, *args, env=None):
        return self.start(SCREENSAVER, *args, env=env)

    def probe(self, *args):
        # Now and then a Wine program started while another one sets up its
        # window never gets going; the probe's questions are safe to ask again.
        for _ in range(6):
            try:
                result = subprocess.run(["wine", PROBE, *args], env=self.env, capture_output=True, timeout=10,
                                        stdin=subprocess.DEVNULL)
                return result.stdout.decode("latin-1").replace("\r\n", "\n")
            except subprocess.TimeoutExpired:
                continue
        raise HarnessError(f"winprobe {' '.join(args)} did not answer in six tries")

    def windows(self):
        found = []
        for line in self.probe("windows").splitlines():
            fields = dict(field.split("=", 1) for field in line.split("\t") if "=" in field)
            if "hwnd" not in fields:
                continue
            found.append(Window(int(fields["hwnd"]), int(fields["pid"]), fields["class"], fields["title"],
                                tuple(int(v) for v in fields["rect"].split(",")),
                                tuple(int(v) for v in fields["client"].split(",")),
                                int(fields["style"], 16), int(fields["exstyle"], 16)))
        return found

    def windows_titled(self, title):
        return [window for window in self.windows() if window.title == title]

    def wait_for_window(self, title, timeout=30):
        return wait_until(lambda: self.windows_titled(title), timeout, interval=0.3,
                          what=f"a window titled {title!r}")[0]

    def message_boxes(self):
        boxes = []
        for line in self.probe("boxes").splitlines():
            fields = dict(field.split("=", 1) for field in line.split("\t") if "=" in field)
            if "caption" in fields:
                boxes.append(MessageBox(fields["caption"], fields.get("text", "").replace("\\r", "\r")
                                        .replace("\\n", "\n")))
        return boxes

    def wait_for_message_box(self, timeout=30):
        return wait_until(self.message_boxes, timeout, interval=0.3, what="a message box")[0]

    def dismiss_message_boxes(self):
        self.probe("dismiss")

    def close_window(self, window):
        self.probe("close", str(window.hwnd))

    def cursor_showing(self):
        """Whether the X server draws a visible cursor where the pointer is now."""
        return x_cursor_visible(self.env["DISPLAY"])

    def xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True, timeout=30)

    def screenshot(self):
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env,
                             capture_output=True, check=True, timeout=60).stdout
        if len(raw) != self.width * self.height * 3:
            raise HarnessError(f"screenshot has {len(raw)} bytes, not {self.width}x{self.height} RGB")
        return Image(self.width, self.height, raw)
