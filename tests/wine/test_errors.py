"""Failures a user can see: message boxes with their captions, then exit code 0."""
import unittest

import harness

TITLE = "VelmarisSkyScreensaver"


def dismiss_all(session, process, timeout=60):
    """Reads and dismisses message boxes one after another until the process ends."""
    seen = []

    def step():
        if not process.running():
            return True
        boxes = session.message_boxes()
        seen.extend((box.caption, box.text) for box in boxes)
        # Only once read: a box that opens after the reading waits for the next step.
        if boxes:
            session.dismiss_message_boxes()
        return False

    harness.wait_until(step, timeout, interval=0.5, what="the process to end after its message boxes")
    return [box for i, box in enumerate(seen) if box not in seen[:i]]


class ErrorBoxTest(unittest.TestCase):
    def test_a_preview_of_no_window_says_failed_to_open_window(self):
        for args in [("/p", "0"), ("/p", "999999")]:
            with self.subTest(args=args), harness.WineSession() as session:
                process = session.start_screensaver(*args)
                boxes = dismiss_all(session, process)
                self.assertEqual(process.wait(timeout=10), 0)
                self.assertEqual(boxes, [("Debug", "Failed to open window")])

    def test_library_errors_reach_a_box_captioned_error(self):
        # Wine 8 refuses a pixel format for a top-level window of another
        # process that has no child windows, such as this full-screen window:
        # the library reports why, then the window step fails.
        with harness.WineSession() as session:
            host_process = session.start_screensaver("/s")
            host = session.wait_for_window(TITLE)
            preview = session.start_screensaver("/p", str(host.hwnd))
            boxes = dismiss_all(session, preview)
            self.assertEqual(preview.wait(timeout=10), 0)
            captions = [caption for caption, _ in boxes]
            self.assertIn("Error", captions)
            self.assertEqual(boxes[-1], ("Debug", "Failed to open window"))
            self.assertTrue(all(text for _, text in boxes))
            self.assertTrue(host_process.running())


if __name__ == "__main__":
    unittest.main(verbosity=2)
