#!/usr/bin/env python3
"""Runs every benchmark program beside its peers, several times, and writes
docs/PERFORMANCE.md: the medians, the ratio to each peer, the machine, and plots.

usage: report.py BUILD_FOLDER REPETITIONS [--reuse]
  --reuse: write the report from the results the last run left in BUILD_FOLDER
"""
import json
import os
import platform
import subprocess
import sys
import zlib
from pathlib import Path

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

ROOT = Path(__file__).resolve().parent.parent
DOCS = ROOT / "docs"
PROGRAMS = ["archive/archive_bench", "archive_reader/archive_reader_bench",
            "repository/repository_bench", "package/package_bench", "cli/cli_bench",
            "app/window_bench"]
SIZES_MIB = [64, 256, 1024]
ITEM_COUNTS = [10, 1000, 3000, 10000, 30000, 100000]


def run_all(build, repetitions, reuse):
    """Median real time in ms (and counters) of every benchmark, by its run name."""
    medians = {}
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for program in PROGRAMS:
        binary = Path(build) / "bench" / program
        if not binary.exists():
            print(f"skipped {program}: not built", file=sys.stderr)
            continue
        out = Path(build) / (binary.name + ".json")
        if not (reuse and out.exists()):
            print(f"running {program} ({repetitions} repetitions)", file=sys.stderr)
            subprocess.run([str(binary), f"--benchmark_repetitions={repetitions}",
                            "--benchmark_report_aggregates_only=true",
                            f"--benchmark_out={out}", "--benchmark_out_format=json"],
                           check=True, env=env, stdout=subprocess.DEVNULL)
        for run in json.loads(out.read_text())["benchmarks"]:
            if run.get("aggregate_name") != "median":
                continue
            scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[run["time_unit"]]
            name = run["run_name"].split("/iterations:")[0].replace("/manual_time", "")
            name = name.replace("/real_time", "")
            medians[name] = dict(run, ms=run["real_time"] * scale)
    return medians


def ms(medians, name):
    return medians[name]["ms"] if name in medians else None


def text(value):
    if value is None:
        return "–"
    return f"{value:,.0f}" if value >= 100 else f"{value:.3g}"


def ratio(ours, peer):
    return "–" if ours is None or peer is None else f"{peer / ours:.2f}×"


def machine():
    cpu = next((line.split(":", 1)[1].strip() for line in open("/proc/cpuinfo")
                if line.startswith("model name")), platform.processor())
    memory = next(int(line.split()[1]) for line in open("/proc/meminfo")
                  if line.startswith("MemTotal")) / 1024 / 1024
    disk = subprocess.run(["df", "-T", "/tmp"], capture_output=True, text=True).stdout
    fs = disk.splitlines()[-1].split()[1]
    compiler = subprocess.run(["c++", "--version"], capture_output=True,
                              text=True).stdout.splitlines()[0]
    unzip = subprocess.run(["unzip", "-v"], capture_output=True,
                           text=True).stdout.splitlines()[0].rstrip(".")
    return (f"{cpu}, {os.cpu_count()} cores, {memory:.0f} GiB RAM; /tmp on {fs}; "
            f"Linux {platform.release()}; {compiler}; zlib {zlib.ZLIB_RUNTIME_VERSION}; {unzip}")


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    lines += ["| " + " | ".join(row) + " |" for row in rows]
    return "\n".join(lines)


def archive_tables(m):
    ours, flushed = ms(m, "BM_AddFiles/flush:0"), ms(m, "BM_AddFiles/flush:1")
    cp, dd = ms(m, "BM_Cp"), ms(m, "BM_DdCopy")
    store = table(["operation", "ours (ms)", "cp (ms)", "speed vs cp", "dd bs=1M (ms)",
                   "speed vs dd"],
                  [["store a 1 GiB file", text(ours), text(cp), ratio(ours, cp), text(dd),
                    ratio(ours, dd)],
                   ["… and fsync it", text(flushed), text(cp), ratio(flushed, cp), text(dd),
                    ratio(flushed, dd)]])
    rows = []
    for size in SIZES_MIB:
        ours = ms(m, f"BM_ExtractFiles/{size}")
        zl, pipe, disk = (ms(m, f"{b}/{size}") for b in
                          ("BM_ZlibInMemory", "BM_UnzipToPipe", "BM_UnzipToDisk"))
        rows.append([f"{size} MiB", text(ours), text(zl), ratio(ours, zl), text(pipe),
                     ratio(ours, pipe), text(disk), ratio(ours, disk)])
    extract = table(["deflated entry", "ours, to disk (ms)", "zlib in memory (ms)",
                     "speed vs zlib", "unzip -p (ms)", "speed vs unzip -p",
                     "unzip to disk (ms)", "speed vs unzip"], rows)
    scan, cat = ms(m, "BM_RecoveryScan"), ms(m, "BM_Cat")
    directory, listing = ms(m, "BM_LoadDirectory65535"), ms(m, "BM_UnzipList65535")
    other = table(["operation", "ours (ms)", "peer", "peer (ms)", "speed vs peer"],
                  [["recovery scan of 1 GiB without a signature", text(scan), "cat",
                    text(cat), ratio(scan, cat)],
                   ["directory of 65,535 entries", text(directory), "unzip -l",
                    text(listing), ratio(directory, listing)]])
    return store, extract, other


