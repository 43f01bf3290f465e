#!/usr/bin/env python3
"""The Windows programs carry what Windows shows of them, read back from Linux with icoutils.

    resources_test.py ICON.ico VERSION PROGRAM.exe...

Each program must hold one icon group with the images of ICON.ico, one version resource whose
file and product versions are VERSION and whose original file name is the program's own, and one
manifest, under the id Windows reads at start, asking for the invoker's rights and naming
Windows 10 and 11. Wine starts a program whatever its manifest says; Windows refuses one whose
manifest is malformed, so the manifest's form is checked here.
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 14, 16, 24
CREATEPROCESS_MANIFEST_RESOURCE_ID = "1"
WINDOWS_10_AND_11 = "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"
PRODUCT_NAME = "Qorvix Plugwright"
FIXED_INFO_SIGNATURE = 0xFEEF04BD


def run(*command):
    return subprocess.run(command, check=True, stdout=subprocess.PIPE).stdout


def resources(program):
    """(type, name) of every resource, as `wrestool -l` lists them."""
    listing = run("wrestool", "-l", program).decode()
    return re.findall(r"--type=(\d+) --name=(\S+)", listing)


def extract(program, resource_type, raw=True):
    return run("wrestool", "-x", f"--type={resource_type}", *(["--raw"] if raw else []), program)


def icon_images(icon_bytes, scratch):
    """The images of an .ico as icotool lists them (size, depth), without their index."""
    path = os.path.join(scratch, "icon.ico")
    with open(path, "wb") as file:
        file.write(icon_bytes)
    listing = run("icotool", "-l", path).decode()
    return [re.sub(r"--index=\d+ ", "", line) for line in listing.splitlines()]


def version_nodes(data, offset, end):
    """The VS_VERSIONINFO tree's nodes from offset to end: (key, value bytes, children)."""
    nodes = []
    while offset + 6 <= end:
        length, value_length, is_text = struct.unpack_from("<HHH", data, offset)
        if length < 6 or offset + length > end:
            raise ValueError(f"a version node at {offset} runs past its parent")
        node_end = offset + length
        key_end = offset + 6
        while key_end + 1 < node_end and data[key_end : key_end + 2] != b"\0\0":
            key_end += 2
        key = data[offset + 6 : key_end].decode("utf-16-le")
        value_start = (key_end + 2 + 3) & ~3
        if is_text and value_length:
            # A string, a leaf: compilers disagree whether its length counts the NUL, or bytes.
            value, children = data[value_start:node_end], []
        else:
            value_end = value_start + (0 if is_text else value_length)
            value = data[value_start:value_end]
            children = version_nodes(data, (value_end + 3) & ~3, node_end)
        nodes.append((key, value, children))
        offset = (node_end + 3) & ~3
    return nodes


def text(value):
    return value.decode("utf-16-le").split("\0")[0]


def version_problems(data, program, version):
    (root_key, fixed, children), *_ = version_nodes(data, 0, len(data))
    problems = []
    if root_key != "VS_VERSION_INFO" or len(fixed) < 52:
        return [f"the version resource starts with {root_key!r}, without fixed file information"]
    signature, _, file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<6I", fixed)
    parts = [int(part) for part in version.split(".")] + [0]
    expected = ((parts[0] << 16) | parts[1], (parts[2] << 16) | parts[3])
    expected_text = ".".join(map(str, parts[:4]))
    if signature != FIXED_INFO_SIGNATURE:
        problems.append(f"the fixed file information's signature is {signature:#x}")
    for name, found in (("file", (file_ms, file_ls)), ("product", (product_ms, product_ls))):
        if found != expected:
            numbers = (found[0] >> 16, found[0] & 0xFFFF, found[1] >> 16, found[1] & 0xFFFF)
            found_text = ".".join(map(str, numbers))
            problems.append(f"the fixed {name} version is {found_text}, not {expected_text}")

    tables = [table for key, _, tables in children if key == "StringFileInfo" for table in tables]
    if len(tables) != 1:
        return problems + [f"the version resource has {len(tables)} string tables, not 1"]
    strings = {key: text(value) for key, value, _ in tables[0][2]}
    expected_strings = {
        "ProductName": PRODUCT_NAME,
        "FileVersion": version,
        "ProductVersion": version,
        "OriginalFilename": os.path.basename(program),
        "InternalName": os.path.splitext(os.path.basename(program))[0],
    }
    for key, value in expected_strings.items():
        if strings.get(key) != value:
            problems.append(f"{key} is {strings.get(key)!r}, not {value!r}")
    for key in ("FileDescription", "LegalCopyright"):
        if not strings.get(key):
            problems.append(f"{key} is empty")
    return problems


