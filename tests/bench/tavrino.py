"""The program under test on a private desktop, read through AT-SPI and the window manager."""

import json
import os
import subprocess
import sys
import tempfile

from bench.desktop import wait_for

BUILD_DIR = os.environ.get("TAVRINO_BUILD_DIR", os.path.join(os.path.dirname(__file__), "../../build"))

PIN_BOX = "选择框1"
ADDRESS_LABEL = "透明标签1"
ADDRESS_BOX = "编辑框1"
PLAYER_VIEW = "超文本浏览框1"
CONTROLS = (PIN_BOX, ADDRESS_LABEL, ADDRESS_BOX, PLAYER_VIEW)

_atspi = None


def atspi():
    """pyatspi, bound to the desktop's session bus (it reads the address on first import)."""
    global _atspi
    if _atspi is None:
        import pyatspi
        _atspi = pyatspi
    return _atspi


def executable(name):
    return os.path.join(BUILD_DIR, "tests", name)


class Tavrino:
    def __init__(self, desktop, program="tavrino-under-test", env=None, wrapper=()):
        """`env` overrides the desktop's environment; `wrapper` is a command that execs the
        program given as its last argument."""
        self.desktop = desktop
        self.program = program
        self.env = dict(desktop.env, **(env or {}))
        self.wrapper = list(wrapper)
        self.process = None
        self.window = None
        self._app = None
        self._controls = {}

    def __enter__(self):
        os.environ.update({k: self.desktop.env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")})
        self.stderr = tempfile.TemporaryFile(mode="w+")
        self.process = self.desktop.processes.start(
            self.wrapper + [executable(self.program)], env=self.env, stdin=subprocess.PIPE,
            stdout=subprocess.PIPE, stderr=self.stderr, text=True)
        self.window = wait_for(self._find_window, timeout=20, message="the main window")
        if self.program == "tavrino-under-test":
            self.wait_for_focus(PLAYER_VIEW, timeout=10)
        return self

    def __exit__(self, exc_type, exc, traceback):
        if self.process.poll() is None:
            self.process.kill()
        self.process.wait()
        if exc_type is not None:
            # What the program said is the first clue to a failed test.
            sys.stderr.write(f"--- tavrino's standard error ---\n{self.error_output()[-4000:]}\n")
        self.stderr.close()

    def error_output(self):
        self.stderr.seek(0)
        return self.stderr.read()

    def state(self):
        """The window as the program holds it (see tests/support/probe.cpp)."""
        self.process.stdin.write("state\n")
        self.process.stdin.flush()
        line = self.process.stdout.readline()
        if not line:
            raise AssertionError(f"tavrino is gone: {self.error_output()[-2000:]}")
        return json.loads(line)

    def _find_window(self):
        if self.process.poll() is not None:
            raise AssertionError(f"tavrino exited with {self.process.returncode}: "
                                 f"{self.error_output()[-2000:]}")
        out = self.desktop.run(["xdotool", "search", "--onlyvisible", "--pid",
                                str(self.process.pid)], check=False).split()
        return int(out[0]) if out else None

    # Accessibility.

    def application(self):
        if self._app is None:
            def find():
                desktop = atspi().Registry.getDesktop(0)
                for app in desktop:
                    if app is not None and app.get_process_id() == self.process.pid:
                        return app
                return None
            self._app = wait_for(find, timeout=10, message="the accessible application")
        return self._app

    def control(self, name):
        if name not in self._controls:
            def find():
                return atspi().utils.findDescendant(
                    self.application(), lambda a: a.get_accessible_id() == name)
            self._controls[name] = wait_for(find, timeout=10, message=f"accessible {name}")
        return self._controls[name]

    def states(self, name):
        return self.control(name).getState()

    def accessible_extents(self, name):
        """Left, top, width, height relative to the client area, as AT-SPI reports them."""
        extents = self.control(name).queryComponent().getExtents(atspi().WINDOW_COORDS)
        return (extents.x, extents.y, extents.width, extents.height)

    # The program's own view of its window.

    def focused(self):
        return self.state()["focus"]

    def geometry(self, name):
        """Left, top, width, height relative to the client area."""
        return tuple(self.state()["controls"][name])

    def box_text(self):
        return self.state()["box"]

    # The window.

    def outer_geometry(self):
        return self.desktop.outer_geometry(self.window)

    def client_to_screen(self, x, y):
        cx, cy, _, _ = self.desktop.client_geometry(self.window)
        return cx + x, cy + y

    def placed_geometry(self, name):
        """The control's geometry once GTK has put it there: GTK moves controls at its next
        frame, and a click that comes before is aimed by the old places."""
        def placed():
            state = self.state()
            written = tuple(state["controls"][name])
            if not written[2] or not written[3] or state["fullscreen"]:
                return written  # hidden, or a page fills the screen: nothing in place to wait for
            on_screen = (tuple(state["player_allocation"]) if name == PLAYER_VIEW
                         else self.accessible_extents(name))
            return written if on_screen == written else None
        return wait_for(placed, message=f"{name} in its place")

    def click_control(self, name, dx=None, dy=None):
        left, top, width, height = self.placed_geometry(name)
        x, y = self.client_to_screen(left + (width // 2 if dx is None else dx),
                                     top + (height // 2 if dy is None else dy))
        self.desktop.click(x, y)

    def wait_for_focus(self, name, timeout=10):
        return wait_for(lambda: self.focused() == name, timeout=timeout,
                        message=f"focus on {name} (now {self.focused()})")

    def wait_for_exit(self, timeout=10):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError("tavrino did not exit")
