"""Configure mode under Wine: the About window, what it shows, its button and
what closes it."""
import collections
import os
import time
import unittest
import urllib.parse

import harness
from about_session import (ABOUT_TITLE, LOGO_BMP, about_session, children, client_area, focused_control, read_bmp,
                           start_about)

SCREENSAVER_TITLE = "VelmarisSkyScreensaver"
BACKGROUND = (177, 232, 179)
BLACK = (0, 0, 0)
BLUE = (0, 51, 255)
HTCLOSE = 20
WS_CHILD_VISIBLE = 0x50000000
WS_TABSTOP = 0x00010000

# name: (x, y, width, height, id) in the client area
HEADING = (100, 20, 280, 20, 30)
NOTICE = (20, 150, 380, 80, 10)
BUTTON = (150, 210, 100, 32, 10)
LOGO_AT = (142, 55)


def near(colour, target, tolerance=24):
    return all(abs(a - b) <= tolerance for a, b in zip(colour, target))


def pixels(image):
    return [image.pixel(x, y) for y in range(image.height) for x in range(image.width)]


def client_picture(session, window):
    (left, top), (width, height) = client_area(session, window)
    return session.screenshot().crop(left, top, width, height)


class AboutWindowTest(unittest.TestCase):
    def assert_about_picture(self, picture):
        """Background, logo, heading and notice texts and the button, where they belong."""
        for x, y in [(2, 2), (picture.width - 3, 2), (2, picture.height - 3), (picture.width - 3, picture.height - 3),
                     (50, 100), (300, 100), (60, 260), (330, 260)]:
            self.assertEqual(picture.pixel(x, y), BACKGROUND, f"client pixel ({x}, {y})")

        logo = read_bmp(LOGO_BMP)
        self.assertEqual((logo.width, logo.height), (110, 83))
        drawn = picture.crop(*LOGO_AT, logo.width, logo.height)
        self.assertEqual(drawn.data, logo.data, "the logo differs from BITMAP 101")
        self.assertEqual(picture.pixel(LOGO_AT[0] - 1, LOGO_AT[1] - 1), BACKGROUND)
        self.assertEqual(picture.pixel(LOGO_AT[0] + logo.width, LOGO_AT[1] + logo.height), BACKGROUND)

        heading = pixels(picture.crop(*HEADING[:4]))
        self.assertEqual(collections.Counter(heading).most_common(1)[0][0], BACKGROUND)
        self.assertGreater(sum(near(p, BLACK) for p in heading), 100, "no black heading text")
        self.assertEqual(sum(near(p, BLUE) for p in heading), 0)

        # The notice's lines, above the button.
        x, y, width, _, _ = NOTICE
        notice = pixels(picture.crop(x, y, width, BUTTON[1] - y))
        self.assertEqual(collections.Counter(notice).most_common(1)[0][0], BACKGROUND)
        self.assertGreater(sum(near(p, BLUE) for p in notice), 200, "no blue notice text")
        self.assertEqual(sum(near(p, BLACK) for p in notice), 0)

        button = pixels(picture.crop(*BUTTON[:4]))
        face = collections.Counter(button).most_common(1)[0][0]
        self.assertNotEqual(face, BACKGROUND)
        self.assertEqual(len(set(face)), 1, f"button face {face} is not grey")
        self.assertGreater(sum(max(p) < 80 for p in button), 40, "no caption on the button")

    def test_configure_switches_open_one_centred_about_window(self):
        cases = [(1280, 720, "/c", (440, 210)), (1366, 768, "/c:5678", (483, 234)), (1025, 769, "/c", (312, 234))]
        for width, height, switch, corner in cases:
            with self.subTest(display=(width, height), switch=switch), about_session(width, height) as session:
                process, window = start_about(session, switch)
                time.sleep(1)
                self.assertEqual(len(session.windows_titled(ABOUT_TITLE)), 1)
                self.assertEqual(window.cls, "QuorvaleWindowClass")
                self.assertEqual(window.rect, (*corner, corner[0] + 400, corner[1] + 300))
                full_screen = [w for w in session.windows() if (w.width, w.height) == (width, height)]
                self.assertEqual(full_screen, [])
                self.assertEqual(session.windows_titled(SCREENSAVER_TITLE), [])
                session.close_window(window)
                self.assertEqual(process.wait(timeout=20), 0)

    def test_the_single_instance_guard_stays_free(self):
        with about_session() as session:
            about, _ = start_about(session)
            switchless = session.start_screensaver()
            session.wait_for_window(SCREENSAVER_TITLE)
            time.sleep(1)
            self.assertTrue(switchless.running())
            self.assertTrue(about.running())

    def test_controls_texts_places_and_ids(self):
        with about_session() as session:
            _, window = start_about(session)
            found = {(child["class"], child["id"]): child for child in children(session, window)}
            self.assertEqual(len(found), 3)
            heading = found[("Static", "30")]
            notice = found[("Static", "10")]
            button = found[("Button", "10")]
            self.assertEqual(heading["text"], "VelmarisSkyScreensaver")
            self.assertEqual(button["text"], "Visit website")
            lines = notice["text"].split("\\r\\n")
            self.assertEqual(len(lines), 3, notice["text"])
            self.assertTrue(all(lines))
            for child, (x, y, width, height, _) in [(heading, HEADING), (notice, NOTICE), (button, BUTTON)]:
                self.assertEqual(child["rect"], f"{x},{y},{x + width},{y + height}")
            self.assertEqual(int(heading["style"], 16), WS_CHILD_VISIBLE | WS_TABSTOP)
            self.assertEqual(int(notice["style"], 16), WS_CHILD_VISIBLE | WS_TABSTOP)
            self.assertEqual(int(button["style"], 16), WS_CHILD_VISIBLE)

    def test_shows_background_logo_texts_and_button(self):
        with about_session() as session:
            _, window = start_about(session)
            time.sleep(1)
            (left, top), size = client_area(session, window)
            self.assertEqual((left - window.rect[0]) * 2 + size[0], 400)
            self.assertEqual(top - window.rect[1] + size[1] + (left - window.rect[0]), 300)
            self.assert_about_picture(client_picture(session, window))

    def test_covering_and_uncovering_repaints_it(self):
        with about_session() as session:
            _, window = start_about(session)
            screensaver = session.start_screensaver("/s")
            cover = session.wait_for_window(SCREENSAVER_TITLE)
            time.sleep(2)
            covered = client_picture(session, window)
            self.assertLess(sum(p == BACKGROUND for p in pixels(covered)), covered.width * covered.height // 10,
                            "the full-screen window does not cover the About window")
            session.close_window(cover)
            self.assertEqual(screensaver.wait(timeout=20), 0)
            time.sleep(1)
            self.assert_about_picture(client_picture(session, window))

    def test_the_button_opens_the_home_page_and_the_window_stays(self):
        with about_session() as session:
            launcher_dir = os.path.join(session.workdir, "bin")
            opened = os.path.join(session.workdir, "opened.txt")
            os.makedirs(launcher_dir)
            launcher = os.path.join(launcher_dir, "xdg-open")
            with open(launcher, "w") as f:
                f.write(f'#!/bin/sh\nprintf "%s\\n" "$*" >> "{opened}"\n')
            os.chmod(launcher, 0o755)
            process, window = start_about(session, env={"PATH": launcher_dir + os.pathsep + os.environ["PATH"]})
            notice = [child["text"] for child in children(session, window) if child["class"] == "Static"]

            (left, top), _ = client_area(session, window)
            x, y, width, height, _ = BUTTON
            session.xdotool("mousemove", str(left + x + width // 2), str(top + y + height // 2), "click", "1")
            addresses = harness.wait_until(lambda: os.path.exists(opened) and harness.read_text(opened).split(),
                                           30, what="the browser launcher to be called")
            self.assertEqual(len(addresses), 1)
            page = urllib.parse.urlsplit(addresses[0])
            self.assertEqual(page.scheme, "https")
            self.assertEqual(page.query, "utm_source=About")
            self.assertTrue(any(page.netloc in text for text in notice), f"{page.netloc} is not in the notice")

            time.sleep(1)
            self.assertTrue(process.running())
            self.assertEqual(len(session.windows_titled(ABOUT_TITLE)), 1)

    def test_tab_does_not_move_the_focus(self):
        with about_session() as session:
            _, window = start_about(session)
            time.sleep(1)
            (left, top), _ = client_area(session, window)
            for click_first in [None, BUTTON]:
                with self.subTest(clicked=click_first):
                    if click_first:
                        x, y, width, height, _ = click_first
                        session.xdotool("mousemove", str(left + x + width // 2), str(top + y + height // 2),
                                        "click", "1")
                        time.sleep(0.5)
                    before = focused_control(session, window)
                    session.xdotool("key", "Tab")
                    time.sleep(0.5)
                    self.assertEqual(focused_control(session, window), before)

    def test_the_close_box_and_alt_f4_end_the_program_with_0(self):
        for ending in ["close box", "alt+F4"]:
            with self.subTest(ending=ending), about_session() as session:
                process, window = start_about(session)
                time.sleep(1)
                if ending == "close box":
                    x, y = self.close_box(session, window)
                    session.xdotool("mousemove", str(x), str(y), "click", "1")
                else:
                    session.xdotool("key", "alt+F4")
                self.assertEqual(process.wait(timeout=20), 0)

    def close_box(self, session, window):
        """A screen point well inside the window's close box, found by asking the window what its points are."""
        (_, client_top), _ = client_area(session, window)
        y = (window.rect[1] + client_top) // 2

        def hit(x):
            return session.probe("hittest", str(window.hwnd), str(x), str(y)).strip() == f"hit={HTCLOSE}"

        right_edge = next((x for x in range(window.rect[2] - 1, window.rect[2] - 40, -2) if hit(x)), None)
        self.assertIsNotNone(right_edge, "no close box at the right of the caption")
        self.assertTrue(hit(right_edge - 4))
        return right_edge - 4, y

if __name__ == "__main__":
    unittest.main(verbosity=2)