def local_name(element):
    return element.tag.rsplit("}", 1)[-1]


def manifest_problems(data):
    try:
        root = ElementTree.fromstring(data)
    except ElementTree.ParseError as error:
        return [f"the manifest is not well-formed XML: {error}"]
    elements = list(root.iter())
    problems = []
    if local_name(root) != "assembly" or root.get("manifestVersion") != "1.0":
        problems.append("the manifest's root is not an assembly of manifestVersion 1.0")
    for identity in (e for e in elements if local_name(e) == "assemblyIdentity"):
        if identity.get("type") != "win32" or not identity.get("name"):
            problems.append("the assemblyIdentity lacks type win32 or a name")
        version = identity.get("version", "")
        if not re.fullmatch(r"\d+\.\d+\.\d+\.\d+", version):
            problems.append(f"the assemblyIdentity's version {version!r} is not a.b.c.d")
    levels = [e.get("level") for e in elements if local_name(e) == "requestedExecutionLevel"]
    if levels != ["asInvoker"]:
        problems.append(f"the requested execution levels are {levels}, not ['asInvoker']")
    supported = {e.get("Id", "").lower() for e in elements if local_name(e) == "supportedOS"}
    if WINDOWS_10_AND_11 not in supported:
        problems.append(f"no supportedOS of Windows 10 and 11 among {sorted(supported)}")
    return problems


def program_problems(program, icon, version, scratch):
    found = resources(program)
    problems = []
    for resource_type, what in ((RT_GROUP_ICON, "icon groups"), (RT_VERSION, "version resources"),
                                (RT_MANIFEST, "manifests")):
        count = sum(1 for listed, _ in found if int(listed) == resource_type)
        if count != 1:
            problems.append(f"{count} of {what}, not 1")
    if problems:
        return problems

    with open(icon, "rb") as file:
        expected_images = icon_images(file.read(), scratch)
    images = icon_images(extract(program, RT_GROUP_ICON, raw=False), scratch)
    if images != expected_images:
        problems.append("the icon's images differ from " + icon + ":\n  " + "\n  ".join(images))
    problems += version_problems(extract(program, RT_VERSION), program, version)
    manifest_name = next(name for listed, name in found if int(listed) == RT_MANIFEST)
    if manifest_name != CREATEPROCESS_MANIFEST_RESOURCE_ID:
        problems.append(f"the manifest is resource {manifest_name}, which Windows does not read")
    problems += manifest_problems(extract(program, RT_MANIFEST))
    return problems


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__)
    icon, version, programs = sys.argv[1], sys.argv[2], sys.argv[3:]
    for tool in ("wrestool", "icotool"):
        if not shutil.which(tool):
            sys.exit(f"resources: {tool} is missing (bash scripts/install-deps.sh --windows)")
    failed = False
    with tempfile.TemporaryDirectory() as scratch:
        for program in programs:
            problems = program_problems(program, icon, version, scratch)
            for problem in problems:
                print(f"resources: {os.path.basename(program)}: {problem}", file=sys.stderr)
            if not problems:
                print(f"resources: {os.path.basename(program)}: icon, version {version}, manifest")
            failed = failed or bool(problems)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
