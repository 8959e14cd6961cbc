"""The picture and the output of a full-screen run (/s) under Wine, compared
with the CPU reference of the aurora shader and the model loader's text."""
import os
import subprocess
import time
import unittest

import harness

TITLE = "VelmarisSkyScreensaver"
MATCH_SCREENSHOT = os.environ.get("VELMARIS_MATCH_SCREENSHOT", "")

# The model loader's progress text for the rectangle as the native build
# writes it. The Windows C runtime writes standard output in text mode: each
# line feed leaves the program as a carriage return and a line feed, the
# carriage returns of the text itself stay as they are.
PROGRESS = "\r- Plane001\t| vertices > 4\t| texcoords > 4\t| normals > 1\t| triangles > 0"
NATIVE_OUTPUT = "\n" + PROGRESS + "\n" + PROGRESS + PROGRESS + "\t| material: wire_198225087" + "\n"
WINDOWS_OUTPUT = NATIVE_OUTPUT.replace("\n", "\r\n").encode("ascii")


def require_match_screenshot():
    if not os.access(MATCH_SCREENSHOT, os.X_OK):
        raise harness.HarnessError(
            f"no match_screenshot at {MATCH_SCREENSHOT!r}: build the native preset first "
            "(cmake --preset native && cmake --build --preset native)")


def match(screenshot_path, latest, *fault):
    """The figures of the best match of the screenshot with the reference for
    a time from 0 to `latest` seconds."""
    result = subprocess.run([MATCH_SCREENSHOT, screenshot_path, "0", f"{latest:.3f}", *fault], capture_output=True,
                            text=True, timeout=300)
    if result.returncode != 0:
        raise harness.HarnessError(f"match_screenshot failed: {result.stderr}")
    figures = dict(field.split("=") for field in result.stdout.split())
    return {name: float(value) for name, value in figures.items()}


def save_ppm(image, path):
    with open(path, "wb") as f:
        f.write(f"P6\n{image.width} {image.height}\n255\n".encode("ascii") + image.data)


def flipped(image):
    row = image.width * 3
    rows = [image.data[at:at + row] for at in range(0, len(image.data), row)]
    return harness.Image(image.width, image.height, b"".join(reversed(rows)))


class AuroraRunTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        require_match_screenshot()

    def run_and_capture(self, session, count):
        """Starts /s and takes `count` screenshots a second apart, each with
        the seconds since the start as the latest frame time it can show."""
        started = time.monotonic()
        process = session.start_screensaver("/s")
        session.wait_for_window(TITLE)
        shots = []
        for i in range(count):
            time.sleep(1.0)
            image = session.screenshot()
            latest = time.monotonic() - started
            path = os.path.join(session.workdir, f"shot{i}.ppm")
            save_ppm(image, path)
            shots.append((image, path, latest))
        self.assertTrue(process.running(), "the screensaver ended by itself")
        return shots

    def assert_matches(self, figures):
        self.assertEqual(figures["matches"], 1, figures)
        self.assertLessEqual(figures["band_mean"], 2.0, figures)
        self.assertLessEqual(figures["band_max"], 8, figures)
        self.assertGreater(figures["band_pixels"], 0.9 * figures["pixels"], figures)

    def test_the_screen_shows_the_reference_frame_of_a_time_within_the_run(self):
        for width, height in [(1280, 720), (1024, 768)]:
            with self.subTest(size=(width, height)), harness.WineSession(width, height) as session:
                shots = self.run_and_capture(session, 2)
                times = []
                for _, path, latest in shots:
                    figures = match(path, latest)
                    print(f"{width}x{height}: {figures} (latest {latest:.3f} s)")
                    self.assert_matches(figures)
                    times.append(figures["time"])
                self.assertGreater(times[1], times[0], "the later screenshot shows an earlier frame")

    def test_the_comparison_fails_for_a_wrong_reference_or_picture(self):
        with harness.WineSession() as session:
            [(image, path, latest)] = self.run_and_capture(session, 1)
            self.assert_matches(match(path, latest))
            flipped_path = os.path.join(session.workdir, "flipped.ppm")
            save_ppm(flipped(image), flipped_path)
            faults = {"textures swapped": (path, "--swap-textures"),
                      "viewport uniforms of another size": (path, "--viewport", "1280x800"),
                      "picture upside down": (flipped_path,)}
            for fault, (shot, *options) in faults.items():
                with self.subTest(fault=fault):
                    figures = match(shot, latest, *options)
                    print(f"{fault}: {figures}")
                    self.assertEqual(figures["matches"], 0, figures)

    def test_standard_output_carries_the_progress_text_of_the_rectangle(self):
        with harness.WineSession() as session:
            process = session.start_screensaver("/s")
            session.wait_for_window(TITLE)
            harness.wait_until(lambda: len(process.output()) >= len(WINDOWS_OUTPUT), 30,
                               what="the progress text")
            session.xdotool("key", "a")
            self.assertEqual(process.wait(timeout=20), 0)
            self.assertEqual(process.output(), WINDOWS_OUTPUT)


if __name__ == "__main__":
    unittest.main(verbosity=2)
