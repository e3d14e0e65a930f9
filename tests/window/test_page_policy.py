"""The player view against pages that misbehave on purpose: fullscreen, popups, downloads,
permissions, storage, the sandbox, a dying web process and a service that goes away."""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

from bench.desktop import shared_desktop, wait_for
from bench.service import PREFIX, StandInService
from bench.tavrino import ADDRESS_BOX, PIN_BOX, PLAYER_VIEW, Tavrino

desktop = None

# Caches that system libraries keep in any home; none of them holds what a page stored.
SYSTEM_CACHES = (".cache/fontconfig", ".cache/gstreamer-1.0", ".cache/mesa_shader_cache")

FULLSCREEN_PAGE = """<!doctype html><html><body style="margin:0">
<div id="player" style="width:100vw;height:100vh;background:#c03030"></div>
<script>
const player = document.getElementById('player');
player.addEventListener('click', () => {
  if (document.fullscreenElement) document.exitFullscreen(); else player.requestFullscreen();
});
document.addEventListener('fullscreenchange', () =>
    fetch('/report/fullscreen?on=' + (document.fullscreenElement ? 1 : 0)));
fetch('/report/ready');
</script></body></html>"""

POPUP_PAGE = """<!doctype html><html><body style="margin:0">
<a id="link" href="/popup/link" target="_blank"
   style="display:block;width:100vw;height:100vh">open</a>
<script>
fetch('/report/unasked?opened=' + (window.open('/popup/unasked') !== null));
document.getElementById('link').addEventListener('click', () => {
  fetch('/report/clicked?opened=' + (window.open('/popup/clicked', '_blank') !== null));
});
fetch('/report/ready');
</script></body></html>"""

PERMISSIONS_PAGE = """<!doctype html><html><body style="margin:0">
<div id="all" style="width:100vw;height:100vh">ask</div>
<script>
const report = (what, outcome) => fetch('/report/' + what + '?' + encodeURIComponent(outcome));
const ask = (what, request) => {
  try {
    Promise.resolve(request()).then(() => report(what, 'granted'),
                                    e => report(what, 'refused ' + (e && e.name)));
  } catch (e) {
    report(what, 'refused ' + e.name);
  }
};
ask('geolocation', () => new Promise((granted, refused) =>
    navigator.geolocation.getCurrentPosition(granted, e => refused({name: 'code' + e.code}))));
ask('notification', () => Notification.requestPermission().then(
    p => p === 'granted' ? p : Promise.reject({name: p})));
ask('camera', () => navigator.mediaDevices.getUserMedia({video: true, audio: true}));
document.getElementById('all').addEventListener('click', () => {
  ask('screen', () => navigator.mediaDevices.getDisplayMedia({video: true}));
  ask('clipboard', () => navigator.clipboard.writeText('written by the page'));
  const range = document.createRange();
  range.selectNodeContents(document.getElementById('all'));
  getSelection().removeAllRanges();
  getSelection().addRange(range);
  ask('copy', () => document.execCommand('copy') ? 'copied' : Promise.reject({name: 'no'}));
});
fetch('/report/ready');
</script></body></html>"""

STORAGE_PAGE = """<!doctype html><html><body><script>
const before = 'cookie=' + document.cookie + '&local=' + localStorage.getItem('kept');
document.cookie = 'script=1; max-age=86400';
localStorage.setItem('kept', 'yes');
const db = indexedDB.open('kept', 1);
db.onupgradeneeded = () => db.result.createObjectStore('things');
db.onsuccess = () => fetch('/cookie').then(() => fetch('/report/stored?' + before));
</script></body></html>"""


def setUpModule():
    global desktop
    desktop = shared_desktop()


def serve(service, page, headers=None):
    """Makes `page` the service's player page."""
    service.pages["/webcloud/"] = ("text/html; charset=utf-8", page.encode(), headers or {})


def open_page(service, tavrino):
    """Navigates by a focus gain of the address box, then puts the focus into the page."""
    service.clear()
    tavrino.click_control(ADDRESS_BOX)
    tavrino.wait_for_focus(ADDRESS_BOX)
    wait_for(lambda: service.reports("ready"), message="the page")
    desktop.key("shift+Tab")
    tavrino.wait_for_focus(PLAYER_VIEW)


