"""The address box takes the clipboard's text, trimmed, every time it gains the focus."""

import time
import unittest

from bench.clipboard import Clipboard
from bench.desktop import shared_desktop, wait_for
from bench.service import PREFIX, StandInService
from bench.tavrino import ADDRESS_BOX, PIN_BOX, PLAYER_VIEW, Tavrino

desktop = None
clipboard = None


def setUpModule():
    global desktop, clipboard
    desktop = shared_desktop()
    clipboard = Clipboard(desktop)


class PickUpTestCase(unittest.TestCase):
    def setUp(self):
        clipboard.clear()
        self.service = self.enterContext(StandInService())
        self.tavrino = self.enterContext(Tavrino(desktop))

    def navigations(self):
        return [r.v for r in self.service.player_requests()]

    def wait_for_navigations(self, count):
        wait_for(lambda: len(self.service.player_requests()) >= count,
                 message=f"{count} navigations (have {self.navigations()})")
        time.sleep(0.2)
        return self.navigations()

    def focus_box_by_tab(self):
        desktop.key("Tab")
        self.tavrino.wait_for_focus(ADDRESS_BOX)


class WhatIsPickedUp(PickUpTestCase):
    def test_clipboard_texts_become_the_box_text(self):
        cases = [
            ("  abc\u3000", "abc"),
            ("a b", "a b"),
            (" 视频 地址　", "视频 地址"),
            ("\u3000 \u3000 ", ""),
            ("https://v.example/watch?id=1\n", "https://v.example/watch?id=1\n"),
            ("\tline one\nline two ", "\tline one\nline two"),
            (b"abc\0def", "abc"),
            (b"https://v.example/\xff\xfeok", "https://v.example/\ufffd\ufffdok"),
        ]
        for data, expected in cases:
            with self.subTest(data=data):
                clipboard.offer(data)
                self.service.clear()
                self.tavrino.click_control(ADDRESS_BOX)
                self.tavrino.wait_for_focus(ADDRESS_BOX)
                self.assertEqual(self.tavrino.box_text(), expected)
                self.assertEqual(self.tavrino.state()["url"], PREFIX + expected)
                desktop.key("shift+Tab")
                self.tavrino.wait_for_focus(PLAYER_VIEW)

    def test_no_text_on_the_clipboard_empties_the_box_and_navigates_to_the_bare_prefix(self):
        for label, offer in (
                ("no owner", lambda: None),
                ("picture only", lambda: clipboard.offer(b"\x89PNG\r\n\x1a\n", "image/png")),
                ("files only", lambda: clipboard.offer("file:///tmp/a.mp4\n", "text/uri-list")),
                ("empty text", lambda: clipboard.offer(""))):
            with self.subTest(label):
                clipboard.clear()
                offer()
                # Something typed first, so that emptying it shows.
                self.service.clear()
                self.tavrino.click_control(ADDRESS_BOX)
                self.tavrino.wait_for_focus(ADDRESS_BOX)
                self.wait_for_navigations(1)
                desktop.type("t")
                wait_for(lambda: "t" in self.navigations(), message="typed text navigated")
                self.service.clear()
                desktop.key("shift+Tab")
                self.tavrino.wait_for_focus(PLAYER_VIEW)
                desktop.key("Tab")
                self.tavrino.wait_for_focus(ADDRESS_BOX)
                self.assertEqual(self.tavrino.box_text(), "")
                self.assertEqual(self.wait_for_navigations(1), [""])
                desktop.key("shift+Tab")
                self.tavrino.wait_for_focus(PLAYER_VIEW)

    def test_a_megabyte_address_arrives_whole_and_the_window_stays_responsive(self):
        address = "https://v.example/" + "x" * (1 << 20)
        clipboard.offer(address)
        self.focus_box_by_tab()
        wait_for(lambda: len(self.tavrino.box_text()) == len(address), timeout=20,
                 message="the whole address in the box")
        self.assertEqual(self.tavrino.box_text(), address)
        desktop.key("Tab")
        self.tavrino.wait_for_focus(PIN_BOX)


