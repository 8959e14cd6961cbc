"""The OpenGL entry-point loader on a real WGL context under Wine."""
import os
import unittest

import harness


class GLLoaderTest(unittest.TestCase):
    def test_loads_every_entry_point_the_context_offers(self):
        with harness.WineSession() as session:
            process = session.start(os.environ["VELMARIS_GL_LOADER_CHECK"])
            code = process.wait(timeout=120)
            output = process.output().decode("latin-1")
            print(output)
            self.assertEqual(code, 0, output)
            self.assertIn("read back 4.5", output)


if __name__ == "__main__":
    unittest.main(verbosity=2)
