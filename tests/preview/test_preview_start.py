"""Preview starts of the real .scr under Wine, with a host in another process
made like the Control Panel's (preview_host.exe).

Also covered elsewhere: "/p 0" and "/p" with a handle that never existed
(tests/wine/test_errors.py), and a second "/p 1234" or "/p:1234" start while
a switchless start runs (tests/wine/test_single_instance.py). The picture
and the surface size are checked in-process (test_preview_path.py): a window
of another process cannot be read back."""
import unittest

import harness
import wine_programs
from test_errors import dismiss_all

HOST = wine_programs.program("VELMARIS_PREVIEW_HOST")
FAILED_TO_OPEN = ("Debug", "Failed to open window")
# The model loader's progress text: the scene is set up, the loop runs.
SCENE_READY = b"Plane001"


class Host:
    """The host program: a frame with a preview window, in a process of its own."""

    def __init__(self, session, shape="child", ending=""):
        self.session = session
        self.process = session.start(HOST, shape, *([ending] if ending else []))
        line = harness.wait_until(lambda: self.report().strip(), 30, what="the host's handles")
        fields = dict(field.split("=") for field in line.split())
        self.preview, self.frame = fields["preview"], fields["frame"]

    def report(self):
        return wine_programs.output_text(self.process)

    def end_preview(self):
        """Has the host disable or destroy its preview window (as started);
        returns whether the window carried a "GLFW" property just before."""
        self.session.probe("close", self.preview)
        harness.wait_until(lambda: "attached=" in self.report(), 30, what="the host's answer")
        return "attached=1" in self.report()

    def close(self):
        """Ends the host; returns what it says about its preview window."""
        self.session.probe("close", self.frame)
        self.process.wait(timeout=30)
        return self.report().strip().splitlines()[-1]


class PreviewStartTest(unittest.TestCase):
    def test_a_preview_in_a_child_host_runs_until_the_host_is_disabled_or_destroyed(self):
        for ending in ("disable", "destroy"):
            with self.subTest(ending=ending), harness.WineSession() as session:
                host = Host(session, ending=ending)
                preview = session.start_screensaver("/p", host.preview)
                harness.wait_until(lambda: SCENE_READY in preview.output() or not preview.running(), 60,
                                   what="the preview's scene")
                self.assertTrue(preview.running(), session.message_boxes())
                self.assertTrue(host.end_preview(), "the host has no \"GLFW\" property")
                self.assertEqual(preview.wait(timeout=30), 0)
                self.assertEqual(session.message_boxes(), [])

    def test_a_top_level_host_in_another_process_gets_no_context_under_wine(self):
        # Wine 8 refuses a pixel format for a top-level window of another
        # process that has no child windows (a child window, as the Control
        # Panel's, gets one): the library reports why, the program says
        # "Failed to open window", and the host is left as it was.
        with harness.WineSession() as session:
            host = Host(session, shape="top-level")
            preview = session.start_screensaver("/p", host.preview)
            boxes = dismiss_all(session, preview)
            self.assertEqual(preview.wait(timeout=10), 0)
            self.assertEqual(boxes[-1], FAILED_TO_OPEN)
            self.assertTrue(any(caption == "Error" and "pixel format" in text for caption, text in boxes), boxes)
            self.assertEqual(host.close(), "procedure=own property=none")

    def test_a_host_that_has_gone_gives_failed_to_open_window(self):
        # A session each: Wine frees the single-instance name of an ended
        # process a moment after it ends.
        for switch in ["/p {}", "/p:{}"]:
            with self.subTest(switch=switch), harness.WineSession() as session:
                host = Host(session)
                host.close()
                preview = session.start_screensaver(*switch.format(host.preview).split())
                boxes = dismiss_all(session, preview)
                self.assertEqual(preview.wait(timeout=10), 0)
                self.assertEqual(boxes, [FAILED_TO_OPEN])

    def test_a_second_preview_of_a_live_host_ends_at_once_and_leaves_it_alone(self):
        with harness.WineSession() as session:
            first = session.start_screensaver()
            session.wait_for_window("VelmarisSkyScreensaver")
            host = Host(session)
            second = session.start_screensaver("/p", host.preview)
            self.assertEqual(second.wait(timeout=30), 0)
            self.assertEqual(session.message_boxes(), [])
            self.assertTrue(first.running())
            self.assertEqual(host.close(), "procedure=own property=none")


if __name__ == "__main__":
    unittest.main(verbosity=2)
