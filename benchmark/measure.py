"""Measures Tavrino beside the floor and its peers, all in one run, and prints the table.

Run by benchmark/run inside tests/bench/isolated; each program has a private desktop of its own.
"""

import argparse
import ctypes
import datetime
import glob
import json
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from contextlib import ExitStack

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
from bench.clipboard import Clipboard  # noqa: E402
from bench.desktop import Desktop, wait_for  # noqa: E402
from bench.service import PREFIX, StandInService  # noqa: E402

BLANK_PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>blank</title></head><body><script>
addEventListener('load', () => fetch('/report/loaded?' + location.search.slice(1)));
</script></body></html>
"""

CLIP_PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>clip</title></head>
<body style="margin:0;background:#000">
<video id="clip" src="/bench/clip.mp4" autoplay muted loop playsinline style="width:100%"></video>
<script>
const clip = document.getElementById('clip');
let told = false;
clip.addEventListener('timeupdate', () => {
  if (!told && clip.currentTime > 0.5) {
    told = true;
    fetch('/report/played?' + location.search.slice(1));
  }
});
clip.addEventListener('error', () => fetch('/report/clip-error?' + location.search.slice(1)));
</script></body></html>
"""

IDLE_SECONDS = 10
PLAY_SECONDS = 5
SETTLE_SECONDS = 2
LATE_SECONDS = 1  # about when a user who has just seen the window can click into it
TICKS = os.sysconf("SC_CLK_TCK")
PAGE_KIB = os.sysconf("SC_PAGE_SIZE") // 1024


class BenchService(StandInService):
    """The stand-in, answering a blank page or the clip's page by the player address's value."""

    def _answer(self, handler, request):
        if request.route != "/webcloud/":
            return super()._answer(handler, request)
        page = CLIP_PAGE if (request.v or "").startswith("clip") else BLANK_PAGE
        body = page.encode()
        try:
            handler.send_response(200)
            handler.send_header("Content-Type", "text/html; charset=utf-8")
            handler.send_header("Content-Length", str(len(body)))
            handler.send_header("Cache-Control", "no-store")
            handler.end_headers()
            handler.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError):
            pass

    def arrival(self, route, v, timeout=30.0):
        """The time the first request for route with "v=" value v arrived."""
        def find():
            for request in list(self.requests):
                if request.route == route and request.query == f"v={v}":
                    return request.time
            errors = [r for r in list(self.requests)
                      if r.route == "/report/clip-error" and r.query == f"v={v}"]
            if errors:
                raise RuntimeError(f"the clip failed to play for {v}")
            return None
        return wait_for(find, timeout=timeout, interval=0.002, message=f"{route}?v={v}")


class Pointer:
    """Real pointer moves and clicks through XTest, without a helper process in the timing."""

    def __init__(self, display_name):
        self._x11 = ctypes.CDLL("libX11.so.6")
        self._xtst = ctypes.CDLL("libXtst.so.6")
        self._x11.XOpenDisplay.restype = ctypes.c_void_p
        self._display = ctypes.c_void_p(self._x11.XOpenDisplay(display_name.encode()))
        if not self._display:
            raise RuntimeError(f"cannot open display {display_name}")

    def move(self, x, y):
        self._xtst.XTestFakeMotionEvent(self._display, -1, x, y, 0)
        self._x11.XSync(self._display, 0)

    def click(self):
        self._xtst.XTestFakeButtonEvent(self._display, 1, 1, 0)
        self._xtst.XTestFakeButtonEvent(self._display, 1, 0, 0)
        self._x11.XFlush(self._display)

    def close(self):
        self._x11.XCloseDisplay(self._display)


# The process tree, read from /proc.

def process_tree(root):
    children = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                ppid = int(stat.read().rsplit(")", 1)[1].split()[1])
        except (OSError, IndexError, ValueError):
            continue
        children.setdefault(ppid, []).append(int(entry))
    tree, pending = [], [root]
    while pending:
        pid = pending.pop()
        tree.append(pid)
        pending.extend(children.get(pid, []))
    return tree


