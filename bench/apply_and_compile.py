#!/usr/bin/env python3
"""Do the scan's suggestions break code that compiled? Free Pascal's packages tell.

    apply_and_compile.py --sorvik build/src/sorvik \\
        --packages /usr/share/fpcsrc/3.2.2/packages --work /tmp/fpcheck

Takes the units of the packages that compile on their own (fpc_units.py; the
list is cached in WORK), scans copies of them with sorvik's default settings,
applies every suggestion of the scan to fresh copies and compiles every
changed unit again: a unit that no longer compiles is broken. Then the same
for each kind alone, and for each suggestion alone, so that a break is pinned
on the suggestion that causes it. Prints a table per kind, the first breaking
suggestions with the compiler's error, and the reports of unused_truth.py and
unwalked_units.py on the same scan.
"""

import argparse
import collections
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

import fpc_units
import unused_truth
import unwalked_units
from suggestion_applier import apply_results, has_suggestions


class Clock:
    def __init__(self):
        self.start = self.last = time.monotonic()

    def lap(self, what):
        now = time.monotonic()
        print("[%6.1f s] %s" % (now - self.last, what), file=sys.stderr, flush=True)
        self.last = now


def write_project(paths, project):
    lines = ["[Files]"] + ["File%d=%s" % (n, path) for n, path in enumerate(paths)]
    with open(project, "w", newline="") as out:
        out.write("\r\n".join(lines) + "\r\n")


def scan(sorvik, project, output):
    with tempfile.TemporaryDirectory(prefix="sorvik-config-") as config:
        with open(output, "wb") as out:
            subprocess.run(
                [sorvik, "--config-dir", config, "--format", "json", "scan", project],
                stdout=out,
                check=True,
            )
    with open(output) as document:
        return json.load(document)


class Trial:
    """Copies of units with some results applied, compiled again."""

    def __init__(self, folder):
        self.folder = folder
        self.changed = []  # (unit, path, applied results)
        self.skipped = []
        self.applied = []

    def apply(self, copy, unit, original, results):
        """Applies RESULTS to a copy of COPY's folder (the scanned unit with its includes)."""
        data, applied, skipped = apply_results(original, results)
        self.skipped += skipped
        self.applied += applied
        if data == original:
            return
        folder = os.path.join(self.folder, os.path.basename(os.path.dirname(copy)))
        shutil.copytree(os.path.dirname(copy), folder)
        path = os.path.join(folder, os.path.basename(copy))
        with open(path, "wb") as out:
            out.write(data)
        self.changed.append((unit, path, applied))


def compile_trials(trials):
    """Compiles the changed units of all TRIALS at once; sets each trial's `errors`."""
    jobs = [(path, unit.options) for trial in trials for unit, path, _ in trial.changed]
    errors = iter(fpc_units.compile_all(jobs))
    for trial in trials:
        trial.errors = [next(errors) for _ in trial.changed]


def broken(trial):
    return [(entry, error) for entry, error in zip(trial.changed, trial.errors) if error]


def try_alone(per_kind, every, copy_of, originals, work):
    """Each suggestion applied alone (EVERY one, or those in units their kind broke) and
    compiled: {kind: [(unit, result, error or None)]}."""
    singles = []
    for kind, trial in per_kind.items():
        broken_units = {entry[0].source for entry, _ in broken(trial)}
        for unit, _, applied in trial.changed:
            if every or unit.source in broken_units:
                for result in applied:
                    single = Trial(os.path.join(work, "alone", "%d" % len(singles)))
                    single.apply(copy_of[unit.source], unit, originals[unit.source], [result])
                    singles.append((kind, unit, result, single))
    compile_trials([single for *_, single in singles])
    alone = {}
    for kind, unit, result, single in singles:
        error = single.errors[0] if single.errors else None
        alone.setdefault(kind, []).append((unit, result, error))
    return alone


def write_breaks(alone, path):
    """Every suggestion that breaks its unit alone, with the compiler's error, as JSON."""
    breaks = [
        dict(result, error=error)
        for tried in alone.values()
        for _, result, error in tried
        if error
    ]
    with open(path, "w") as out:
        json.dump(breaks, out, indent=1)


def kind_label(result):
    return "%d %s" % (result["kind"], result["kindText"])


def read_bytes(path):
    with open(path, "rb") as source:
        return source.read()


def by_kind(results):
    groups = collections.defaultdict(list)
    for result in results:
        groups[kind_label(result)].append(result)
    return groups


def original_lines(data, result):
    lines = data.splitlines()
    first = result["line"] - 1
    count = max(result["lineCount"], 1)
    return [line.decode("latin-1") for line in lines[first : first + count]]


