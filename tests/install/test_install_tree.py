"""`cmake --install` into a temporary prefix: what lands where, and what the validators say."""

import configparser
import os
import shutil
import struct
import subprocess
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

BUILD_DIR = os.environ["TAVRINO_BUILD_DIR"]
NAME = os.environ["TAVRINO_PROJECT_NAME"]
VERSION = os.environ["TAVRINO_PROJECT_VERSION"]
APP_ID = "org.tavrino.Tavrino"
ICON_SIZES = (16, 24, 32, 256)

prefix = None


def setUpModule():
    global prefix
    prefix = tempfile.mkdtemp(prefix="tavrino-install.")
    subprocess.run(["cmake", "--install", BUILD_DIR, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL)


def tearDownModule():
    shutil.rmtree(prefix)


def installed(*parts):
    return os.path.join(prefix, *parts)


def png_size(path):
    with open(path, "rb") as png:
        header = png.read(24)
    if header[:8] != b"\x89PNG\r\n\x1a\n" or header[12:16] != b"IHDR":
        raise AssertionError(f"{path} is no PNG")
    return struct.unpack(">II", header[16:24])


def desktop_entry():
    entry = configparser.ConfigParser(interpolation=None, delimiters=("=",))
    entry.optionxform = str
    entry.read(installed("share", "applications", f"{APP_ID}.desktop"), encoding="utf-8")
    return entry["Desktop Entry"]


class InstallTree(unittest.TestCase):
    def test_executable(self):
        path = installed("bin", "tavrino")
        self.assertTrue(os.path.isfile(path))
        self.assertTrue(os.access(path, os.X_OK))

    def test_icon_in_four_sizes_and_scalable_in_the_hicolor_theme(self):
        for size in ICON_SIZES:
            path = installed("share", "icons", "hicolor", f"{size}x{size}", "apps", f"{APP_ID}.png")
            self.assertEqual(png_size(path), (size, size), path)
        svg = installed("share", "icons", "hicolor", "scalable", "apps", f"{APP_ID}.svg")
        self.assertEqual(ElementTree.parse(svg).getroot().tag, "{http://www.w3.org/2000/svg}svg")

    def test_desktop_entry_carries_name_version_executable_and_icon(self):
        entry = desktop_entry()
        self.assertEqual(entry["Type"], "Application")
        self.assertEqual(entry["Name"], NAME)
        self.assertEqual(entry["Exec"], "tavrino")
        self.assertEqual(entry["Icon"], APP_ID)
        self.assertEqual(entry["StartupWMClass"], NAME)
        self.assertEqual(entry["X-Tavrino-Version"], VERSION)

    def test_metainfo_carries_id_name_version_and_launchable(self):
        root = ElementTree.parse(installed("share", "metainfo", f"{APP_ID}.metainfo.xml")).getroot()
        self.assertEqual(root.get("type"), "desktop-application")
        self.assertEqual(root.findtext("id"), APP_ID)
        self.assertEqual(root.findtext("name"), NAME)
        self.assertEqual(root.findtext("launchable"), f"{APP_ID}.desktop")
        self.assertEqual(root.findtext("provides/binary"), "tavrino")
        self.assertEqual([r.get("version") for r in root.iter("release")], [VERSION])

    def test_manual_page_copyright_and_changelog(self):
        for path in (("share", "man", "man1", "tavrino.1.gz"),
                     ("share", "doc", "tavrino", "copyright"),
                     ("share", "doc", "tavrino", "changelog.gz")):
            self.assertTrue(os.path.isfile(installed(*path)), path)


class Validators(unittest.TestCase):
    def validate(self, tool, *args):
        if not shutil.which(tool):
            self.skipTest(f"{tool} is not installed")
        result = subprocess.run([tool, *args], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
        return result.stdout + result.stderr

    def test_desktop_file_validate(self):
        output = self.validate("desktop-file-validate",
                               installed("share", "applications", f"{APP_ID}.desktop"))
        self.assertEqual(output.strip(), "")

    def test_appstreamcli_validate(self):
        self.validate("appstreamcli", "validate", "--no-net",
                      installed("share", "metainfo", f"{APP_ID}.metainfo.xml"))

    def test_appstreamcli_validate_tree(self):
        # The metainfo together with the desktop entry and icons it points to.
        self.validate("appstreamcli", "validate-tree", "--no-net", prefix)


if __name__ == "__main__":
    unittest.main()