def tree_memory(root):
    """RSS and USS (private clean + dirty) of the whole tree, in MiB."""
    rss = uss = 0
    for pid in process_tree(root):
        try:
            with open(f"/proc/{pid}/smaps_rollup") as rollup:
                for line in rollup:
                    key, _, rest = line.partition(":")
                    if key == "Rss":
                        rss += int(rest.split()[0])
                    elif key in ("Private_Clean", "Private_Dirty"):
                        uss += int(rest.split()[0])
        except OSError:
            continue
    return rss / 1024, uss / 1024


def tree_cpu_ticks(root):
    ticks = {}
    for pid in process_tree(root):
        try:
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            ticks[pid] = int(fields[11]) + int(fields[12])
        except (OSError, IndexError, ValueError):
            continue
    return ticks


def cpu_share(roots, seconds):
    """Each tree's CPU time over the window as a share of one core, all measured together."""
    before = {root: tree_cpu_ticks(root) for root in roots}
    start = time.monotonic()
    time.sleep(seconds)
    after = {root: tree_cpu_ticks(root) for root in roots}
    elapsed = time.monotonic() - start
    return {root: sum(t - before[root].get(pid, 0) for pid, t in after[root].items())
            / TICKS / elapsed for root in roots}


# The programs.

class Program:
    """One program on its own desktop: started, navigated and stopped once per round."""

    name = ""
    navigation_at_start = True  # its first navigation starts with the process

    def __init__(self, desktop):
        self.desktop = desktop
        self.process = None

    def argv(self, address):
        raise NotImplementedError

    def environment(self):
        return self.desktop.env

    talks = True  # answers on standard output
    starts_blank = False  # can start without an address and be navigated later

    def navigate_first(self, tag):
        """The first navigation of a program started blank; returns when it started."""
        return self.navigate(tag)

    def launch(self, address):
        self.process = subprocess.Popen(
            self.argv(address), env=self.environment(), stdin=subprocess.PIPE,
            stdout=subprocess.PIPE if self.talks else subprocess.DEVNULL,
            stderr=subprocess.DEVNULL, text=True)

    def first_navigation(self, started, tag):
        """Starts the first navigation if the program has not; returns when it started."""
        return started

    def navigate(self, tag):
        """Starts a navigation to the player address for tag; returns when it started."""
        self.process.stdin.write(PREFIX + tag + "\n")
        self.process.stdin.flush()
        return self.navigation_time()

    def navigation_time(self):
        line = self.process.stdout.readline()
        if not line.startswith("navigate "):
            raise RuntimeError(f"{self.name}: unexpected output {line!r}")
        return float(line.split()[1])

    def stop(self):
        if self.process and self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()
        self.process = None


class Floor(Program):
    def __init__(self, desktop, build, never):
        super().__init__(desktop)
        self.executable = os.path.join(build, "benchmark", "floor")
        self.never = never
        self.name = "floor (never)" if never else "floor"

    starts_blank = True

    def argv(self, address):
        flags = ["--never"] if self.never else []
        return [self.executable] + flags + ([address] if address else [])

    def first_navigation(self, started, tag):
        return self.navigation_time()


