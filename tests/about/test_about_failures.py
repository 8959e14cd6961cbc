"""The About window's failure paths under Wine: each failure shows its message
box, and the constructor then returns instead of waiting for a window that
does not exist."""
import os
import unittest

import harness
from about_session import ABOUT_TITLE

FAILURE_PROBE = os.environ.get("ABOUT_FAILURE_PROBE", "")


class AboutFailureTest(unittest.TestCase):
    def answer_boxes(self, session, count):
        """Reads and dismisses `count` message boxes, one at a time, in the order they come."""
        seen = []
        for _ in range(count):
            box = session.wait_for_message_box()
            seen.append((box.caption, box.text))
            self.assertEqual(session.windows_titled(ABOUT_TITLE), [])
            session.dismiss_message_boxes()
            harness.wait_until(lambda: box not in session.message_boxes(), 30, interval=0.3,
                               what=f"the box {box.text!r} to go")
        return seen

    def test_each_failure_shows_its_boxes_then_the_constructor_returns(self):
        self.assertTrue(os.path.exists(FAILURE_PROBE), "ABOUT_FAILURE_PROBE does not name the failure probe")
        cases = {
            "taken-class": [("Error!", "Window Registration Failed!"), ("Error!", "Window Creation Failed!")],
            "refused-window": [("Error!", "Window Creation Failed!")],
        }
        for failure, expected in cases.items():
            with self.subTest(failure=failure), harness.WineSession() as session:
                process = session.start(FAILURE_PROBE, failure)
                self.assertEqual(self.answer_boxes(session, len(expected)), expected)
                self.assertEqual(process.wait(timeout=30), 0)
                self.assertEqual(process.output().replace(b"\r\n", b"\n"), b"constructor returned\n")
                self.assertEqual(session.message_boxes(), [])


if __name__ == "__main__":
    unittest.main(verbosity=2)