def click_page(tavrino):
    tavrino.click_control(PLAYER_VIEW, dx=300, dy=300)


def windows_of(tavrino):
    return desktop.run(["xdotool", "search", "--onlyvisible", "--pid", str(tavrino.process.pid)],
                       check=False).split()


def shown_text(tavrino):
    """Every text of the window as accessibility tools read it, the page's included."""
    texts = []

    def collect(accessible, depth):
        if accessible is None or depth > 30:
            return
        try:
            texts.append(accessible.queryText().getText(0, -1))
        except NotImplementedError:
            pass
        for child in accessible:
            collect(child, depth + 1)

    collect(tavrino.application(), 0)
    return "\n".join(texts)


def report_values(service, name):
    return [r.query for r in service.reports(name)]


def files_under(home):
    found = []
    for root, _, names in os.walk(home):
        for name in names:
            path = os.path.relpath(os.path.join(root, name), home)
            if not path.startswith(SYSTEM_CACHES):
                found.append(path)
    return sorted(found)


def processes():
    found = []
    for entry in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{entry}/cmdline", "rb") as cmdline:
                argv = cmdline.read().split(b"\0")
        except (FileNotFoundError, ProcessLookupError, NotADirectoryError, PermissionError):
            continue
        found.append((int(entry), argv))
    return found


def web_processes():
    return [pid for pid, argv in processes() if argv[0].endswith(b"/WebKitWebProcess")]


def kill_page():
    for pid in web_processes():
        os.kill(pid, 9)


class TemporaryHome:
    def __enter__(self):
        self.path = tempfile.mkdtemp(prefix="home.")
        return self.path

    def __exit__(self, *exc):
        shutil.rmtree(self.path, ignore_errors=True)


class Fullscreen(unittest.TestCase):
    def test_page_fullscreen_fills_the_screen_and_leaving_gives_the_window_back(self):
        with StandInService() as service, Tavrino(desktop) as tavrino:
            serve(service, FULLSCREEN_PAGE)
            desktop.run(["xdotool", "windowsize", "--sync", str(tavrino.window), "700", "560"])
            desktop.run(["xdotool", "windowmove", "--sync", str(tavrino.window), "90", "70"])
            tavrino.click_control(PIN_BOX)
            wait_for(lambda: "ABOVE" in desktop.property(tavrino.window, "_NET_WM_STATE"),
                     message="the pin")
            open_page(service, tavrino)
            before_outer = tavrino.outer_geometry()
            before = tavrino.state()
            # Left by the key, by the page's own button and by the death of the page's process.
            for leave in (lambda: desktop.key("Escape"), lambda: click_page(tavrino), kill_page):
                service.clear()
                click_page(tavrino)
                wait_for(lambda: tavrino.state()["fullscreen"], message="fullscreen")
                self.assertIn("_NET_WM_STATE_FULLSCREEN",
                              desktop.property(tavrino.window, "_NET_WM_STATE"))
                screen = [0, 0, desktop.width, desktop.height]
                wait_for(lambda: tavrino.state()["player_allocation"] == screen,
                         message="the player view filling the screen")
                self.assertEqual(report_values(service, "fullscreen"), ["on=1"])
                for corner in ((2, 2), (desktop.width - 3, desktop.height - 3)):
                    self.assertEqual(desktop.pixel(*corner), "#c03030")

                leave()
                wait_for(lambda: not tavrino.state()["fullscreen"], message="leaving fullscreen")
                wait_for(lambda: tavrino.outer_geometry() == before_outer,
                         message=f"the window as before (now {tavrino.outer_geometry()})")
                self.assertIsNone(tavrino.process.poll())
                wait_for(lambda: tavrino.state()["controls"] == before["controls"],
                         message=f"the layout as before (now {tavrino.state()['controls']})")
                after = tavrino.state()
                self.assertEqual(after["player_allocation"], before["player_allocation"])
                self.assertEqual(after["focus"], PLAYER_VIEW)
                self.assertTrue(after["pin"])
                self.assertIn("_NET_WM_STATE_ABOVE",
                              desktop.property(tavrino.window, "_NET_WM_STATE"))
            desktop.key("Escape")
            self.assertEqual(tavrino.wait_for_exit(), 0)