class QtPeer(Program):
    name = "Qt WebEngine"

    def __init__(self, desktop, build, gpu):
        super().__init__(desktop)
        self.executable = os.path.join(build, "benchmark", "qt_peer")
        self.gpu = gpu

    def argv(self, address):
        return [self.executable, address]

    def environment(self):
        env = dict(self.desktop.env, QT_QPA_PLATFORM="xcb")
        if not self.gpu:
            env.update(QT_QUICK_BACKEND="software", QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu")
        if os.geteuid() == 0:
            env["QTWEBENGINE_DISABLE_SANDBOX"] = "1"
        return env

    def first_navigation(self, started, tag):
        return self.navigation_time()


class Chromium(Program):
    name = "chromium --app"
    talks = False

    def __init__(self, desktop, gpu):
        super().__init__(desktop)
        self.gpu = gpu
        self.profile = None

    def argv(self, address):
        self.profile = tempfile.mkdtemp(prefix="chromium-profile.")
        flags = ["--no-first-run", "--disable-background-networking", "--disable-component-update",
                 "--disable-sync", "--password-store=basic", "--window-size=810,694",
                 f"--user-data-dir={self.profile}",
                 # Chromium reads no system CA bundle, so it cannot know the test CA.
                 "--ignore-certificate-errors"]
        if os.geteuid() == 0:
            flags.append("--no-sandbox")
        if not self.gpu:
            flags.append("--disable-gpu")
        return ["chromium", f"--app={address}"] + flags

    def navigate(self, tag):
        # No outside way to navigate an app window: the clip's page gets a fresh browser.
        self.stop()
        self.launch(PREFIX + tag)
        return time.monotonic()

    def stop(self):
        super().stop()
        if self.profile:
            shutil.rmtree(self.profile, ignore_errors=True)
            self.profile = None


class Tavrino(Program):
    name = "Tavrino"
    navigation_at_start = False
    starts_blank = True

    ADDRESS_BOX = "编辑框1"
    PLAYER_VIEW = "超文本浏览框1"

    def __init__(self, desktop, executable):
        super().__init__(desktop)
        self.executable = executable
        self.pointer = Pointer(desktop.env["DISPLAY"])
        self.clipboard = Clipboard(desktop)
        self.window = None

    def argv(self, address):
        return [self.executable]

    def launch(self, address):
        self.window = None
        super().launch(address)

    def state(self):
        self.process.stdin.write("state\n")
        self.process.stdin.flush()
        return json.loads(self.process.stdout.readline())

    def screen_point(self, control, dx=None, dy=None):
        if self.window is None:
            self.window = wait_for(lambda: self.desktop.run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid)],
                check=False).split(), message="the main window")[0]
        left, top, width, height = self.state()["controls"][control]
        cx, cy, _, _ = self.desktop.client_geometry(self.window)
        return (cx + left + (width // 2 if dx is None else dx),
                cy + top + (height // 2 if dy is None else dy))

    def click_address_box(self, focus_first_on_player):
        if focus_first_on_player:
            self.pointer.move(*self.screen_point(self.PLAYER_VIEW, dy=300))
            self.pointer.click()
        wait_for(lambda: self.state()["focus"] == self.PLAYER_VIEW, message="focus on the view")
        self.pointer.move(*self.screen_point(self.ADDRESS_BOX))
        clicked = time.monotonic()
        self.pointer.click()
        return clicked

    def first_navigation(self, started, tag):
        return self.click_address_box(focus_first_on_player=False)

    def navigate(self, tag):
        self.clipboard.offer(tag)
        return self.click_address_box(focus_first_on_player=True)

    def navigate_first(self, tag):
        self.clipboard.offer(tag)
        return self.click_address_box(focus_first_on_player=False)

    def prepare(self, tag):
        self.clipboard.offer(tag)

    def stop(self):
        super().stop()
        self.clipboard.clear()


# One round: every program started alone, idle together, playing alone.

def launch_until_mapped(program, map_watch, address):
    """Starts the program; returns when it started and when its window mapped."""
    watch = subprocess.Popen([map_watch], env=program.desktop.env, stdout=subprocess.PIPE,
                             text=True)
    try:
        if watch.stdout.readline().strip() != "ready":
            raise RuntimeError("the map watch did not start")
        started = time.monotonic()
        program.launch(address)
        mapped = watch.stdout.readline().strip()
        if not mapped:
            raise RuntimeError(f"{program.name} mapped no window")
        return started, float(mapped)
    finally:
        if watch.poll() is None:
            watch.kill()
        watch.wait()


def start_up(program, service, map_watch, tag, record):
    if isinstance(program, Tavrino):
        program.prepare(tag)
    started, mapped = launch_until_mapped(program, map_watch, PREFIX + tag)
    record["mapped"].append(mapped - started)
    navigation = program.first_navigation(started, tag)
    record["pick_up"].append(service.arrival("/webcloud/", tag) - navigation)
    record["first_load"].append(service.arrival("/report/loaded", tag) - navigation)


def late_pick_up(program, service, map_watch, tag, record):
    """The first navigation a second after the window mapped, as a user would make it."""
    program.stop()
    launch_until_mapped(program, map_watch, None)
    time.sleep(LATE_SECONDS)
    navigation = program.navigate_first(tag)
    record["late_pick_up"].append(service.arrival("/webcloud/", tag) - navigation)


def play(program, service, tag, record):
    program.navigate(tag)
    service.arrival("/report/played", tag, timeout=60)
    time.sleep(1)
    record["play_cpu"].append(cpu_share([program.process.pid], PLAY_SECONDS)[program.process.pid])
    rss, uss = tree_memory(program.process.pid)
    record["play_rss"].append(rss)
    record["play_uss"].append(uss)


def run_round(number, programs, service, map_watch, results):
    order = programs[number % len(programs):] + programs[:number % len(programs)]
    try:
        for program in order:
            start_up(program, service, map_watch, f"blank-{number}-{id(program)}",
                     results[program.name])
        time.sleep(SETTLE_SECONDS)
        for program in order:
            rss, uss = tree_memory(program.process.pid)
            results[program.name]["idle_rss"].append(rss)
            results[program.name]["idle_uss"].append(uss)
        shares = cpu_share([p.process.pid for p in order], IDLE_SECONDS)
        for program in order:
            results[program.name]["idle_cpu"].append(shares[program.process.pid])
        for program in order:
            play(program, service, f"clip-{number}-{id(program)}", results[program.name])
        for program in order:
            if program.starts_blank:
                late_pick_up(program, service, map_watch, f"late-{number}-{id(program)}",
                             results[program.name])
    finally:
        for program in order:
            program.stop()


# The clip, the layout cost and the report.

def make_clip(directory):
    """Ten seconds of 720p H.264/AAC in MP4, or VP8/Vorbis in WebM without an H.264 encoder."""
    h264 = subprocess.run(["gst-inspect-1.0", "x264enc"], capture_output=True).returncode == 0
    path = os.path.join(directory, "clip.mp4" if h264 else "clip.webm")
    video = ("videotestsrc num-buffers=300 pattern=smpte horizontal-speed=4 ! "
             "video/x-raw,width=1280,height=720,framerate=30/1 ! ")
    audio = "audiotestsrc num-buffers=430 wave=sine ! audio/x-raw,rate=44100,channels=2 ! "
    if h264:
        pipeline = (video + "x264enc bitrate=2500 speed-preset=veryfast key-int-max=60 ! "
                    "video/x-h264,profile=high ! h264parse ! mux. " + audio +
                    "avenc_aac ! aacparse ! mux. mp4mux name=mux faststart=true ! ")
    else:
        pipeline = (video + "vp8enc target-bitrate=2500000 deadline=1 ! mux. " + audio +
                    "audioconvert ! vorbisenc ! mux. webmmux name=mux ! ")
    subprocess.run(["gst-launch-1.0", "-q", "-e"] + (pipeline + f"filesink location={path}").split(),
                   check=True, stdout=subprocess.DEVNULL)
    return path, "H.264/AAC in MP4" if h264 else "VP8/Vorbis in WebM"


def unmount_portal(runtime):
    doc = os.path.join(runtime, "doc")
    if os.path.ismount(doc):
        subprocess.run(["umount", "-l", doc], check=False)


def layout_cost(build, desktop):
    out = subprocess.run([os.path.join(build, "benchmark", "layout_cost")], env=desktop.env,
                         capture_output=True, text=True, check=True, timeout=120).stdout
    values = dict(line.split() for line in out.splitlines())
    return int(values["run_ns"]) / 1000, int(values["allocations_per_run"])


FIGURES = [  # key, label, unit, scale
    ("mapped", "Start-up: window mapped", "ms", 1000),
    ("first_load", "Start-up: first page loaded after the first navigation", "ms", 1000),
    ("pick_up", "Pick-up: focus (click) / load_uri to the request", "ms", 1000),
    ("late_pick_up", f"Pick-up, first navigation {LATE_SECONDS:g} s after the map", "ms", 1000),
    ("idle_rss", "Idle memory RSS (tree)", "MiB", 1),
    ("idle_uss", "Idle memory USS (tree)", "MiB", 1),
    ("play_rss", "Playing memory RSS (tree)", "MiB", 1),
    ("play_uss", "Playing memory USS (tree)", "MiB", 1),
    ("idle_cpu", f"Idle CPU over {IDLE_SECONDS} s", "% core", 100),
    ("play_cpu", f"Playback CPU over {PLAY_SECONDS} s", "% core", 100),
]


def median(results, name, key):
    values = results.get(name, {}).get(key)
    return statistics.median(values) if values else None


def table(programs, results):
    names = [p.name for p in programs]
    others = [n for n in names if n != "Tavrino"]
    header = ["Figure (median)", "unit"] + names + [f"Tavrino ÷ {n}" for n in others]
    rows = [header, ["---"] * len(header)]
    for key, label, unit, scale in FIGURES:
        row = [label, unit]
        mine = median(results, "Tavrino", key)
        for name in names:
            value = median(results, name, key)
            row.append("–" if value is None else f"{value * scale:.1f}")
        for name in others:
            value = median(results, name, key)
            row.append("–" if not value or mine is None else f"{mine / value:.2f}")
        rows.append(row)
    return "\n".join("| " + " | ".join(row) + " |" for row in rows)


def targets(programs, results, layout):
    def m(name, key):
        return median(results, name, key)

    peers = [p.name for p in programs if p.name in ("Qt WebEngine", "chromium --app")]
    lines = []

    def check(ok, text):
        lines.append(f"- [{'x' if ok else ' '}] {text}")

    for key, what in (("mapped", "window mapped"), ("first_load", "first page loaded")):
        ratio = m("Tavrino", key) / m("floor", key)
        ahead = all(m("Tavrino", key) < m(p, key) for p in peers)
        check(ratio <= 1.10 and ahead,
              f"Start-up ({what}) within 1.10 × the floor ({ratio:.2f}) and ahead of every peer "
              f"({'yes' if ahead else 'no'}; peers: {', '.join(peers) or 'none installed'})")
    ratio = m("Tavrino", "pick_up") / m("floor", "pick_up")
    check(ratio <= 1.10, f"Pick-up within 1.10 × the floor's load_uri to request ({ratio:.2f})")
    if peers:
        lightest = min(m(p, "idle_uss") for p in peers)
        check(m("Tavrino", "idle_uss") <= lightest,
              f"Idle USS at or below the lightest peer ({m('Tavrino', 'idle_uss'):.1f} vs "
              f"{lightest:.1f} MiB)")
    best = min(m("floor", "play_cpu"), m("floor (never)", "play_cpu"))
    check(m("Tavrino", "play_cpu") <= best,
          f"Playback CPU at or below the floor's best configuration "
          f"({100 * m('Tavrino', 'play_cpu'):.1f} vs {100 * best:.1f} % of a core)")
    # One clock tick over the window is the resolution of /proc/PID/stat.
    resolution = 1 / TICKS / IDLE_SECONDS
    beyond = m("Tavrino", "idle_cpu") - m("floor", "idle_cpu")
    check(beyond <= resolution,
          f"Idle CPU zero beyond the floor's ({100 * beyond:+.2f} % of a core; resolution "
          f"{100 * resolution:.1f} %)")
    run_us, allocations = layout
    check(allocations == 0,
          f"Zero allocations per layout run ({allocations}; {run_us:.1f} µs per run)")
    return "\n".join(lines)


def versions():
    def dpkg(package):
        out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package], capture_output=True,
                             text=True)
        return out.stdout.strip() or "not installed"

    def pkgconfig(module):
        return subprocess.run(["pkg-config", "--modversion", module], capture_output=True,
                              text=True).stdout.strip()

    cpu = "unknown"
    with open("/proc/cpuinfo") as info:
        for line in info:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    with open("/proc/meminfo") as info:
        memory = int(info.readline().split()[1]) // 1024
    with open("/etc/debian_version") as debian:
        release = debian.read().strip()
    return [
        f"Machine: {cpu}, {os.cpu_count()} cores, {memory} MiB RAM, "
        f"kernel {platform.release()}, Debian {release}",
        f"WebKitGTK {pkgconfig('webkit2gtk-4.1')}, GTK {pkgconfig('gtk+-3.0')}, "
        f"GStreamer {dpkg('libgstreamer1.0-0')}",
        f"Qt WebEngine {dpkg('libqt6webenginecore6')}, chromium {dpkg('chromium')}",
    ]


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", required=True)
    parser.add_argument("--runs", type=int, default=7)
    parser.add_argument("--results", required=True)
    parser.add_argument("--tavrino", help="another build of tavrino-under-test, to compare settings")
    args = parser.parse_args()

    began = time.monotonic()
    load_before = os.getloadavg()
    gpu = bool(glob.glob("/dev/dri/renderD*"))
    map_watch = os.path.join(args.build, "benchmark", "map_watch")
    with tempfile.TemporaryDirectory() as media, ExitStack() as stack:
        clip, clip_kind = make_clip(media)
        service = stack.enter_context(BenchService())
        with open(clip, "rb") as data:
            content_type = "video/mp4" if clip.endswith(".mp4") else "video/webm"
            service.pages["/bench/clip.mp4"] = (content_type, data.read(), {})

        def desktop():
            # A runtime directory per session bus: each bus may start a document portal, and
            # portals stacked on one mount point outlive the lazy unmount at the end.
            runtime = tempfile.mkdtemp(prefix="runtime.")
            os.environ["XDG_RUNTIME_DIR"] = runtime
            stack.callback(unmount_portal, runtime)
            return stack.enter_context(Desktop())

        tavrino = args.tavrino or os.path.join(args.build, "tests", "tavrino-under-test")
        programs = [Tavrino(desktop(), tavrino),
                    Floor(desktop(), args.build, never=False),
                    Floor(desktop(), args.build, never=True)]
        if os.path.exists(os.path.join(args.build, "benchmark", "qt_peer")):
            programs.append(QtPeer(desktop(), args.build, gpu))
        if shutil.which("chromium"):
            programs.append(Chromium(desktop(), gpu))
        stack.callback(lambda: [p.stop() for p in programs])
        results = {p.name: {} for p in programs}
        for record in results.values():
            for key, *_ in FIGURES:
                record[key] = []
        for number in range(args.runs):
            run_round(number, programs, service, map_watch, results)
            print(f"round {number + 1} of {args.runs} done after {time.monotonic() - began:.0f} s",
                  file=sys.stderr)
        layout = layout_cost(args.build, programs[0].desktop)

    load_after = os.getloadavg()
    now = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")
    missing = [n for n in ("Qt WebEngine", "chromium --app") if n not in results]
    report = "\n".join([
        "# Benchmark results",
        "",
        f"Run of {now} by `benchmark/run`, {args.runs} rounds, {time.monotonic() - began:.0f} s.",
        "",
        *[f"- {line}" for line in versions()],
        f"- GPU: {'a render node is present' if gpu else 'none (no DRM render node); Xvfb'}",
        f"- Load average before and after (1 min): {load_before[0]:.2f}, {load_after[0]:.2f}; "
        "the machine is shared with other work, so each round interleaves the programs "
        "(rotating their order) and every figure is a median.",
        f"- Clip: 10 s of 1280×720 at 30 frames/s, {clip_kind}, muted, looping, from the stand-in.",
        *([f"- Not installed, so not measured: {', '.join(missing)} "
           "(`benchmark/run --install-peers`)."] if missing else []),
        "",
        table(programs, results),
        "",
        f"Layout: {layout[0]:.1f} µs per `ArrangeControls` run (median of 2000), "
        f"{layout[1]} heap allocations per run (the most of any run).",
        "",
        "## Targets",
        "",
        targets(programs, results, layout),
        "",
        "## How each figure is taken",
        "",
        "- Window mapped: from the process start until the window manager maps its window "
        "(an X client watching the root window).",
        "- First page loaded: from the start of the first navigation until the blank page's "
        "load event reaches the stand-in. The floor and the Qt peer navigate at start and print "
        "when they call load; Tavrino navigates when its address box is clicked, from the click; "
        "chromium gets its address on the command line, so its figure runs from the process start.",
        "- Pick-up: Tavrino from a real click into the address box (another process owns the "
        "clipboard) until the stand-in receives the player request; the others from their load "
        "call (chromium: process start) until that request. All are a fresh process's first "
        "navigation.",
        f"- Pick-up {LATE_SECONDS:g} s after the map: the same, for a program started without an "
        f"address and navigated for the first time {LATE_SECONDS:g} s after its window mapped, "
        "about when a user could click; Tavrino and the floors (the peers cannot start blank).",
        "- Memory: the program and every process below it (web, network, GPU, zygote), RSS and "
        "USS (private clean + dirty) from /proc/PID/smaps_rollup; idle with the blank page "
        f"{SETTLE_SECONDS} s after the last start, and after {PLAY_SECONDS} s of playback.",
        f"- CPU: utime + stime of the tree from /proc/PID/stat; idle over {IDLE_SECONDS} s with all "
        f"programs idle together, playback over {PLAY_SECONDS} s from 1 s after the clip passed "
        "0.5 s, one program at a time. Chromium is restarted on the clip's page.",
        "",
    ])
    with open(args.results, "w") as out:
        out.write(report)
    print(report)


if __name__ == "__main__":
    main()
