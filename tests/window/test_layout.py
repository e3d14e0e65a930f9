"""The controls follow the window's outer size: at start, on every resize, not on a move."""

import time
import unittest

from bench.desktop import shared_desktop, wait_for
from bench.service import StandInService
from bench.tavrino import ADDRESS_BOX, ADDRESS_LABEL, PIN_BOX, PLAYER_VIEW, Tavrino, atspi

desktop = None


def setUpModule():
    global desktop
    desktop = shared_desktop()


def expected_layout(width, height):
    return {
        ADDRESS_BOX: [100, 12, max(0, width - 200), 32],
        PLAYER_VIEW: [0, 50, width + 5, max(0, height - 74)],
        PIN_BOX: [width - 80, 16, 56, 24],
        ADDRESS_LABEL: [16, 8, 72, 32],
    }


class Layout(unittest.TestCase):
    def setUp(self):
        self.tavrino = self.enterContext(Tavrino(desktop))

    def resize_client(self, width, height):
        desktop.run(["xdotool", "windowsize", "--sync", str(self.tavrino.window), str(width),
                     str(height)])
        left, right, top, bottom = desktop.frame_extents(self.tavrino.window)
        outer = [width + left + right, height + top + bottom]
        wait_for(lambda: self.tavrino.state()["outer"] == outer,
                 message=f"outer size {outer} (now {self.tavrino.state()['outer']})")
        return outer

    def assert_laid_out(self, outer):
        state = self.tavrino.state()
        self.assertEqual(state["outer"], list(outer))
        self.assertEqual(state["controls"], expected_layout(*outer))
        player = state["controls"][PLAYER_VIEW]
        if player[2] and player[3]:  # an empty view is hidden, whatever its allocation
            # GTK applies the written geometry in its layout phase, before the next frame.
            wait_for(lambda: self.tavrino.state()["player_allocation"] == player,
                     message=f"the player view allocated at {player}")

    def test_resizing_lays_the_controls_out_for_the_new_outer_size(self):
        for width, height in ((1000, 800), (400, 300), (150, 100), (60, 40), (810, 600)):
            with self.subTest(client=(width, height)):
                self.assert_laid_out(self.resize_client(width, height))

    def test_an_empty_address_box_disappears_and_comes_back(self):
        self.resize_client(150, 300)
        self.assertFalse(self.tavrino.states(ADDRESS_BOX).contains(
            atspi().STATE_SHOWING))
        self.resize_client(600, 300)
        wait_for(lambda: self.tavrino.states(ADDRESS_BOX).contains(
            atspi().STATE_SHOWING), message="the address box back")
        self.assertEqual(self.tavrino.accessible_extents(ADDRESS_BOX), (100, 12, 402, 32))

    def test_dragging_the_frame_follows_each_step(self):
        x, y, width, height = self.tavrino.outer_geometry()
        corner = (x + width - 2, y + height - 2)
        desktop.run(["xdotool", "mousemove", str(corner[0]), str(corner[1]), "mousedown", "1"])
        for step in range(1, 6):
            desktop.run(["xdotool", "mousemove", str(corner[0] - 40 * step),
                         str(corner[1] - 30 * step)])
            time.sleep(0.1)
        desktop.run(["xdotool", "mouseup", "1"])
        final = wait_for(lambda: (lambda o: o if o[2] == width - 200 else None)(
            self.tavrino.outer_geometry()), message="the dragged size")
        self.assertEqual(final[2:], (width - 200, height - 150))
        self.assert_laid_out(final[2:])

    def test_minimise_and_restore_and_move_keep_the_layout(self):
        before = self.tavrino.state()
        desktop.run(["xdotool", "windowminimize", "--sync", str(self.tavrino.window)])
        desktop.run(["xdotool", "windowactivate", "--sync", str(self.tavrino.window)])
        # Shown again is what this test needs; which window has the focus is the window manager's.
        wait_for(lambda: "IsViewable" in desktop.run(["xwininfo", "-id", str(self.tavrino.window)]),
                 message="restore")
        self.assertEqual(self.tavrino.state()["controls"], before["controls"])
        desktop.run(["xdotool", "windowmove", "--sync", str(self.tavrino.window), "10", "20"])
        wait_for(lambda: self.tavrino.outer_geometry()[:2] == (10, 20), message="the move")
        self.assertEqual(self.tavrino.state()["controls"], before["controls"])
        self.assertEqual(self.tavrino.state()["outer"], before["outer"])


class PageViewport(unittest.TestCase):
    def test_the_page_sees_the_whole_player_view(self):
        with StandInService() as service, Tavrino(desktop) as tavrino:
            desktop.key("Tab")
            tavrino.wait_for_focus(ADDRESS_BOX)
            report = wait_for(lambda: service.reports("viewport"), message="the page")[0]
            self.assertEqual(report.query, "width=815&height=620")


if __name__ == "__main__":
    unittest.main()
