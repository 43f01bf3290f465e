#!/usr/bin/env python3
"""Saves and opens on a really full disk: a small tmpfs filled to every level of free space
a save can run into. Skipped where the machine does not let us mount one.

usage: full_disk.py PLUGWRIGHT_CLI
"""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

CLI = None
DISK_KIB = 320
PAGE = 4096
DISK_FULL = "Disk is full. There is not enough free space on disk."
# What a save says first when the disk fills: the repository writer's stream error, or the
# archive's full disk while it stores an entry.
SAVE_FAILURES = ("Stream write error.", DISK_FULL)


def document(label, count):
    items = [{"name": f"{label} {i}", "description": "d", "uid": "0x20001234", "key": str(i),
              "type": "255", "view": "1", "min": "0", "max": "4",
              "entries": [{"text": f"C{j}", "value": str(j)} for j in range(5)]}
             for i in range(count)]
    return {"file": "p", "name": label, "description": "d", "uid": "00000", "items": items}


def contents(package):
    with zipfile.ZipFile(package) as archive:
        assert archive.testzip() is None
        return [(i.filename, archive.read(i)) for i in archive.infolist()]


def fill(folder, leave):
    """Fills the disk of folder until only `leave` bytes are free."""
    with open(os.path.join(folder, "filler"), "wb") as f:
        while True:
            free = shutil.disk_usage(folder).free - leave
            if free <= 0:
                break
            try:
                f.write(b"\0" * min(free, 1 << 16))
                f.flush()
            except OSError:
                break


class FullDiskTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.outside = tempfile.mkdtemp()
        cls.disk = tempfile.mkdtemp()
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", f"size={DISK_KIB}k", "tmpfs",
                                  cls.disk], capture_output=True)
        if mounted.returncode != 0:
            shutil.rmtree(cls.disk)
            shutil.rmtree(cls.outside)
            raise unittest.SkipTest("no permission to mount a tmpfs here")
        for name, count in (("old", 20), ("new", 100)):
            with open(os.path.join(cls.outside, name + ".json"), "w") as f:
                json.dump(document(name, count), f)

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["umount", cls.disk])
        os.rmdir(cls.disk)
        shutil.rmtree(cls.outside)

    def setUp(self):
        for name in os.listdir(self.disk):
            path = os.path.join(self.disk, name)
            shutil.rmtree(path) if os.path.isdir(path) else os.remove(path)

    def cli(self, *args, env=None):
        return subprocess.run([CLI, *args], capture_output=True, text=True, env=env)

    def test_a_save_that_runs_out_of_space_keeps_the_earlier_package(self):
        out = os.path.join(self.disk, "out")
        package = os.path.join(out, "p", "p.qvx")
        outcomes = set()
        for leave in range(0, DISK_KIB * 1024, 4 * PAGE):
            self.setUp()
            self.assertEqual(self.cli("build", os.path.join(self.outside, "old.json"), "--dir",
                                      out).returncode, 0)
            old = contents(package)
            fill(self.disk, leave)
            result = self.cli("build", os.path.join(self.outside, "new.json"), "--dir", out)
            if result.returncode == 0:
                self.assertNotEqual(contents(package), old)
            else:
                self.assertTrue(result.stderr.startswith(SAVE_FAILURES), result.stderr)
                self.assertEqual(contents(package), old, leave)
                self.assertEqual(result.stdout, "", "a failed save was reported as saved")
            self.assertFalse([n for n in os.listdir(os.path.dirname(package))
                              if n.endswith(".saving")], leave)
            outcomes.add(result.returncode)
        self.assertEqual(outcomes, {0, 1}, "the disk never ran full, or never had room")

    def test_an_open_that_runs_out_of_space_says_so_and_cleans_up(self):
        package = os.path.join(self.outside, "p", "p.qvx")
        self.assertEqual(self.cli("build", os.path.join(self.outside, "old.json"), "--dir",
                                  self.outside).returncode, 0)
        before = contents(package)
        fill(self.disk, 0)
        result = self.cli("export", package, "-o", os.path.join(self.outside, "back.json"),
                          env=dict(os.environ, TMPDIR=self.disk))
        self.assertEqual(result.returncode, 1)
        self.assertIn(DISK_FULL, result.stderr)
        self.assertEqual(contents(package), before)
        self.assertEqual(os.listdir(self.disk), ["filler"])


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
