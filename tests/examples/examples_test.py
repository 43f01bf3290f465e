#!/usr/bin/env python3
"""Builds every example plugin document with plugwright-cli and opens the package again.

usage: examples_test.py [EMULATOR...] PLUGWRIGHT_CLI EXAMPLES_FOLDER
The Windows build's program runs under Wine, the emulator given before it.
"""
import json
import pathlib
import subprocess
import sys
import tempfile
import unittest
import zipfile

CLI = None
EXAMPLES = None


def run(*args):
    return subprocess.run([*CLI, *args], capture_output=True, text=True)


def host_path(printed):
    """A path the program printed, as this side names it: under Wine, drive Z: is the root."""
    if printed[:3].upper() == "Z:\\":
        return "/" + printed[3:].replace("\\", "/")
    return printed


class ExamplesTest(unittest.TestCase):
    def test_each_example_builds_checks_clean_and_exports_unchanged(self):
        documents = sorted(EXAMPLES.glob("*.json"))
        self.assertEqual([d.stem for d in documents],
                         ["bitmask", "on_off_toggle", "selection_list"])
        for document in documents:
            with self.subTest(document.name), tempfile.TemporaryDirectory() as folder:
                plugin = json.loads(document.read_text(encoding="utf-8"))
                built = run("build", str(document), "--dir", folder)
                self.assertEqual(built.returncode, 0, built.stderr)
                package = pathlib.Path(folder) / plugin["file"] / (plugin["file"] + ".qvx")
                self.assertEqual(host_path(built.stdout.strip()), str(package))
                with zipfile.ZipFile(package) as archive:
                    self.assertIsNone(archive.testzip())
                    self.assertEqual(archive.namelist(),
                                     [plugin["file"] + ".plg", "fac" + plugin["uid"] + ".cre"])

                checked = run("check", str(package))
                self.assertEqual((checked.returncode, checked.stdout), (0, ""), checked.stderr)

                exported = run("export", str(package))
                self.assertEqual(exported.returncode, 0, exported.stderr)
                # Written in the forms opening gives back, so the round trip is exact.
                self.assertEqual(json.loads(exported.stdout), plugin)


if __name__ == "__main__":
    CLI = sys.argv[1:-1]
    EXAMPLES = pathlib.Path(sys.argv[-1])
    unittest.main(argv=sys.argv[:1], verbosity=2)
