"""The main window as the user meets it: start-up, keyboard, closing, navigation, fatal errors."""

import subprocess
import time
import unittest

from bench.clipboard import Clipboard
from bench.desktop import shared_desktop, wait_for
from bench.service import PREFIX, StandInService
from bench.tavrino import (ADDRESS_BOX, ADDRESS_LABEL, CONTROLS, PIN_BOX, PLAYER_VIEW, Tavrino,
                           atspi)

desktop = None


def setUpModule():
    global desktop
    desktop = shared_desktop()


class StartUp(unittest.TestCase):
    def test_window_starts_centred_laid_out_and_focused_on_the_player_view(self):
        with StandInService() as service, Tavrino(desktop) as tavrino:
            self.assertEqual(tavrino.outer_geometry(),
                             ((1280 - 810) // 2, (1024 - 694) // 2, 810, 694))
            state = tavrino.state()
            self.assertEqual(state["outer"], [810, 694])
            self.assertEqual(state["controls"], {
                PIN_BOX: [730, 16, 56, 24],
                ADDRESS_LABEL: [16, 8, 72, 32],
                ADDRESS_BOX: [100, 12, 610, 32],
                PLAYER_VIEW: [0, 50, 815, 620],
            })
            self.assertEqual(state["player_allocation"], [0, 50, 815, 620])
            self.assertEqual(state["focus"], PLAYER_VIEW)
            self.assertEqual(state["box"], "")
            self.assertFalse(state["pin"])
            self.assertEqual(state["url"], "")
            # The view shows the blank page, which starts the page process ahead of the first
            # address, and asks the service for nothing.
            wait_for(lambda: tavrino.state()["uri"] == "about:blank", message="the blank page")
            self.assertEqual(service.requests, [])
            # The controls the theme would draw taller keep their written height on screen.
            for name in (PIN_BOX, ADDRESS_BOX, ADDRESS_LABEL):
                self.assertEqual(tavrino.accessible_extents(name), tuple(state["controls"][name]))

    def test_texts_and_names_reach_accessibility_tools(self):
        with Tavrino(desktop) as tavrino:
            self.assertEqual(tavrino.control(ADDRESS_LABEL).name, "视频地址")
            self.assertEqual(tavrino.control(PIN_BOX).name, "置顶")
            self.assertEqual(tavrino.control(PIN_BOX).getRole(), atspi().ROLE_CHECK_BOX)
            self.assertEqual(tavrino.control(ADDRESS_BOX).getRole(), atspi().ROLE_TEXT)
            frame = tavrino.application()[0]
            self.assertTrue(frame.name.startswith("Tavrino"))

    def test_background_is_white_and_window_has_no_minimum_size(self):
        with Tavrino(desktop) as tavrino:
            # Between the top row and the player view only the window's own background shows.
            self.assertEqual(desktop.pixel(*tavrino.client_to_screen(5, 46)), "#ffffff")
            hints = desktop.property(tavrino.window, "WM_NORMAL_HINTS")
            self.assertIn("minimum size: 0 by 0", hints)
            self.assertNotIn("maximum size", hints)

    def test_window_offers_its_icon_in_four_sizes(self):
        with Tavrino(desktop) as tavrino:
            out = desktop.run(["xprop", "-notype", "-len", "1000000", "-id", str(tavrino.window),
                               "32c", "_NET_WM_ICON"])
            values = [int(v) for v in out.split("=", 1)[1].split(",")]
            icons = {}
            while values:
                width, height = values[:2]
                icons[(width, height)] = values[2:2 + width * height]
                values = values[2 + width * height:]
            self.assertEqual(list(icons), [(16, 16), (24, 24), (32, 32), (256, 256)])
            # ARGB: a clear corner, and the white play triangle at the centre.
            large = icons[(256, 256)]
            self.assertEqual(large[0] >> 24, 0)
            self.assertEqual(large[128 * 256 + 128], 0xFFFFFFFF)


class Keyboard(unittest.TestCase):
    def test_tab_cycles_player_view_address_box_pin_box_both_ways(self):
        with StandInService(), Tavrino(desktop) as tavrino:
            for expected in (ADDRESS_BOX, PIN_BOX, PLAYER_VIEW, ADDRESS_BOX):
                desktop.key("Tab")
                tavrino.wait_for_focus(expected)
            desktop.key("shift+Tab")
            tavrino.wait_for_focus(PLAYER_VIEW)
            desktop.key("shift+Tab")
            tavrino.wait_for_focus(PIN_BOX)
            desktop.key("shift+Tab")
            tavrino.wait_for_focus(ADDRESS_BOX)

    def test_tab_leaves_a_player_view_that_shows_a_page(self):
        with StandInService() as service, Tavrino(desktop) as tavrino:
            # The box's focus gain navigates to the service's page.
            desktop.key("Tab")
            tavrino.wait_for_focus(ADDRESS_BOX)
            wait_for(lambda: service.reports("viewport"), message="the page")
            tavrino.click_control(PLAYER_VIEW)
            tavrino.wait_for_focus(PLAYER_VIEW)
            desktop.key("Tab")
            tavrino.wait_for_focus(ADDRESS_BOX)

    def test_enter_and_f1_do_nothing_of_the_window(self):
        with StandInService() as service, Tavrino(desktop) as tavrino:
            desktop.key("Tab")
            tavrino.wait_for_focus(ADDRESS_BOX)
            wait_for(service.player_requests, message="the focus gain's navigation")
            desktop.type("x")
            wait_for(lambda: [r for r in service.player_requests() if r.v == "x"],
                     message="the navigation for x")
            navigations = len(service.player_requests())
            desktop.key("Return", "F1")
            time.sleep(0.5)
            self.assertEqual(tavrino.focused(), ADDRESS_BOX)
            self.assertEqual(len(service.player_requests()), navigations)
            self.assertIsNone(tavrino.process.poll())


class Closing(unittest.TestCase):
    def assert_closes(self, tavrino, *keys):
        desktop.key(*keys)
        self.assertEqual(tavrino.wait_for_exit(), 0)

    def test_escape_closes_from_every_control(self):
        for tabs in (0, 1, 2):
            with self.subTest(tabs=tabs), StandInService(), Tavrino(desktop) as tavrino:
                for _ in range(tabs):
                    desktop.key("Tab")
                tavrino.wait_for_focus((PLAYER_VIEW, ADDRESS_BOX, PIN_BOX)[tabs])
                self.assert_closes(tavrino, "Escape")

    def test_window_manager_close_system_menu_and_close_button(self):
        with Tavrino(desktop) as tavrino:
            self.assert_closes(tavrino, "alt+F4")
        with Tavrino(desktop) as tavrino:
            # openbox's window menu ends with Close.
            desktop.key("alt+space")
            time.sleep(0.3)
            self.assert_closes(tavrino, "Up", "Return")
        with Tavrino(desktop) as tavrino:
            x, y, width, _ = tavrino.outer_geometry()
            left, right, top, _ = desktop.frame_extents(tavrino.window)
            # openbox puts the close button at the right end of the title bar.
            desktop.click(x + width - right - 9, y + top // 2)
            self.assertEqual(tavrino.wait_for_exit(), 0)


class Navigation(unittest.TestCase):
    def test_each_keystroke_navigates_to_the_prefix_and_the_text(self):
        with StandInService() as service, Tavrino(desktop) as tavrino:
            desktop.key("Tab")
            tavrino.wait_for_focus(ADDRESS_BOX)
            service.clear()
            # Each key waits for its navigation, so that none replaces the one before it unsent.
            for typed in ("a", "ab", "abc"):
                desktop.type(typed[-1])
                wait_for(lambda: typed in [r.v for r in service.player_requests()],
                         message=f"the navigation for {typed}")
            self.assertEqual([r.v for r in service.player_requests() if r.v],
                             ["a", "ab", "abc"])
            self.assertEqual(tavrino.state()["uri"], PREFIX + "abc")

    def test_a_video_served_by_the_service_plays(self):
        import os
        import tempfile
        media = tempfile.mkdtemp()
        subprocess.run(
            ["gst-launch-1.0", "-q", "videotestsrc", "num-buffers=90", "!",
             "video/x-raw,width=320,height=240,framerate=30/1", "!", "vp8enc", "deadline=1", "!",
             "webmmux", "!", "filesink", f"location={os.path.join(media, 'clip.webm')}"],
            check=True)
        clipboard = Clipboard(desktop)
        clipboard.offer("video")
        self.addCleanup(clipboard.clear)
        with StandInService(media_dir=media) as service, Tavrino(desktop) as tavrino:
            desktop.key("Tab")
            tavrino.wait_for_focus(ADDRESS_BOX)
            wait_for(lambda: service.reports("played") or service.reports("video-error"),
                     timeout=30, message="the video to play")
            self.assertEqual(service.reports("video-error"), [])


class FatalError(unittest.TestCase):
    def test_missing_browser_component_shows_the_error_box_and_exits_with_minus_one(self):
        with Tavrino(desktop, program="tavrino-without-browser") as tavrino:
            box = tavrino.window
            self.assertEqual(desktop.run(["xdotool", "getwindowname", str(box)]).strip(), "错误")
            self.assertEqual(desktop.windows_named("Tavrino"), [])
            dialog = tavrino.application()[0]
            self.assertEqual(dialog.getRole(), atspi().ROLE_ALERT)
            texts = [a.name for a in atspi().utils.findAllDescendants(
                dialog, lambda a: a.getRole() == atspi().ROLE_LABEL)]
            self.assertIn("运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n", texts)
            buttons = atspi().utils.findAllDescendants(
                dialog, lambda a: a.getRole() == atspi().ROLE_PUSH_BUTTON)
            self.assertEqual(len(buttons), 1)
            desktop.key("Return")
            self.assertEqual(tavrino.wait_for_exit(), 255)


if __name__ == "__main__":
    unittest.main()
