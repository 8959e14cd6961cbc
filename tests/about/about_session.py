"""What the About window tests share: a Wine session in which Wine draws the
window frames itself, close box included, as Windows does (Xvfb has no window
manager to draw them), and readers for the About window's parts."""
import contextlib
import os
import subprocess

import harness

ABOUT_TITLE = "About"
FRAMES_KEY = r"HKCU\Software\Wine\AppDefaults\VelmarisSkyScreensaver.scr\X11 Driver"
LOGO_BMP = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "resources", "bitmaps", "logo.bmp")


def _registry(session, *args):
    subprocess.run(["wine", "reg", *args], env=session.env, timeout=60, check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


@contextlib.contextmanager
def about_session(width=1280, height=720):
    with harness.WineSession(width, height) as session:
        _registry(session, "add", FRAMES_KEY, "/v", "Decorated", "/d", "N", "/f")
        try:
            yield session
        finally:
            _registry(session, "delete", FRAMES_KEY, "/f")


def start_about(session, *args, env=None):
    """Starts the program with the given switches and waits for its About window."""
    process = session.start_screensaver(*(args or ("/c",)), env=env)
    return process, session.wait_for_window(ABOUT_TITLE)


def fields(line):
    return dict(field.split("=", 1) for field in line.split("\t") if "=" in field)


def numbers(text):
    return tuple(int(value) for value in text.split(","))


def client_area(session, window):
    """The client area's top-left corner on the screen, and its size."""
    found = fields(session.probe("client", str(window.hwnd)).strip())
    return numbers(found["origin"]), numbers(found["size"])


def children(session, window):
    return [fields(line) for line in session.probe("children", str(window.hwnd)).splitlines() if "id=" in line]


def focused_control(session, window):
    found = fields(session.probe("focus", str(window.hwnd)).strip())
    return found.get("id"), found.get("class")


def read_bmp(path):
    """A 24-bit BMP file as a harness Image."""
    with open(path, "rb") as f:
        data = f.read()
    offset = int.from_bytes(data[10:14], "little")
    width = int.from_bytes(data[18:22], "little", signed=True)
    height = int.from_bytes(data[22:26], "little", signed=True)
    if data[:2] != b"BM" or int.from_bytes(data[28:30], "little") != 24:
        raise harness.HarnessError(f"{path} is not a 24-bit BMP")
    stride = (width * 3 + 3) // 4 * 4
    rows = []
    for y in range(abs(height)):
        stored = abs(height) - 1 - y if height > 0 else y
        bgr = data[offset + stored * stride:offset + stored * stride + width * 3]
        rows.append(bytes(value for i in range(width) for value in (bgr[3 * i + 2], bgr[3 * i + 1], bgr[3 * i])))
    return harness.Image(width, abs(height), b"".join(rows))