class WhenItHappens(PickUpTestCase):
    def test_nothing_is_read_at_start_up(self):
        clipboard.offer("https://v.example/1")
        time.sleep(0.5)
        self.assertEqual(self.tavrino.box_text(), "")
        self.assertEqual(self.service.requests, [])

    def test_every_focus_gain_picks_up_once_and_nothing_else_does(self):
        clipboard.offer("https://v.example/1")
        self.focus_box_by_tab()
        self.assertEqual(self.wait_for_navigations(1), ["https://v.example/1"])
        # Clicking into the box that has the focus reads nothing.
        self.tavrino.click_control(ADDRESS_BOX)
        time.sleep(0.5)
        self.assertEqual(len(self.navigations()), 1)
        # Tab round the cycle: the same text again loads the same address again.
        for key in ("Tab", "Tab", "Tab"):
            desktop.key(key)
        self.tavrino.wait_for_focus(ADDRESS_BOX)
        self.assertEqual(self.wait_for_navigations(2), ["https://v.example/1"] * 2)
        desktop.key("shift+Tab", "shift+Tab")
        self.tavrino.wait_for_focus(PIN_BOX)
        desktop.key("shift+Tab")
        self.tavrino.wait_for_focus(ADDRESS_BOX)
        self.assertEqual(self.wait_for_navigations(3), ["https://v.example/1"] * 3)

    def test_typed_text_lasts_until_the_next_focus_gain(self):
        clipboard.offer("https://v.example/2")
        self.focus_box_by_tab()
        desktop.key("ctrl+a", "BackSpace")
        desktop.type("mine")
        wait_for(lambda: self.tavrino.box_text() == "mine")
        desktop.key("Tab")
        self.tavrino.wait_for_focus(PIN_BOX)
        desktop.key("shift+Tab")
        self.tavrino.wait_for_focus(ADDRESS_BOX)
        self.assertEqual(self.tavrino.box_text(), "https://v.example/2")

    def test_coming_back_to_the_program_picks_up_what_was_copied_meanwhile(self):
        clipboard.offer("https://v.example/before")
        self.focus_box_by_tab()
        # The first request must be in before the service forgets what it saw.
        self.assertEqual(self.wait_for_navigations(1), ["https://v.example/before"])
        other = desktop.start(["xmessage", "-center", "another program"])
        other_window = wait_for(lambda: desktop.windows_named("^xmessage$"),
                                message="the other program's window")[0]
        desktop.run(["xdotool", "windowactivate", "--sync", str(other_window)])
        clipboard.offer("https://v.example/after")
        self.service.clear()
        desktop.run(["xdotool", "windowactivate", "--sync", str(self.tavrino.window)])
        self.tavrino.wait_for_focus(ADDRESS_BOX)
        self.assertEqual(self.wait_for_navigations(1), ["https://v.example/after"])
        self.assertEqual(self.tavrino.box_text(), "https://v.example/after")
        other.kill()
        # The same with the pin box focused when leaving: it gets the focus back, nothing runs.
        desktop.key("Tab")
        self.tavrino.wait_for_focus(PIN_BOX)
        other = desktop.start(["xmessage", "-center", "another program"])
        other_window = wait_for(lambda: desktop.windows_named("^xmessage$"),
                                message="the other program's window")[0]
        desktop.run(["xdotool", "windowactivate", "--sync", str(other_window)])
        self.service.clear()
        desktop.run(["xdotool", "windowactivate", "--sync", str(self.tavrino.window)])
        self.tavrino.wait_for_focus(PIN_BOX)
        time.sleep(0.5)
        self.assertEqual(self.navigations(), [])
        other.kill()

    def test_a_silent_owner_costs_one_short_wait_and_leaves_nothing_pending(self):
        owner = clipboard.offer_silently()
        self.tavrino.click_control(ADDRESS_BOX)
        self.tavrino.wait_for_focus(ADDRESS_BOX)
        started = time.monotonic()
        self.assertEqual(self.tavrino.box_text(), "")
        self.assertLess(time.monotonic() - started, 2.0)
        self.assertEqual(self.wait_for_navigations(1), [""])
        owner.kill()
        clipboard.offer("https://v.example/next")
        desktop.key("Tab")
        self.tavrino.wait_for_focus(PIN_BOX)
        desktop.key("shift+Tab")
        self.tavrino.wait_for_focus(ADDRESS_BOX)
        self.assertEqual(self.tavrino.box_text(), "https://v.example/next")


if __name__ == "__main__":
    unittest.main()