def print_table(kinds, results_by_kind, together, per_kind, alone):
    header = (
        "kind",
        "results",
        "with sugg.",
        "applied",
        "skipped",
        "changed",
        "broken",
        "alone broken/tried",
    )
    rows = []
    for kind in kinds:
        results = results_by_kind[kind]
        trial = per_kind.get(kind)
        tried = alone.get(kind, [])
        rows.append(
            (
                kind,
                len(results),
                sum(map(has_suggestions, results)),
                len(trial.applied) if trial else 0,
                len(trial.skipped) if trial else 0,
                len(trial.changed) if trial else 0,
                len(broken(trial)) if trial else 0,
                "%d/%d" % (sum(1 for *_, error in tried if error), len(tried)),
            )
        )
    every = [r for results in results_by_kind.values() for r in results]
    rows.append(
        (
            "all kinds together",
            len(every),
            sum(map(has_suggestions, every)),
            len(together.applied),
            len(together.skipped),
            len(together.changed),
            len(broken(together)),
            "",
        )
    )
    widths = [max(len(str(row[i])) for row in rows + [header]) for i in range(len(header))]
    for row in [header] + rows:
        cells = [str(cell).ljust(widths[0]) if i == 0 else str(cell).rjust(widths[i])
                 for i, cell in enumerate(row)]
        print("  ".join(cells))


def print_breaks(kinds, per_kind, alone, originals, copy_of, examples):
    def key(unit):
        return os.path.basename(os.path.dirname(copy_of[unit.source]))

    for kind in kinds:
        trial = per_kind.get(kind)
        if not trial or not broken(trial):
            continue
        print("\n%s: %d units broken" % (kind, len(broken(trial))))
        shown = [(unit, result, error) for unit, result, error in alone.get(kind, []) if error]
        for unit, result, error in shown[:examples]:
            print("  %s line %d" % (key(unit), result["line"]))
            for line in original_lines(originals[unit.source], result):
                print("    - " + line)
            for line in result["suggestions"]:
                print("    + " + line)
            print("    fpc: " + error.strip())
        if not shown:
            for (unit, _, _), error in broken(trial)[:examples]:
                print("  %s: fpc: %s" % (key(unit), error.strip()))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sorvik", required=True, help="the command-line tool")
    parser.add_argument("--packages", required=True, help="Free Pascal's packages folder")
    parser.add_argument("--work", required=True, help="scratch folder (emptied but for the cache)")
    parser.add_argument(
        "--alone",
        choices=("all", "broken", "none"),
        default="broken",
        help="suggestions to try one at a time: all, those in units their kind broke, none",
    )
    parser.add_argument("--examples", type=int, default=3, help="breaking suggestions shown per kind")
    args = parser.parse_args()
    sorvik = os.path.abspath(args.sorvik)
    packages = os.path.abspath(args.packages)
    work = os.path.abspath(args.work)
    os.makedirs(work, exist_ok=True)
    clock = Clock()

    def progress(text):
        print(text, file=sys.stderr, flush=True)

    units = fpc_units.compiling_units(packages, work, progress)
    clock.lap("%d units compile on their own" % len(units))

    for folder in ("scan", "together", "kinds", "alone"):
        shutil.rmtree(os.path.join(work, folder), ignore_errors=True)
    scanned = os.path.join(work, "scan")
    unit_of = {fpc_units.place_copy(unit, packages, scanned): unit for unit in units}
    copy_of = {unit.source: copy for copy, unit in unit_of.items()}
    originals = {unit.source: read_bytes(copy) for copy, unit in unit_of.items()}
    line_total = sum(data.count(b"\n") for data in originals.values())
    project = os.path.join(work, "fpc-units.svk")
    write_project(list(unit_of), project)
    document = scan(sorvik, project, os.path.join(work, "scan.json"))
    clock.lap("scan of %d units, %d lines: %d results" % (len(units), line_total, len(document["results"])))

    results_by_kind = by_kind(document["results"])
    kinds = sorted(results_by_kind, key=lambda label: int(label.split()[0]))
    results_by_file = collections.defaultdict(list)
    for result in filter(has_suggestions, document["results"]):
        results_by_file[result["file"]].append(result)
    outside = sum(len(results) for copy, results in results_by_file.items() if copy not in unit_of)

    together = Trial(os.path.join(work, "together"))
    per_kind = {}
    for copy, results in results_by_file.items():
        unit = unit_of.get(copy)
        if unit is None:
            continue
        together.apply(copy, unit, originals[unit.source], results)
        for kind, group in by_kind(results).items():
            folder = os.path.join(work, "kinds", kind.split()[0])
            per_kind.setdefault(kind, Trial(folder)).apply(copy, unit, originals[unit.source], group)
    compile_trials([together] + list(per_kind.values()))
    compiled = len(together.changed) + sum(len(trial.changed) for trial in per_kind.values())
    clock.lap("compiled %d changed units, all kinds together and each kind alone" % compiled)

    alone = {}
    if args.alone != "none":
        alone = try_alone(per_kind, args.alone == "all", copy_of, originals, work)
        clock.lap("compiled %d suggestions one at a time" % sum(map(len, alone.values())))
        write_breaks(alone, os.path.join(work, "breaks.json"))

    print("%d units of %s that compile on their own, %d lines" % (len(units), packages, line_total))
    print("scan: %s, %d results, %d errors" % (document["status"], len(document["results"]), len(document["errors"])))
    if outside:
        print("%d results with suggestions name a file that is not one of the units" % outside)
    print()
    print_table(kinds, results_by_kind, together, per_kind, alone)
    print_breaks(kinds, per_kind, alone, originals, copy_of, args.examples)
    print()
    unused_truth.report(document)
    print()
    unwalked_units.report(sorvik, document)
    clock.lap("reports")
    print("\ntotal %.0f s" % (time.monotonic() - clock.start), file=sys.stderr)


if __name__ == "__main__":
    main()
