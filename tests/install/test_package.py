"""The Debian package that CPack builds: its control fields, its files, and whether its
dependencies resolve on a system that has nothing installed yet."""

import os
import shutil
import subprocess
import tempfile
import unittest

BUILD_DIR = os.environ["TAVRINO_BUILD_DIR"]
VERSION = os.environ["TAVRINO_PROJECT_VERSION"]
APP_ID = "org.tavrino.Tavrino"
# Loaded at run time, so no library scan finds them: they must be named.
RUNTIME_PACKAGES = ("gstreamer1.0-libav", "gstreamer1.0-plugins-good", "gstreamer1.0-plugins-bad",
                    "gstreamer1.0-gl", "fonts-noto-cjk", "glib-networking")
# Linked, found by dpkg-shlibdeps.
LIBRARY_PACKAGES = ("libwebkit2gtk-4.1-0", "libgtk-3-0", "libgtkmm-3.0-1v5", "libglib2.0-0")

out_dir = None
deb = None


def setUpModule():
    global out_dir, deb
    out_dir = tempfile.mkdtemp(prefix="tavrino-package.")
    subprocess.run(["cpack", "-G", "DEB", "--config", os.path.join(BUILD_DIR, "CPackConfig.cmake"),
                    "-B", out_dir], check=True, stdout=subprocess.DEVNULL)
    debs = [name for name in os.listdir(out_dir) if name.endswith(".deb")]
    assert len(debs) == 1, debs
    deb = os.path.join(out_dir, debs[0])


def tearDownModule():
    shutil.rmtree(out_dir)


def field(name):
    return subprocess.run(["dpkg-deb", "-f", deb, name], check=True, capture_output=True,
                          text=True).stdout.strip()


def depends():
    """Package names of the Depends field (the first of each alternative)."""
    return {item.split("|")[0].split("(")[0].strip() for item in field("Depends").split(",")}


class Package(unittest.TestCase):
    def test_name_version_and_architecture(self):
        self.assertEqual(field("Package"), "tavrino")
        self.assertEqual(field("Version"), VERSION)
        architecture = subprocess.run(["dpkg", "--print-architecture"], check=True,
                                      capture_output=True, text=True).stdout.strip()
        self.assertEqual(field("Architecture"), architecture)
        self.assertEqual(os.path.basename(deb), f"tavrino_{VERSION}_{architecture}.deb")

    def test_depends_on_the_libraries_and_the_run_time_packages(self):
        names = depends()
        for package in LIBRARY_PACKAGES + RUNTIME_PACKAGES:
            self.assertIn(package, names)

    def test_files_under_usr(self):
        listing = subprocess.run(["dpkg-deb", "-c", deb], check=True, capture_output=True,
                                 text=True).stdout
        paths = {line.split()[-1].removeprefix(".") for line in listing.splitlines()}
        expected = {"/usr/bin/tavrino", f"/usr/share/applications/{APP_ID}.desktop",
                    f"/usr/share/metainfo/{APP_ID}.metainfo.xml",
                    f"/usr/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
                    "/usr/share/man/man1/tavrino.1.gz", "/usr/share/doc/tavrino/copyright",
                    "/usr/share/doc/tavrino/changelog.gz"}
        expected |= {f"/usr/share/icons/hicolor/{s}x{s}/apps/{APP_ID}.png" for s in (16, 24, 32, 256)}
        self.assertLessEqual(expected, paths)
        self.assertTrue(all(path.startswith("/usr/") for path in paths if path != "/"), paths)

    def test_dependencies_resolve_on_an_empty_system(self):
        # apt resolves against its package lists as if no package were installed yet.
        policy = subprocess.run(["apt-cache", "policy", "libwebkit2gtk-4.1-0"], capture_output=True,
                                text=True).stdout
        if "Candidate: (none)" in policy or "Candidate:" not in policy:
            self.skipTest("apt has no package lists (run apt-get update)")
        result = subprocess.run(
            ["apt-get", "install", "--simulate", "-o", "Dir::State::status=/dev/null",
             "-o", "Debug::NoLocking=1", deb], capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout[-3000:] + result.stderr)
        will_install = {line.split()[1] for line in result.stdout.splitlines()
                        if line.startswith("Inst ")}
        for package in ("tavrino",) + LIBRARY_PACKAGES + RUNTIME_PACKAGES:
            self.assertIn(package, will_install)

    def test_lintian_reports_no_errors(self):
        if not shutil.which("lintian"):
            self.skipTest("lintian is not installed (scripts/package installs it)")
        result = subprocess.run(["lintian", "--fail-on", "error", deb], capture_output=True,
                                text=True)
        self.assertEqual(result.returncode, 0, result.stdout + result.stderr)


if __name__ == "__main__":
    unittest.main()
