"""glfwAttachWindow proven in-process: preview_attach_test.exe attaches the
library to native windows of its own and checks the outcome itself (see
attach_test.cpp)."""
import unittest

import harness
import wine_programs

PROGRAM = wine_programs.program("VELMARIS_PREVIEW_ATTACH_TEST")


class AttachTest(unittest.TestCase):
    def test_every_attach_case_passes(self):
        with harness.WineSession() as session:
            code, output = wine_programs.run_to_end(session, PROGRAM)
        print(output)
        self.assertIn("ALL PASSED", output)
        self.assertEqual(code, 0)


if __name__ == "__main__":
    unittest.main(verbosity=2)
