"""The stand-in for the video-parsing service: HTTPS on 127.0.0.1:44300, logging every request."""

import http.server
import os
import socket
import ssl
import sys
import threading
import time
import urllib.parse

PORT = 44300
HOST = f"127.0.0.1:{PORT}"
PREFIX = f"https://{HOST}/webcloud/?v="

PLAYER_PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>stand-in player</title></head>
<body style="margin:0;background:#fff">
<p id="v" style="font:16px sans-serif;margin:8px"></p>
<script>
const v = new URLSearchParams(location.search).get('v') ?? '';
document.getElementById('v').textContent = 'playing: ' + v;
fetch('/report/viewport?width=' + innerWidth + '&height=' + innerHeight);
</script></body></html>
"""

VIDEO_PAGE = """<!doctype html>
<html><head><meta charset="utf-8"><title>stand-in video</title></head>
<body style="margin:0;background:#000">
<video id="clip" src="/media/clip.webm" autoplay muted playsinline style="width:100%"></video>
<script>
const clip = document.getElementById('clip');
let told = false;
clip.addEventListener('timeupdate', () => {
  if (!told && clip.currentTime > 0.5) { told = true; fetch('/report/played?t=' + clip.currentTime); }
});
clip.addEventListener('error', () => fetch('/report/video-error?code=' + (clip.error && clip.error.code)));
</script></body></html>
"""


class Request:
    def __init__(self, path):
        self.path = path  # as sent, before any decoding
        self.time = time.monotonic()
        parsed = urllib.parse.urlsplit(path)
        self.route = parsed.path
        self.query = parsed.query

    @property
    def v(self):
        """The raw value after "v=" of a player request, None for other requests."""
        if self.route != "/webcloud/" or not self.query.startswith("v="):
            return None
        return self.query[2:]

    def __repr__(self):
        return f"Request({self.path!r})"


class StandInService:
    def __init__(self, media_dir=None):
        self.requests = []
        self.pages = {}  # route -> (content type, body bytes, extra headers)
        self.media_dir = media_dir
        self._lock = threading.Lock()
        self._server = None
        self._connections = set()

    def __enter__(self):
        service = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def log_message(self, *args):
                pass

            def setup(self):
                with service._lock:
                    service._connections.add(self.request)
                # Each connection shakes hands in its own thread: in accept(), one client that
                # connects and never speaks (a cancelled load) would stop the whole service.
                try:
                    self.request.do_handshake()
                except OSError:
                    self.finish_connection()
                    raise
                super().setup()

            def finish_connection(self):
                with service._lock:
                    service._connections.discard(self.request)

            def finish(self):
                self.finish_connection()
                super().finish()

            def do_GET(self):
                request = Request(self.path)
                with service._lock:
                    service.requests.append(request)
                service._answer(self, request)

        class Server(http.server.ThreadingHTTPServer):
            daemon_threads = True

            def handle_error(self, request, client_address):
                # A client that hung up halfway had its load cancelled; anything else is a fault.
                if not isinstance(sys.exc_info()[1], OSError):
                    super().handle_error(request, client_address)

        self._server = Server(("127.0.0.1", PORT), Handler)
        context = ssl.SSLContext(ssl.PROTOCOL_TLS_SERVER)
        context.load_cert_chain(os.environ["TAVRINO_TEST_CERT"], os.environ["TAVRINO_TEST_KEY"])
        self._server.socket = context.wrap_socket(self._server.socket, server_side=True,
                                                  do_handshake_on_connect=False)
        threading.Thread(target=self._server.serve_forever, daemon=True).start()
        return self

    def __exit__(self, *exc):
        self._server.shutdown()
        self._server.server_close()
        # A kept-alive connection would go on answering for the stopped service.
        with self._lock:
            for connection in self._connections:
                try:
                    connection.shutdown(socket.SHUT_RDWR)
                except OSError:
                    pass

    def _answer(self, handler, request):
        content_type, body, headers = "text/plain", b"not found", {}
        status = 404
        if request.route in self.pages:
            content_type, body, headers = self.pages[request.route]
            status = 200
        elif request.route == "/webcloud/":
            status = 200
            content_type = "text/html; charset=utf-8"
            page = VIDEO_PAGE if (request.v or "").startswith("video") else PLAYER_PAGE
            body = page.encode()
        elif request.route.startswith("/report/"):
            status, body = 204, b""
        elif request.route.startswith("/media/") and self.media_dir:
            path = os.path.join(self.media_dir, os.path.basename(request.route))
            if os.path.exists(path):
                status, content_type = 200, "video/webm"
                with open(path, "rb") as media:
                    body = media.read()
        try:
            handler.send_response(status)
            handler.send_header("Content-Type", content_type)
            handler.send_header("Content-Length", str(len(body)))
            handler.send_header("Cache-Control", "no-store")
            for name, value in headers.items():
                handler.send_header(name, value)
            handler.end_headers()
            handler.wfile.write(body)
        except (BrokenPipeError, ConnectionResetError, ssl.SSLError):
            pass

    def player_requests(self):
        with self._lock:
            return [r for r in self.requests if r.v is not None]

    def reports(self, name):
        with self._lock:
            return [r for r in self.requests if r.route == f"/report/{name}"]

    def clear(self):
        with self._lock:
            self.requests.clear()
