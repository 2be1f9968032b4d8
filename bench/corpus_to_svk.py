#!/usr/bin/env python3
"""Lists every unit (.pas) and form (.dfm) below a folder in a sorvik project file.

    corpus_to_svk.py DIR OUT.svk [--pages]

The project file holds one section [Files] with the keys File0, File1, ...,
each the full path of one file, in sorted order, with CR LF line ends. It
turns any tree of Delphi sources (the Free Pascal sources under
/usr/share/fpcsrc, say) into a project that sorvik can scan. With --pages it
lists the web pages (.htm, .html, .aspx, .asp) instead.
"""

import argparse
import os
import sys

EXTENSIONS = (".pas", ".dfm")
PAGE_EXTENSIONS = (".htm", ".html", ".aspx", ".asp")


def source_files(root, extensions):
    for folder, subfolders, names in os.walk(os.path.abspath(root)):
        subfolders.sort()
        for name in sorted(names):
            if name.lower().endswith(extensions):
                yield os.path.join(folder, name)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("dir")
    parser.add_argument("out")
    parser.add_argument("--pages", action="store_true", help="list web pages, not units")
    args = parser.parse_args()
    if not os.path.isdir(args.dir):
        parser.error("not a folder: " + args.dir)
    lines = [b"[Files]"]
    extensions = PAGE_EXTENSIONS if args.pages else EXTENSIONS
    for number, path in enumerate(source_files(args.dir, extensions)):
        lines.append(b"File%d=" % number + os.fsencode(path))
    with open(args.out, "wb") as out:
        out.write(b"\r\n".join(lines) + b"\r\n")
    print("%d files in %s" % (len(lines) - 1, args.out), file=sys.stderr)


if __name__ == "__main__":
    main()
