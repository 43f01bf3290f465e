#!/usr/bin/env python3
"""The association as Windows keeps it: a stand-in for the editor registers itself under Wine,
then Wine's own reg.exe reads HKEY_LOCAL_MACHINE back.

usage: wine_registry_test.py EMULATOR... ASSOCIATE_THIS_PROGRAM_EXE
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

EMULATOR = None
PROGRAM = None
EXTENSION_KEY = r"HKLM\Software\Classes\.qvx"
MACHINE = "HKEY_LOCAL_MACHINE"


def run(*args):
    return subprocess.run([*EMULATOR, *args], capture_output=True, text=True)


def windows_path(path):
    """The Wine name of a path on this side: drive Z: is the root."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


def registry_tree():
    """Every key below .qvx and its values, as reg.exe lists them."""
    listed = run("reg.exe", "query", EXTENSION_KEY, "/s")
    if listed.returncode != 0:
        return {}
    tree, key = {}, None
    for line in listed.stdout.splitlines():
        if line.startswith(MACHINE):
            key = line[len(MACHINE):]
            tree[key] = []
        elif line.strip():
            tree[key].append(tuple(line.strip().split("    ")))
    return tree


class WineRegistryTest(unittest.TestCase):
    def setUp(self):
        run("reg.exe", "delete", EXTENSION_KEY, "/f")
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        run("reg.exe", "delete", EXTENSION_KEY, "/f")
        self.folder.cleanup()

    def install(self, folder):
        """The stand-in as plugwright.exe in folder, as an installation would place it."""
        path = os.path.join(self.folder.name, folder, "plugwright.exe")
        os.makedirs(os.path.dirname(path))
        shutil.copy(PROGRAM, path)
        return path

    def associate(self, program):
        result = run(program)
        self.assertEqual((result.returncode, result.stderr), (0, ""))

    def test_the_command_key_holds_the_quoted_program_and_nothing_else(self):
        program = self.install("Program Files/Qorvix Plugwright")
        self.associate(program)
        self.associate(program)
        command = '"%s" "%%1"' % windows_path(program)
        self.assertEqual(registry_tree(), {
            r"\Software\Classes\.qvx\shell": [],
            r"\Software\Classes\.qvx\shell\open": [],
            r"\Software\Classes\.qvx\shell\open\command": [("(Default)", "REG_SZ", command)],
        })

    def test_a_moved_program_moves_the_association(self):
        self.associate(self.install("old place"))
        moved = self.install("new place")
        self.associate(moved)
        value = run("reg.exe", "query", EXTENSION_KEY + r"\shell\open\command", "/ve")
        self.assertIn('REG_SZ    "%s" "%%1"' % windows_path(moved), value.stdout)


if __name__ == "__main__":
    EMULATOR, PROGRAM = sys.argv[1:-1], sys.argv[-1]
    del sys.argv[1:]
    unittest.main()
