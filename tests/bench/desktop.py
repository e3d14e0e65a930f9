"""A private X desktop for window tests: Xvfb, openbox, a session bus with AT-SPI."""

import atexit
import os
import signal
import subprocess
import time


class Processes:
    """Every process a fixture starts, stopped in reverse order at the end."""

    def __init__(self):
        self._started = []

    def start(self, argv, env=None, **kwargs):
        process = subprocess.Popen(argv, env=env, **kwargs)
        self._started.append(process)
        return process

    def stop_all(self):
        for process in reversed(self._started):
            if process.poll() is None:
                process.send_signal(signal.SIGTERM)
        deadline = time.monotonic() + 5
        for process in reversed(self._started):
            try:
                process.wait(max(0.1, deadline - time.monotonic()))
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self._started.clear()


def wait_for(predicate, timeout=20.0, interval=0.05, message="condition"):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {message}")
        time.sleep(interval)


class Desktop:
    """Xvfb with openbox and a session bus; `env` is the environment for programs on it."""

    def __init__(self, width=1280, height=1024):
        self.width, self.height = width, height
        self.processes = Processes()
        self.env = None

    def __enter__(self):
        try:
            self._start()
        except BaseException:
            self.processes.stop_all()
            raise
        return self

    def __exit__(self, *exc):
        self.processes.stop_all()

    def _start(self):
        read_end, write_end = os.pipe()
        self.processes.start(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0",
             f"{self.width}x{self.height}x24", "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        env = dict(os.environ)
        env["DISPLAY"] = f":{number}"
        env.pop("WAYLAND_DISPLAY", None)
        env["GDK_BACKEND"] = "x11"
        env["NO_AT_BRIDGE"] = "0"
        bus = subprocess.run(
            ["dbus-daemon", "--session", "--fork", "--print-address=1", "--print-pid=1"],
            env=env, check=True, capture_output=True, text=True).stdout.split()
        env["DBUS_SESSION_BUS_ADDRESS"] = bus[0]
        self._bus_pid = int(bus[1])
        self.env = env
        self.processes.start(["openbox", "--sm-disable"], env=env,
                             stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: self._net_supported(), message="openbox")

    def _net_supported(self):
        out = self.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], check=False)
        return "window id" in out

    def run(self, argv, check=True, input=None):
        result = subprocess.run(argv, env=self.env, capture_output=True, text=True,
                                input=input, check=False)
        if check and result.returncode != 0:
            raise RuntimeError(f"{argv} failed: {result.stderr}")
        return result.stdout

    def start(self, argv, **kwargs):
        return self.processes.start(argv, env=self.env, **kwargs)

    def screenshot(self, path):
        self.run(["import", "-window", "root", path])

    def pixel(self, x, y):
        """The colour on screen at x, y as an "#rrggbb" string."""
        out = self.run(["import", "-window", "root", "-crop", f"1x1+{x}+{y}", "-depth", "8",
                        "txt:-"])
        return out.splitlines()[-1].split()[2][:7].lower()

    def windows_named(self, name):
        out = self.run(["xdotool", "search", "--onlyvisible", "--name", name], check=False)
        return [int(w) for w in out.split()]

    # Window manager state of a top-level window.

    def property(self, window, name):
        return self.run(["xprop", "-id", str(window), name], check=False)

    def frame_extents(self, window):
        out = self.property(window, "_NET_FRAME_EXTENTS")
        if "=" not in out:
            return (0, 0, 0, 0)
        return tuple(int(v) for v in out.split("=", 1)[1].split(","))

    def client_geometry(self, window):
        """Client area: absolute x, y, width, height."""
        out = self.run(["xwininfo", "-id", str(window)])
        values = {}
        for line in out.splitlines():
            line = line.strip()
            for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"):
                if line.startswith(key + ":"):
                    values[key] = int(line.split(":")[1])
        return (values["Absolute upper-left X"], values["Absolute upper-left Y"],
                values["Width"], values["Height"])

    def outer_geometry(self, window):
        """Outer rectangle, frame and title bar included: x, y, width, height."""
        x, y, w, h = self.client_geometry(window)
        left, right, top, bottom = self.frame_extents(window)
        return (x - left, y - top, w + left + right, h + top + bottom)

    def active_window(self):
        out = self.run(["xdotool", "getactivewindow"], check=False).strip()
        return int(out) if out else None

    def stacking(self):
        out = self.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"])
        return [int(v, 16) for v in out.split("#", 1)[1].split(",")] if "#" in out else []

    def key(self, *keys):
        """Real key presses, delivered to whatever has the keyboard focus."""
        self.run(["xdotool", "key", "--clearmodifiers"] + list(keys))

    def type(self, text, delay_ms=12):
        self.run(["xdotool", "type", "--delay", str(delay_ms), text])

    def click(self, x, y, button=1):
        # No --sync: it waits for a motion that never comes when the pointer is already there.
        self.run(["xdotool", "mousemove", str(x), str(y), "click", str(button)])


_shared = None


def shared_desktop():
    """One desktop for the whole test process, stopped when the process ends."""
    global _shared
    if _shared is None:
        _shared = Desktop().__enter__()
        atexit.register(_shared.__exit__, None, None, None)
    return _shared
