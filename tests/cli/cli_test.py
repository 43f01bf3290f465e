#!/usr/bin/env python3
"""Drives plugwright-cli as a user's script would.

usage: cli_test.py [EMULATOR...] PLUGWRIGHT_CLI
The Windows build's program runs under Wine, the emulator given before it.
"""
import io
import json
import os
import struct
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

CLI = None


def run(*args, cwd=None, env=None):
    return subprocess.run([*CLI, *args], capture_output=True, text=True, cwd=cwd, env=env)


def host_path(printed):
    """A path the program printed, as this side opens it: under Wine, drive Z: is the root."""
    if printed[:3].upper() == "Z:\\":
        return "/" + printed[3:].replace("\\", "/")
    return printed


def item(name, type_="255", view="1", key="1", entries=(), description="", minimum="0",
         maximum="1"):
    return {"name": name, "description": description, "uid": "0x101F876E", "key": key,
            "type": type_, "view": view, "min": minimum, "max": maximum,
            "entries": [{"text": t, "value": v} for t, v in entries]}


def document(items, file="my_tweak"):
    return {"file": file, "name": "Plugin name", "description": "First\r\nsecond",
            "uid": "00000", "items": items}


def counted(block):
    """A counted block of bytes with its one- or two-byte compact length."""
    v = 2 * len(block) + 1
    return (bytes([2 * v]) if v <= 127 else struct.pack("<H", 4 * v + 1)) + block


def policy(kind, caps=(), secure_id=None):
    caps = bytes(caps) + b"\xff" * (3 - len(caps))
    tail = struct.pack("<I", secure_id) if secure_id is not None else b"\xff" * 4
    return counted(bytes([kind]) + caps + tail)


UNIX_EPOCH_IN_PHONE_TIME = 62168256000000000
SETTINGS = [  # key, metadata, type, value bytes
    (1, 0, 0, struct.pack("<i", -5)),
    (2, 0xA, 1, struct.pack("<d", 2.5)),
    (3, 0, 2, counted("Ж".encode("utf-16-le") * 40)),
    (4, 0, 2, counted(b"\x01\x02\x03")),
    (5, 0, 2, counted(b"\x00\xd8")),
]


SINGLE_POLICIES = [(6, 0, 0, policy(4, [1], 10), policy(1))]  # key, high key, mask, read, write
RANGE_POLICIES = [(0x100, 0x200, 0, policy(3, [4, 5]), policy(0))]  # low key, high key, ...


def keyed_policies(policies):
    return struct.pack("<I", len(policies)) + b"".join(
        struct.pack("<3I", key, high, mask) + read + write for key, high, mask, read, write in policies)


def repository_file(version, root_gap=0, settings=SETTINGS, uid=0xBABABABA,
                    single_policies=SINGLE_POLICIES, range_policies=RANGE_POLICIES,
                    default_write=policy(1)):
    """A repository file of the given format version, its root stream root_gap bytes late."""
    header = struct.pack("<5I", 0x10000037, 0, 0x10202BE9, 0xCC776985, 20 + root_gap)
    root = bytes([version]) + struct.pack("<I", uid)
    root += (b"\x07" if version >= 3 else b"") + struct.pack("<I", 0x12345)
    root += keyed_policies(single_policies) + keyed_policies(range_policies)
    root += policy(2, [13]) + default_write
    if version >= 2:
        root += struct.pack("<II", 1, 0xFF)
    root += struct.pack("<II4I", 0x10, 1, 0x100, 0x400, 0, 0x20)
    root += struct.pack("<q", UNIX_EPOCH_IN_PHONE_TIME + 1577836800 * 10**6)
    root += struct.pack("<I", len(settings))
    root += b"".join(struct.pack("<IIB", k, m, t) + v for k, m, t, v in settings)
    if version >= 1:
        root += struct.pack("<II", 1, 0x99)  # the deleted keys
    return header + b"\xee" * root_gap + root


def as_version_0(repository):
    """A version-1 repository file as version 0 writes it: no deleted keys after the settings."""
    assert repository[20] == 1 and repository[-4:] == b"\0\0\0\0"
    return repository[:20] + b"\x00" + repository[21:-4]


