"""The "置顶" box keeps the window above all others while it is checked."""

import time
import unittest

from bench.desktop import shared_desktop, wait_for
from bench.tavrino import PIN_BOX, Tavrino

desktop = None


def setUpModule():
    global desktop
    desktop = shared_desktop()


class Pin(unittest.TestCase):
    def setUp(self):
        self.tavrino = self.enterContext(Tavrino(desktop))

    def above(self):
        return "_NET_WM_STATE_ABOVE" in desktop.property(self.tavrino.window, "_NET_WM_STATE")

    def wait_for_pin(self, pinned):
        wait_for(lambda: self.above() == pinned and self.tavrino.state()["pin"] == pinned,
                 message=f"pinned={pinned}")

    def start_other_program(self):
        """An ordinary window over Tavrino's, activated; closed at the end of the test."""
        other = desktop.start(["xmessage", "-geometry", "600x400+300+300", "another program"])
        self.addCleanup(other.kill)
        window = wait_for(lambda: desktop.windows_named("^xmessage$"), message="xmessage")[0]
        desktop.run(["xdotool", "windowactivate", "--sync", str(window)])
        wait_for(lambda: desktop.active_window() == window, message="the other window active")
        return window

    def test_click_and_space_bar_pin_and_unpin_without_moving_or_refocusing(self):
        self.assertFalse(self.above())
        geometry = self.tavrino.outer_geometry()
        self.tavrino.click_control(PIN_BOX)
        self.wait_for_pin(True)
        self.assertEqual(self.tavrino.focused(), PIN_BOX)
        self.assertEqual(desktop.active_window(), self.tavrino.window)
        desktop.key("space")
        self.wait_for_pin(False)
        desktop.key("space")
        self.wait_for_pin(True)
        self.tavrino.click_control(PIN_BOX)
        self.wait_for_pin(False)
        self.assertEqual(self.tavrino.outer_geometry(), geometry)
        self.assertEqual(self.tavrino.focused(), PIN_BOX)

    def test_a_pinned_window_stays_above_an_activated_program(self):
        self.tavrino.click_control(PIN_BOX)
        self.wait_for_pin(True)
        other = self.start_other_program()
        stacking = desktop.stacking()
        self.assertGreater(stacking.index(self.tavrino.window), stacking.index(other))
        # Unpinned, the window stays where it is and the next activation may cover it.
        desktop.run(["xdotool", "windowactivate", "--sync", str(self.tavrino.window)])
        geometry = self.tavrino.outer_geometry()
        self.tavrino.click_control(PIN_BOX)
        self.wait_for_pin(False)
        self.assertEqual(self.tavrino.outer_geometry(), geometry)
        desktop.run(["xdotool", "windowactivate", "--sync", str(other)])
        wait_for(lambda: desktop.stacking().index(other) >
                 desktop.stacking().index(self.tavrino.window), message="the other window on top")

    def test_minimise_and_restore_keep_the_pin(self):
        self.tavrino.click_control(PIN_BOX)
        self.wait_for_pin(True)
        desktop.run(["xdotool", "windowminimize", "--sync", str(self.tavrino.window)])
        desktop.run(["xdotool", "windowactivate", "--sync", str(self.tavrino.window)])
        time.sleep(0.2)
        self.wait_for_pin(True)


if __name__ == "__main__":
    unittest.main()