class Popups(unittest.TestCase):
    def test_no_window_opens_and_no_popup_address_loads(self):
        with StandInService() as service, Tavrino(desktop) as tavrino:
            serve(service, POPUP_PAGE)
            open_page(service, tavrino)
            uri = tavrino.state()["uri"]
            click_page(tavrino)
            wait_for(lambda: service.reports("clicked"), message="the click")
            time.sleep(1)
            self.assertEqual([r.path for r in service.requests if r.route.startswith("/popup/")],
                             [])
            self.assertEqual(report_values(service, "clicked"), ["opened=false"])
            self.assertEqual(tavrino.state()["uri"], uri)
            self.assertEqual(windows_of(tavrino), [str(tavrino.window)])


class Downloads(unittest.TestCase):
    def test_nothing_reaches_the_disk_and_the_page_stays(self):
        served = {
            "/files/attached.bin": ("application/octet-stream",
                                    {"Content-Disposition": 'attachment; filename="a.bin"'}),
            "/files/attached.txt": ("text/plain",
                                    {"Content-Disposition": 'attachment; filename="a.txt"'}),
            "/files/unshowable.bin": ("application/x-tavrino-unknown", {}),
            "/files/linked.txt": ("text/plain", {}),
        }
        # What the page does, and whether the file's request must reach the service: a cancelled
        # download may stop before its request is sent.
        cases = [
            ("location = '/files/attached.bin'", True),
            ("location = '/files/attached.txt'", True),
            ("location = '/files/unshowable.bin'", True),
            ("const a = document.createElement('a'); a.href = '/files/linked.txt';"
             "a.download = 'linked.txt'; document.body.append(a); a.click()", False),
        ]
        with (TemporaryHome() as home, StandInService() as service,
              Tavrino(desktop, env={"HOME": home}) as tavrino):
            for route, (content_type, headers) in served.items():
                service.pages[route] = (content_type, b"downloaded\n", headers)
            tavrino.click_control(ADDRESS_BOX)
            tavrino.wait_for_focus(ADDRESS_BOX)
            for text, (action, requested) in zip("abcd", cases):
                with self.subTest(action=action):
                    # Reported again and again: under load, a report sent while the refused
                    # file's load is being stopped can be lost with it.
                    serve(service, "<body><script>setTimeout(() => setInterval("
                                   "() => fetch('/report/settled'), 300), 800);"
                                   f"{action}</script></body>")
                    service.clear()
                    desktop.type(text)
                    wait_for(lambda: service.reports("settled"), message="the page, still there")
                    if requested:
                        self.assertTrue([r for r in service.requests
                                         if r.route.startswith("/files/")])
                    self.assertTrue(tavrino.state()["uri"].endswith(text))
            self.assertEqual(files_under(home), [])
            self.assertIsNone(tavrino.process.poll())


class Permissions(unittest.TestCase):
    def test_every_request_is_refused_without_a_question(self):
        owner = desktop.start(["xclip", "-selection", "clipboard", "-quiet"],
                              stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL, text=True)
        owner.stdin.write("the user's text")
        owner.stdin.close()
        self.addCleanup(owner.terminate)
        with StandInService() as service, Tavrino(desktop) as tavrino:
            serve(service, PERMISSIONS_PAGE)
            open_page(service, tavrino)
            click_page(tavrino)
            asked = ("geolocation", "notification", "camera", "screen", "clipboard", "copy")
            wait_for(lambda: all(service.reports(name) for name in asked), timeout=15,
                     message=f"every answer (have {[r.route for r in service.requests]})")
            for name in asked:
                with self.subTest(name):
                    self.assertTrue(report_values(service, name)[0].startswith("refused"),
                                    report_values(service, name))
            self.assertEqual(desktop.run(["xclip", "-selection", "clipboard", "-o"]),
                             "the user's text")
            self.assertEqual(windows_of(tavrino), [str(tavrino.window)])


