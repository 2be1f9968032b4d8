"""Units of Free Pascal's package sources that compile on their own, and compiling them.

A candidate is a .pp or .pas file below packages/*/src/ whose first word is
`unit`. It is copied into a folder of its own, under its unit name with the
extension .pas, together with the files it includes, and compiled there with
the installed compiler: other units come from the installed packages. Only the
copy's folder is on the unit path, so a sibling source never gets compiled in
its place.

The units that compile are cached in WORK/compiling.json (with those that did
not), keyed by the packages folder, so that a rerun compiles nothing here.
"""

import concurrent.futures
import json
import os
import re
import shutil
import subprocess
import tempfile

from pascal_text import blank_comments_and_literals

SOURCE_EXTENSIONS = (".pp", ".pas")
UNIT_HEADING = re.compile(r"\s*unit\s+([\w.]+)\s*;", re.IGNORECASE)
MODE_DIRECTIVE = re.compile(rb"\{\$mode\s", re.IGNORECASE)
# {$I name} and {$INCLUDE name}, not the switches {$I+} and {$I-} nor {$I %macro%}.
INCLUDE_DIRECTIVE = re.compile(rb"\{\$(?:i|include)\s+('[^']+'|[^}%+\-\s][^}\s]*)", re.IGNORECASE)
# What the compiler tries for an include name without an extension.
INCLUDE_EXTENSIONS = (".inc", ".pp", ".pas")
# Include folders that the packages' build files name beside the unit's own.
INCLUDE_SUBFOLDERS = ("", "inc", "unix", "linux")
CACHE_NAME = "compiling.json"
JOBS = 2


class Unit:
    """A candidate: its original file, its unit name and the compiler options it needs."""

    def __init__(self, source, name, options):
        self.source = source
        self.name = name
        self.options = options

    def key(self, packages):
        """A folder name for the unit's copies that tells the candidates apart."""
        relative = os.path.relpath(self.source, packages)
        return relative.replace(os.sep, "~")

    def copy_name(self):
        return self.name + ".pas"

    def as_dict(self):
        return {"source": self.source, "name": self.name, "options": self.options}


def unit_name(path):
    with open(path, "rb") as source:
        text = source.read().decode("latin-1")
    match = UNIT_HEADING.match(blank_comments_and_literals(text))
    return match.group(1) if match else None


def compiler_options(path, package_src):
    with open(path, "rb") as source:
        sets_mode = MODE_DIRECTIVE.search(source.read())
    folders = [os.path.dirname(path)]
    folders += [os.path.join(package_src, sub) for sub in INCLUDE_SUBFOLDERS]
    options = [] if sets_mode else ["-Mdelphi"]
    seen = set()
    for folder in folders:
        folder = os.path.normpath(folder)
        if os.path.isdir(folder) and folder not in seen:
            seen.add(folder)
            options.append("-Fi" + folder)
    return options


def candidates(packages):
    for package in sorted(os.listdir(packages)):
        package_src = os.path.join(packages, package, "src")
        for folder, subfolders, names in os.walk(package_src):
            subfolders.sort()
            for file_name in sorted(names):
                if not file_name.lower().endswith(SOURCE_EXTENSIONS):
                    continue
                path = os.path.join(folder, file_name)
                name = unit_name(path)
                if name:
                    yield Unit(path, name, compiler_options(path, package_src))


def compile_unit(path, options):
    """Compiles the unit file PATH; returns None when it compiles, else the first error line."""
    with tempfile.TemporaryDirectory(prefix="fpc-out-") as output:
        done = subprocess.run(
            ["fpc", "-ve", "-FU" + output, *options, path],
            cwd=os.path.dirname(path),
            stdout=subprocess.PIPE,
            stderr=subprocess.STDOUT,
            stdin=subprocess.DEVNULL,
        )
    if done.returncode == 0:
        return None
    lines = done.stdout.decode("latin-1").splitlines()
    errors = [line for line in lines if "Error:" in line or "Fatal:" in line]
    return (errors or lines or ["exit status %d" % done.returncode])[0]


def compile_all(jobs):
    """Compiles each (path, options) of JOBS, two at a time; the results in their order."""
    with concurrent.futures.ThreadPoolExecutor(JOBS) as pool:
        return list(pool.map(lambda job: compile_unit(*job), jobs))


def find_include(name, folders):
    """The file that NAME names in the first of FOLDERS that holds it, in any case."""
    tries = [name] if os.path.splitext(name)[1] else [name + ext for ext in INCLUDE_EXTENSIONS]
    for folder in folders:
        for attempt in tries:
            parent = os.path.join(folder, os.path.dirname(attempt))
            wanted = os.path.basename(attempt).lower()
            if os.path.isdir(parent):
                for entry in os.listdir(parent):
                    if entry.lower() == wanted:
                        return os.path.join(parent, entry)
    return None


def copy_includes(source, folder, include_folders, done):
    """Copies the files that SOURCE includes, and theirs, into FOLDER under the names written."""
    with open(source, "rb") as text:
        names = INCLUDE_DIRECTIVE.findall(text.read())
    for raw in names:
        name = raw.decode("latin-1").strip("'")
        found = find_include(name, [os.path.dirname(source)] + include_folders)
        if not found or name.lower() in done:
            continue
        done.add(name.lower())
        target = os.path.join(folder, name)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(found, target)
        copy_includes(found, folder, include_folders, done)


def place_copy(unit, packages, root):
    """Copies the unit's original, and the files it includes, into a folder of its own below
    ROOT, where both the compiler and a scan find them; returns the copy's path."""
    folder = os.path.join(root, unit.key(packages))
    os.makedirs(folder, exist_ok=True)
    path = os.path.join(folder, unit.copy_name())
    shutil.copyfile(unit.source, path)
    include_folders = [option[3:] for option in unit.options if option.startswith("-Fi")]
    copy_includes(unit.source, folder, include_folders, set())
    return path


def compiling_units(packages, work, progress):
    """The candidates that compile standalone, from the cache when it is for PACKAGES."""
    cache_path = os.path.join(work, CACHE_NAME)
    if os.path.exists(cache_path):
        with open(cache_path) as cache_file:
            cache = json.load(cache_file)
        if cache["packages"] == packages:
            return [Unit(**entry) for entry in cache["compiling"]]
    units = list(candidates(packages))
    progress("compiling %d candidate units once, %d at a time" % (len(units), JOBS))
    trial = os.path.join(work, "trial")
    shutil.rmtree(trial, ignore_errors=True)
    copies = [place_copy(unit, packages, trial) for unit in units]
    errors = compile_all(list(zip(copies, (unit.options for unit in units))))
    shutil.rmtree(trial, ignore_errors=True)
    cache = {
        "packages": packages,
        "compiling": [unit.as_dict() for unit, error in zip(units, errors) if error is None],
        "failing": [
            dict(unit.as_dict(), error=error) for unit, error in zip(units, errors) if error
        ],
    }
    with open(cache_path, "w") as cache_file:
        json.dump(cache, cache_file, indent=1)
    return [Unit(**entry) for entry in cache["compiling"]]