class CliCase(unittest.TestCase):
    """A scratch folder per test, and files and packages made in it."""

    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = self.folder.name

    def tearDown(self):
        self.folder.cleanup()

    def write_json(self, name, value):
        path = os.path.join(self.dir, name)
        with open(path, "w", encoding="utf-8") as f:
            json.dump(value, f, ensure_ascii=False)
        return path

    def build(self, doc, out="out"):
        result = run("build", self.write_json("plugin.json", doc), "--dir",
                     os.path.join(self.dir, out))
        self.assertEqual(result.returncode, 0, result.stderr)
        return host_path(result.stdout.strip())

    def write_bytes(self, name, data):
        path = os.path.join(self.dir, name)
        with open(path, "wb") as f:
            f.write(data)
        return path


class CliTest(CliCase):
    def test_build_export_round_trip_is_exact(self):
        # Number texts in the forms the reader gives back: decimal, and the UID as "0x" and
        # eight uppercase digits.
        items = [item("Целое 😀", "255", "1", "1", [("Off", "0"), ("On", "1")]),
                 item("Text", "254", "2", "2", [("a", "строка")], "описание", "0", "255"),
                 item("Real", "253", "3", "3", [("half", "0.5")]),
                 item("Bits", "255", "4", "4", [("bit", "4")]),
                 item("App", "254", "5", "5"),
                 item("Path", "254", "6", "6")]
        package = self.build(document(items))
        self.assertTrue(package.endswith(os.path.join("out", "my_tweak", "my_tweak.qvx")))
        exported = run("export", package)
        self.assertEqual(exported.returncode, 0, exported.stderr)
        back = json.loads(exported.stdout)
        self.assertEqual(back["items"], items)
        self.assertEqual(back["description"], "Firstsecond")
        again = self.build(back, "again")
        with zipfile.ZipFile(package) as a, zipfile.ZipFile(again) as b:
            self.assertIsNone(a.testzip())
            self.assertEqual(a.namelist(), ["my_tweak.plg", "fac00000.cre"])
            for name in a.namelist():
                self.assertEqual(a.read(name), b.read(name), name)

    def test_source_date_epoch_makes_the_package_reproducible(self):
        plugin = self.write_json("plugin.json", document([item("Name", entries=[("Off", "0")])]))
        epoch = 1700000001  # 2023-11-14 22:13:21 UTC; entries hold even seconds
        packages = []
        # Apart in time and in two time zones, which would move a local time stamp by 9 hours.
        for zone, out in [("UTC0", "first"), ("JST-9", "second")]:
            env = dict(os.environ, SOURCE_DATE_EPOCH=str(epoch), TZ=zone)
            result = run("build", plugin, "--dir", os.path.join(self.dir, out), env=env)
            self.assertEqual(result.returncode, 0, result.stderr)
            with open(host_path(result.stdout.strip()), "rb") as f:
                packages.append(f.read())
            time.sleep(2.1)
        self.assertEqual(packages[0], packages[1])
        with zipfile.ZipFile(io.BytesIO(packages[0])) as z:
            self.assertEqual({i.date_time for i in z.infolist()}, {(2023, 11, 14, 22, 13, 20)})
        for bad in ["yesterday", "-1", "1e9", "315532799", "4354819200", "17000000000000000000"]:
            env = dict(os.environ, SOURCE_DATE_EPOCH=bad)
            result = run("build", plugin, "--dir", os.path.join(self.dir, "bad"), env=env)
            self.assertEqual(result.returncode, 1, bad)
            self.assertIn('SOURCE_DATE_EPOCH "%s" is not a number of seconds' % bad, result.stderr)
            self.assertFalse(os.path.exists(os.path.join(self.dir, "bad", "my_tweak")), bad)

    def test_document_errors_name_the_member(self):
        good = item("x")
        cases = [
            ({"file": "a"}, "name: missing"),
            (dict(document([good]), extra="1"), "extra: unknown member"),
            (dict(document([good]), uid=5), "uid: not a string"),
            (document([good, good, good, {k: v for k, v in good.items() if k != "key"}]),
             "items[3].key: missing"),
            (document([dict(good, entries=[{"text": "t"}])]), "items[0].entries[0].value: missing"),
        ]
        for value, message in cases:
            result = run("build", self.write_json("bad.json", value), "--dir", self.dir)
            self.assertEqual(result.returncode, 1)
            self.assertIn(message, result.stderr)
            self.assertEqual(len(result.stderr.strip().splitlines()), 1)
        head = '{"file": "a", "name": "n", "description": "d", "uid": "0", '
        texts = [
            ("{not json", "document: not valid JSON (byte "),
            ("[]", "document: not an object"),
            ('{"file": "a", "file": "b"}', "file: given twice"),
            (head + '"items": "x"}', "items: not an array"),
            (head + '"items": [5]}', "items[0]: not an object"),
            (head + '"items": [' + json.dumps(good) + ', {"entries": {}}]}',
             "items[1].entries: not an array"),
        ]
        for text, message in texts:
            with open(os.path.join(self.dir, "raw.json"), "w") as f:
                f.write(text)
            result = run("build", os.path.join(self.dir, "raw.json"), "--dir", self.dir)
            self.assertEqual(result.returncode, 1)
            self.assertIn(message, result.stderr)

    def test_exit_statuses(self):
        self.assertEqual(run("--help").returncode, 0)
        self.assertEqual(run("build", "--help").returncode, 0)
        self.assertEqual(run("--version").returncode, 0)
        self.assertEqual(run().returncode, 2)
        self.assertEqual(run("build").returncode, 2)
        self.assertEqual(run("extract", "x.zip", "--on-error", "maybe").returncode, 2)
        missing = run("export", os.path.join(self.dir, "missing.qvx"))
        self.assertEqual(missing.returncode, 1)
        self.assertFalse(os.path.exists(os.path.join(self.dir, "missing.qvx")))

    def test_list_and_extract_an_archive_made_by_zipfile(self):
        archive = os.path.join(self.dir, "peer.zip")
        data = {"a.txt": b"alpha" * 1000, "b.bin": bytes(range(256)) * 50}
        with zipfile.ZipFile(archive, "w", zipfile.ZIP_DEFLATED) as z:
            for name, content in data.items():
                z.writestr(name, content)
        listed = json.loads(run("list", archive, "--json").stdout)
        self.assertEqual([e["name"] for e in listed], list(data))
        self.assertTrue(all(e["method"] == 8 for e in listed))
        with zipfile.ZipFile(archive) as z:
            self.assertEqual([e["crc32"] for e in listed],
                             ["%08x" % i.CRC for i in z.infolist()])
        table = run("list", archive).stdout
        self.assertIn("Deflated", table)
        target = os.path.join(self.dir, "x")
        result = run("extract", archive, "--dir", target)
        self.assertEqual(result.returncode, 0, result.stderr)
        for name, content in data.items():
            with open(os.path.join(target, name), "rb") as f:
                self.assertEqual(f.read(), content)

    def test_check_reports_errors_and_warnings(self):
        cases = [
            ([item("a"), item("b")], 0, "warning: item 2 \"b\": same UID and key as item 1"),
            ([item("a", description="d" * 1025)], 1, "description holds 1025 UTF-16 code units"),
        ]
        for items, status, line in cases:
            package = self.build(document(items))
            result = run("check", package)
            self.assertEqual(result.returncode, status, result.stdout + result.stderr)
            self.assertIn(line, result.stdout)
        bare = os.path.join(self.dir, "bare.qvx")
        with zipfile.ZipFile(bare, "w") as z:
            z.writestr("fac00000.cre", b"")
        result = run("check", bare)
        self.assertEqual(result.returncode, 1)
        self.assertIn("error: no descriptor", result.stdout)

    def test_dump_shows_every_part_of_versions_0_to_3(self):
        for version, gap in [(0, 0), (1, 0), (2, 4), (3, 0)]:
            path = self.write_bytes("v%d.cre" % version, repository_file(version, gap))
            result = run("dump", path, "--json")
            self.assertEqual(result.returncode, 0, result.stderr)
            dump = json.loads(result.stdout)
            self.assertEqual((dump["version"], dump["rootStream"]), (version, 20 + gap))
            self.assertEqual((dump["repositoryUid"], dump["owner"]), ("0xBABABABA", "0x00012345"))
            self.assertEqual(dump.get("keyspaceType"), 7 if version >= 3 else None)
            self.assertEqual(dump.get("defaultPolicyMask"), "0x000000FF" if version >= 2 else None)
            self.assertTrue(dump["uidChecksumCorrect"])
            self.assertEqual(dump["singlePolicies"][0]["write"]["kind"], "pass")
            self.assertEqual(dump["singlePolicies"][0]["read"],
                             {"kind": "sid", "sid": "0x0000000A", "capabilities": ["CommDD"],
                              "bytes": "0401ffff0a000000"})
            ranged = dump["rangePolicies"][0]
            self.assertEqual((ranged["lowKey"], ranged["highKey"]), ("0x00000100", "0x00000200"))
            self.assertEqual(ranged["read"]["capabilities"], ["ReadDeviceData", "WriteDeviceData"])
            self.assertEqual(dump["rangeMetadata"][0]["metadata"], "0x00000020")
            self.assertEqual([s.get("value", s.get("text", s.get("hex")))
                              for s in dump["settings"]], [-5, 2.5, "Ж" * 40, "010203", "00d8"])
            self.assertEqual(dump["settings"][1]["metadata"], "0x0000000A")
            self.assertEqual(dump.get("deletedKeys"),
                             [{"key": "0x00000099", "keyDecimal": 153}] if version >= 1 else None)
            text = run("dump", path).stdout
            self.assertEqual("Deleted keys" in text, version >= 1)
        # In the order of the file: the keyspace type sits between the two UIDs.
        lines = ["Repository UID        0xBABABABA", "Keyspace type         7",
                 "Owner UID             0x00012345", "Range policies",
                 "Default read policy   capabilities NetworkServices",
                 "%d (2020-01-01 00:00:00 UTC)" % (UNIX_EPOCH_IN_PHONE_TIME + 1577836800 * 10**6),
                 "  0x00000002 (2)  metadata", "real 2.5", "string of 3 bytes, hex 010203",
                 "  0x00000099 (153)"]
        at = [text.find(line) for line in lines]
        self.assertNotIn(-1, at, text)
        self.assertEqual(at, sorted(at))

    def test_dump_of_a_saved_plugin_agrees_with_its_items(self):
        package = self.build(document([item("Name", entries=[("Off", "0")])]))
        with zipfile.ZipFile(package) as z:
            saved = z.read("fac00000.cre")
        dumps = [json.loads(run("dump", self.write_bytes(name, data), "--json").stdout)
                 for name, data in [("v1.cre", saved), ("v0.cre", as_version_0(saved))]]
        for dump in dumps:
            self.assertEqual(dump["repositoryUid"], "0xFAC00000")
            self.assertEqual(len(dump["singlePolicies"]), len(dump["settings"]))
            self.assertIn({"key": "0x00000064", "keyDecimal": 100, "metadata": "0x00000000",
                           "type": "string", "text": "Name"}, dump["settings"])
        self.assertEqual(dumps[0]["settings"], dumps[1]["settings"])

    def test_dump_names_the_offset_of_a_fault(self):
        good = repository_file(1)
        v0 = repository_file(0)
        end_of_settings = len(good) - 8
        bad_type = bytearray(good)
        bad_type[good.index(struct.pack("<IIB", 1, 0, 0)) + 8] = 9
        cases = [
            (good[:19], "offset 16"),
            (good[:16] + struct.pack("<I", len(good)) + good[20:], "offset 16"),
            (good[:20] + b"\x04" + good[21:],
             "format version 4 is newer than this program reads (offset 20)"),
            (good[:20] + b"\xff" + good[21:],
             "format version 255 is newer than this program reads (offset 20)"),
            (bytes(bad_type), "neither integer (0), real (1) nor string (2)"),
            (good[:end_of_settings], "(offset %d)" % end_of_settings),
            (good + b"\x00", "1 bytes after the deleted keys, where the file should end "
                             "(offset %d)" % len(good)),
            (v0 + b"\x00" * 4, "4 bytes after the settings, where the file should end "
                               "(offset %d)" % len(v0)),
            (good[:63] + struct.pack("<I", 10**6) + good[67:], "1000000 range policies do not "
             "fit the %d bytes that follow (offset 63)" % (len(good) - 67)),
        ]
        for data, message in cases:
            result = run("dump", self.write_bytes("bad.cre", data))
            self.assertEqual(result.returncode, 1, message)
            self.assertIn(message, result.stderr)
            self.assertEqual(len(result.stderr.strip().splitlines()), 1)
        for whole in (v0, good):
            for length in range(len(whole)):
                result = run("dump", self.write_bytes("cut.cre", whole[:length]))
                self.assertEqual(result.returncode, 1, length)
                self.assertRegex(result.stderr, r"\(offset \d+\)")


if __name__ == "__main__":
    CLI = sys.argv[1:]
    del sys.argv[1:]
    unittest.main()
