#!/usr/bin/env python3
"""Units whose implementation has routine headings but of which no routine was walked.

    unwalked_units.py --sorvik build/src/sorvik SCAN.json

SCAN.json is the output of `sorvik --format json scan PROJECT`. For every unit
of the scan, the routine headings of its implementation section are counted
(comments and literals blanked; a heading of an external routine is not
counted) and `sorvik inspect routines` lists the routines the walk found. A
unit with headings and no routine is listed, with whether an error line of the
scan names it: one that none names has lost its routines silently.
"""

import argparse
import concurrent.futures
import json
import os
import re
import subprocess
import tempfile

from pascal_text import HEADING, implementation_range, read_code_lines

EXTERNAL = re.compile(r"\bexternal\b", re.IGNORECASE)
JOBS = 2


def heading_count(path):
    code = read_code_lines(path)
    section = implementation_range(code)
    if section is None:
        return 0
    count = 0
    for i in range(*section):
        # An external routine has no body; its directive is on the heading or just below.
        if HEADING.match(code[i]) and not EXTERNAL.search(" ".join(code[i : i + 3])):
            count += 1
    return count


def walked_routines(sorvik, config, path):
    done = subprocess.run(
        [sorvik, "--config-dir", config, "inspect", "routines", path],
        stdout=subprocess.PIPE,
        stderr=subprocess.DEVNULL,
    )
    return len(json.loads(done.stdout)["routines"]) if done.returncode == 0 else None


def unwalked(sorvik, document):
    """(path, heading count, error lines naming it) for each unit with headings and no routine."""
    units = [entry["path"] for entry in document["files"] if entry["kind"] == "unit"]
    with_headings = [(path, heading_count(path)) for path in units]
    with_headings = [(path, count) for path, count in with_headings if count]
    with tempfile.TemporaryDirectory(prefix="sorvik-config-") as config:
        with concurrent.futures.ThreadPoolExecutor(JOBS) as pool:
            walked = list(pool.map(lambda item: walked_routines(sorvik, config, item[0]), with_headings))
    rows = []
    for (path, count), routines in zip(with_headings, walked):
        if routines == 0:
            name = os.path.basename(path).lower()
            naming = [line for line in document["errors"] if name in line.lower()]
            rows.append((path, count, naming))
    return units, rows


def report(sorvik, document):
    units, rows = unwalked(sorvik, document)
    silent = [row for row in rows if not row[2]]
    print(
        "%d units scanned; %d have routine headings in their implementation but no routine "
        "walked; %d of them without an error line naming them" % (len(units), len(rows), len(silent))
    )
    for path, count, naming in rows:
        why = naming[0] if naming else "no error line"
        print("  %s: %d headings; %s" % (path, count, why))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--sorvik", required=True, help="the command-line tool")
    parser.add_argument("scan", help="JSON output of a scan")
    args = parser.parse_args()
    with open(args.scan) as document:
        report(os.path.abspath(args.sorvik), json.load(document))


if __name__ == "__main__":
    main()
