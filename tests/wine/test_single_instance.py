"""The single-instance guard: preview and switchless starts take the name,
full-screen runs neither take it nor look at it."""
import time
import unittest

import harness

TITLE = "VelmarisSkyScreensaver"


class SingleInstanceTest(unittest.TestCase):
    def test_while_a_switchless_start_runs_second_starts_end_at_once(self):
        with harness.WineSession() as session:
            first = session.start_screensaver()
            session.wait_for_window(TITLE)
            for args in [(), ("/p", "1234"), ("/p:1234",)]:
                with self.subTest(args=args):
                    second = session.start_screensaver(*args)
                    self.assertEqual(second.wait(timeout=30), 0)
                    self.assertEqual(len(session.windows_titled(TITLE)), 1)
                    self.assertEqual(session.message_boxes(), [])
            self.assertTrue(first.running())

    def test_a_full_screen_run_starts_while_the_name_is_taken(self):
        with harness.WineSession() as session:
            first = session.start_screensaver()
            session.wait_for_window(TITLE)
            second = session.start_screensaver("/s")
            harness.wait_until(lambda: len(session.windows_titled(TITLE)) == 2, 30,
                               what="the /s window next to the first")
            time.sleep(1)
            self.assertTrue(second.running())
            self.assertTrue(first.running())

    def test_the_name_is_free_again_after_the_holder_ends(self):
        with harness.WineSession() as session:
            first = session.start_screensaver()
            session.wait_for_window(TITLE)
            session.xdotool("key", "a")
            self.assertEqual(first.wait(timeout=20), 0)
            again = session.start_screensaver()
            session.wait_for_window(TITLE)
            self.assertTrue(again.running())


if __name__ == "__main__":
    unittest.main(verbosity=2)