class NothingPersisted(unittest.TestCase):
    def test_cookies_and_storage_end_with_the_run_and_leave_no_file(self):
        with TemporaryHome() as home, StandInService() as service:
            serve(service, STORAGE_PAGE)
            service.pages["/cookie"] = ("text/plain", b"", {"Set-Cookie": "header=1; Max-Age=86400"})
            for run in range(2):
                with Tavrino(desktop, env={"HOME": home}) as tavrino:
                    service.clear()
                    tavrino.click_control(ADDRESS_BOX)
                    wait_for(lambda: service.reports("stored"), message="the page's storage")
                    # Each run starts with nothing the previous one stored.
                    self.assertEqual(report_values(service, "stored"), ["cookie=&local=null"])
                    desktop.key("Escape")
                    self.assertEqual(tavrino.wait_for_exit(), 0)
                self.assertEqual(files_under(home), [])


class Sandbox(unittest.TestCase):
    def test_the_web_process_runs_in_bubblewrap(self):
        with StandInService() as service, Tavrino(desktop) as tavrino:
            serve(service, "<script>fetch('/report/ready')</script>")
            open_page(service, tavrino)
            wrapped = [argv for _, argv in processes()
                       if argv[0].endswith(b"/bwrap") and b"--" in argv
                       and argv[argv.index(b"--") + 1].endswith(b"/WebKitWebProcess")]
            self.assertTrue(wrapped, processes())
            for pid in web_processes():
                self.assertNotEqual(os.readlink(f"/proc/{pid}/ns/pid"), os.readlink("/proc/self/ns/pid"))
            self.assertNotIn("sandbox", tavrino.error_output())

    def test_without_bubblewrap_pages_still_show_and_it_is_said_once(self):
        broken = ["unshare", "--mount", "sh", "-c",
                  'mount --bind /bin/false /usr/bin/bwrap && exec "$0"']
        with StandInService() as service, Tavrino(desktop, wrapper=broken) as tavrino:
            serve(service, "<script>fetch('/report/ready')</script>")
            open_page(service, tavrino)
            service.clear()
            tavrino.click_control(ADDRESS_BOX)
            wait_for(lambda: service.reports("ready"), message="the page again")
            lines = [l for l in tavrino.error_output().splitlines() if "sandbox" in l]
            self.assertEqual(lines, ["tavrino: the web sandbox (bubblewrap) cannot start here; "
                                     "pages run without it"])


class Recovery(unittest.TestCase):
    def test_after_the_web_process_dies_the_next_navigation_works(self):
        with StandInService() as service, Tavrino(desktop) as tavrino:
            serve(service, "<body style='background:#3060c0'><script>fetch('/report/ready')"
                           "</script></body>")
            tavrino.click_control(ADDRESS_BOX)
            wait_for(lambda: service.reports("ready"), message="the page")
            # Typing, then a focus gain of the box.
            for navigate in (lambda: desktop.type("y"),
                             lambda: (tavrino.click_control(PIN_BOX),
                                      tavrino.click_control(ADDRESS_BOX))):
                kill_page()
                wait_for(lambda: tavrino.state()["uri"] == "about:blank", message="a blank view")
                x, y = tavrino.client_to_screen(400, 300)
                wait_for(lambda: desktop.pixel(x, y) == "#ffffff", message="the blank page")
                service.clear()
                navigate()
                wait_for(lambda: service.reports("ready"), message="the page once more")
                wait_for(lambda: desktop.pixel(x, y) == "#3060c0", message="the page shown")

    def test_a_stopped_service_shows_an_error_and_works_again_once_back(self):
        page = "<script>fetch('/report/ready')</script>"
        service = StandInService().__enter__()
        try:
            serve(service, page)
            with Tavrino(desktop) as tavrino:
                tavrino.click_control(ADDRESS_BOX)
                wait_for(lambda: service.reports("ready"), message="the page")
                service.__exit__(None, None, None)
                service = None
                desktop.type("g")
                wait_for(lambda: "Connection refused" in shown_text(tavrino),
                         message="the engine's error page")
                service = StandInService().__enter__()
                serve(service, page)
                desktop.type("b")
                wait_for(lambda: service.reports("ready"), message="the page once back")
                self.assertTrue(service.player_requests()[-1].v.endswith("gb"))
        finally:
            if service:
                service.__exit__(None, None, None)


if __name__ == "__main__":
    unittest.main()
