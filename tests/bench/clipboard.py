"""Clipboard owners in processes of their own, as another program would be."""

import subprocess

from bench.tavrino import executable


class Clipboard:
    def __init__(self, desktop):
        self.desktop = desktop

    def offer(self, data, target="UTF8_STRING"):
        """Hands the CLIPBOARD to a fresh xclip that serves `data` (str or bytes) as `target`."""
        if isinstance(data, str):
            data = data.encode()
        # xclip stays in the background, serving, until another owner takes the selection.
        subprocess.run(["xclip", "-selection", "clipboard", "-t", target, "-i"], input=data,
                       env=self.desktop.env, check=True, stdout=subprocess.DEVNULL)

    def offer_silently(self):
        """Hands the CLIPBOARD to an owner that never answers; returns its process."""
        owner = self.desktop.start([executable("silent-clipboard-owner")], stdout=subprocess.PIPE,
                                   text=True)
        if owner.stdout.readline().strip() != "ready":
            raise RuntimeError("the silent owner did not take the clipboard")
        return owner

    def clear(self):
        """Leaves the CLIPBOARD with no owner at all."""
        subprocess.run(["pkill", "-x", "xclip"], check=False)
        self.desktop.run(["xdotool", "sleep", "0.1"])
