"""The .scr as a file: a 32-bit GUI executable that imports only Windows system DLLs."""
import re
import subprocess
import unittest

import harness

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "opengl32.dll", "msvcrt.dll",
               "advapi32.dll", "comdlg32.dll", "ole32.dll", "oleaut32.dll", "winmm.dll", "ws2_32.dll",
               "imm32.dll", "version.dll", "dwmapi.dll", "uxtheme.dll", "shlwapi.dll", "comctl32.dll"}


def headers():
    return subprocess.run(["i686-w64-mingw32-objdump", "-p", harness.SCREENSAVER], capture_output=True,
                          check=True, text=True, timeout=60).stdout


class ExecutableTest(unittest.TestCase):
    def test_imports_only_windows_system_dlls(self):
        imported = {name.lower() for name in re.findall(r"DLL Name: (\S+)", headers())}
        self.assertIn("opengl32.dll", imported)
        self.assertFalse(imported - SYSTEM_DLLS, f"non-system DLLs imported: {imported - SYSTEM_DLLS}")

    def test_is_a_32_bit_gui_program(self):
        text = headers()
        self.assertRegex(text, r"file format pei-i386")
        self.assertRegex(text, r"Subsystem\s+00000002\s+\(Windows GUI\)")

    def test_is_named_as_a_screensaver(self):
        self.assertTrue(harness.SCREENSAVER.endswith("VelmarisSkyScreensaver.scr"))


if __name__ == "__main__":
    unittest.main(verbosity=2)
