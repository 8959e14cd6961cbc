"""The program's own preview start and frame loop, proven in-process:
preview_path_test.exe makes a host like the Control Panel's preview, runs
the program's entry point with "/p <handle>" on it and checks the picture,
the surface size and the end of the loop itself (see preview_path_test.cpp).
In-process, because only there can the frames and the size be read back;
the real .scr in a host of another process is in test_preview_start.py.
Each ending runs in a process of its own: the program may end its process
itself."""
import unittest

import harness
import wine_programs

PROGRAM = wine_programs.program("VELMARIS_PREVIEW_PATH_TEST")
CASES = ["the preview draws the aurora into the host", "resizing the host resizes the surface at once",
         "frames after the resize fill the resized host"]


class PreviewPathTest(unittest.TestCase):
    def test_the_preview_draws_in_the_host_until_it_is_disabled_or_destroyed(self):
        for ending, ended in [("disable", "disabled"), ("destroy", "destroyed")]:
            with self.subTest(ending=ending):
                with harness.WineSession() as session:
                    code, output = wine_programs.run_to_end(session, PROGRAM, ending, timeout=120)
                print(output)
                for case in CASES + [f"the loop ends after the frame in which the host was {ended}"]:
                    self.assertIn(f"[   OK ] {case}\n", output)
                self.assertIn("ALL PASSED", output)
                self.assertEqual(code, 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
