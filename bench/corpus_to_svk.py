#!/usr/bin/env python3
"""Lists every unit (.pas) and form (.dfm) below a folder in a sorvik project file.

    corpus_to_svk.py DIR OUT.svk

The project file holds one section [Files] with the keys File0, File1, ...,
each the full path of one file, in sorted order, with CR LF line ends. It
turns any tree of Delphi sources (the Free Pascal sources under
/usr/share/fpcsrc, say) into a project that sorvik can scan.
"""

import argparse
import os
import sys

EXTENSIONS = (".pas", ".dfm")


def source_files(root):
    for folder, subfolders, names in os.walk(os.path.abspath(root)):
        subfolders.sort()
        for name in sorted(names):
            if name.lower().endswith(EXTENSIONS):
                yield os.path.join(folder, name)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("dir")
    parser.add_argument("out")
    args = parser.parse_args()
    if not os.path.isdir(args.dir):
        parser.error("not a folder: " + args.dir)
    lines = [b"[Files]"]
    for number, path in enumerate(source_files(args.dir)):
        lines.append(b"File%d=" % number + os.fsencode(path))
    with open(args.out, "wb") as out:
        out.write(b"\r\n".join(lines) + b"\r\n")
    print("%d files in %s" % (len(lines) - 1, args.out), file=sys.stderr)


if __name__ == "__main__":
    main()
