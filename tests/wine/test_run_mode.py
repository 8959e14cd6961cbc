"""A full-screen run (/s) under Wine: its window, and what ends it."""
import time
import unittest

import harness

TITLE = "VelmarisSkyScreensaver"


class RunModeTest(unittest.TestCase):
    def start(self, session, *args):
        process = session.start_screensaver(*args)
        window = session.wait_for_window(TITLE)
        return process, window

    def test_opens_one_full_screen_window_with_the_cursor_hidden(self):
        with harness.WineSession() as session:
            process, window = self.start(session, "/s")
            time.sleep(1)
            windows = session.windows_titled(TITLE)
            self.assertEqual(len(windows), 1)
            self.assertEqual(window.rect, (0, 0, session.width, session.height))
            self.assertEqual(window.client, (session.width, session.height))
            session.xdotool("mousemove", "640", "360")
            time.sleep(0.5)
            self.assertTrue(process.running())
            self.assertFalse(session.cursor_showing(), "the cursor is visible over the screensaver")
            self.assertTrue(process.running())

    def test_any_key_or_button_ends_it_with_exit_code_0(self):
        endings = [("key", "a"), ("key", "shift"), ("key", "Escape"), ("key", "space"),
                   ("click", "1"), ("click", "3"), ("click", "2")]
        for kind, name in endings:
            with self.subTest(kind=kind, name=name), harness.WineSession() as session:
                process, _ = self.start(session, "/s")
                time.sleep(1)
                session.xdotool(kind, name)
                self.assertEqual(process.wait(timeout=20), 0)

    def test_moving_the_mouse_and_turning_the_wheel_do_not_end_it(self):
        with harness.WineSession() as session:
            process, _ = self.start(session, "/s")
            time.sleep(1)
            for x, y in [(10, 10), (600, 300), (1200, 700)]:
                session.xdotool("mousemove", str(x), str(y))
                time.sleep(0.2)
            session.xdotool("click", "4")
            session.xdotool("click", "5")
            time.sleep(2)
            self.assertTrue(process.running(), "the screensaver ended on mouse motion or the wheel")
            self.assertEqual(len(session.windows_titled(TITLE)), 1)

    def test_a_close_request_ends_it_with_exit_code_0(self):
        with harness.WineSession() as session:
            process, window = self.start(session, "/s")
            time.sleep(1)
            session.close_window(window)
            self.assertEqual(process.wait(timeout=20), 0)

    def test_a_switchless_start_runs_full_screen_too(self):
        with harness.WineSession() as session:
            process, window = self.start(session)
            self.assertEqual(window.rect, (0, 0, session.width, session.height))
            session.xdotool("key", "a")
            self.assertEqual(process.wait(timeout=20), 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