def plugin_tables(m):
    rows = []
    for count in ITEM_COUNTS:
        rows.append([f"{count:,}", text(ms(m, f"BM_SavePlugin/{count}")),
                     text(ms(m, f"BM_OpenPlugin/{count}")),
                     text(ms(m, f"WriteItems/{count}")), text(ms(m, f"ReadItems/{count}"))])
    plugins = table(["items", "save (ms)", "open (ms)", "repository file write (ms)",
                     "repository file read (ms)"], rows)
    tool = table(["plugwright-cli, 10,000 items × 5 entries, whole process", "ms"],
                 [["build", text(ms(m, "BM_BuildProcess"))],
                  ["export", text(ms(m, "BM_ExportProcess"))]])
    window = table(["window, 10,000 items", "ms"],
                   [["add an item", text(ms(m, "BM_AddItem"))],
                    ["select an item", text(ms(m, "BM_SelectItem"))],
                    ["move an item", text(ms(m, "BM_MoveItem"))],
                    ["open the plugin until the list is painted",
                     text(ms(m, "BM_OpenLargePlugin"))]])
    return plugins, tool, window


def plot(m):
    DOCS.mkdir(exist_ok=True)
    fig, ax = plt.subplots(figsize=(7, 4.5))
    for bench, label in [("BM_ExtractFiles", "ours, to disk"),
                         ("BM_ZlibInMemory", "zlib in memory"),
                         ("BM_UnzipToPipe", "unzip -p"), ("BM_UnzipToDisk", "unzip to disk")]:
        points = [(s, ms(m, f"{bench}/{s}")) for s in SIZES_MIB if ms(m, f"{bench}/{s}")]
        if points:
            ax.plot([p[0] for p in points], [p[1] / 1000 for p in points], "o-", label=label)
    ax.set(xlabel="uncompressed size (MiB)", ylabel="time (s)",
           title="Extracting one deflated entry")
    ax.grid(True, alpha=0.3)
    ax.legend()
    fig.tight_layout()
    fig.savefig(DOCS / "perf_extraction.png", dpi=100)
    plt.close(fig)

    fig, ax = plt.subplots(figsize=(7, 4.5))
    for bench, label in [("BM_SavePlugin", "save"), ("BM_OpenPlugin", "open")]:
        points = [(c, ms(m, f"{bench}/{c}")) for c in ITEM_COUNTS if ms(m, f"{bench}/{c}")]
        if points:
            ax.loglog([p[0] for p in points], [p[1] for p in points], "o-", label=label)
    reference = ms(m, "BM_SavePlugin/1000")
    if reference:
        ax.loglog(ITEM_COUNTS[1:], [reference * c / 1000 for c in ITEM_COUNTS[1:]], "k:",
                  label="linear from 1,000 items")
    ax.set(xlabel="items (5 selection entries each; 10: every third)", ylabel="time (ms)",
           title="Saving and opening a plugin, in process")
    ax.grid(True, which="both", alpha=0.3)
    ax.legend()
    fig.tight_layout()
    fig.savefig(DOCS / "perf_save_open.png", dpi=100)
    plt.close(fig)


def main(build, repetitions, reuse):
    m = run_all(build, repetitions, reuse)
    plot(m)
    store, extract, other = archive_tables(m)
    plugins, tool, window = plugin_tables(m)
    template = (ROOT / "bench" / "PERFORMANCE.md.in").read_text()
    report = template.format(machine=machine(), repetitions=repetitions, store=store,
                             extract=extract, other=other, plugins=plugins, tool=tool,
                             window=window)
    (DOCS / "PERFORMANCE.md").write_text(report)
    (DOCS / "perf_medians.json").write_text(json.dumps(
        {k: round(v["ms"], 4) for k, v in sorted(m.items())}, indent=1) + "\n")
    print(f"wrote {DOCS / 'PERFORMANCE.md'}", file=sys.stderr)


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]), "--reuse" in sys.argv[3:])
