#!/usr/bin/env python3
"""How often does "Variable ... is not in use" name a variable that the routine uses?

    unused_truth.py SCAN.json [--sample N]

SCAN.json is the output of `sorvik --format json scan PROJECT`. For each result
of the kind, the file is read with comments and string literals blanked, and
the routine from the result's line to the end of its body. The variable is used
when its name occurs there as a whole word (any case) other than in its own
declaration (its first occurrence), the declaration of a name of a nested
routine or a field after a dot. A variable used only in a nested routine counts
as used (and so does one whose name a nested routine declares again and uses).
Prints the share of results whose variable is used, a sample of them, and the
results whose name is no identifier (a reserved word, or more than one word).
"""

import argparse
import json
import re

from pascal_text import SECTION_END, read_code_lines

UNUSED_VARIABLE_KIND = 36
TOKEN = re.compile(r"[A-Za-z_]\w*|[=:;]")
ROUTINE_WORDS = ("procedure", "function", "constructor", "destructor")
BODY_WORDS = ("begin", "asm")
DECLARED = re.compile(r"\s*:(?!=)")
IDENTIFIER = re.compile(r"[A-Za-z_]\w*$")
RESERVED_WORDS = set(
    """and array as asm begin case class const constructor destructor div do downto else end
    except exports file finalization finally for function goto if implementation in inherited
    initialization inline interface is label library mod nil not object of or packed procedure
    program property raise record repeat set shl shr string then threadvar to try type unit
    until uses var while with xor""".split()
)
MESSAGE = re.compile(r'Variable "(.+)" is not in use$')


def routine_end(code, start):
    """The line index after the routine whose declarations line START belongs to.

    Walks the words from START: each heading met outside a block is a nested
    routine whose body comes first; the routine ends with the body that closes
    when no nested routine is waiting for its own. A procedural type (after
    '=' or ':') is no heading, and the variant part of a record has no end of
    its own."""
    waiting = 1
    blocks = []
    previous = ""
    for i in range(start, len(code)):
        if SECTION_END.match(code[i]):
            return i
        for token in TOKEN.findall(code[i]):
            word = token.lower()
            if not blocks and word in ROUTINE_WORDS and previous not in ("=", ":"):
                waiting += 1
            elif word in BODY_WORDS:
                blocks.append("body" if not blocks else word)
            elif word in ("case", "try") and not (blocks and blocks[-1] == "record"):
                blocks.append(word)
            elif word == "record" or (word == "object" and previous != "of"):
                blocks.append("record")
            elif word == "end" and blocks:
                if blocks.pop() == "body":
                    waiting -= 1
                    if waiting == 0:
                        return i + 1
            previous = word
    return len(code)


def is_use(line, match):
    """Not a field after a dot, nor a name declared (followed by ':') by a nested routine."""
    return line[: match.start()].rstrip()[-1:] != "." and not DECLARED.match(line, match.end())


def first_use(code, start, name):
    """The line index of the first use of NAME from line START to the routine's end, or None.

    The first occurrence is the declaration (or what the check took for one)."""
    word = re.compile(r"\b%s\b" % re.escape(name), re.IGNORECASE)
    declaration_seen = False
    for i in range(start, routine_end(code, start)):
        for match in word.finditer(code[i]):
            if not declaration_seen:
                declaration_seen = True
            elif is_use(code[i], match):
                return i
    return None


def is_identifier(name):
    return IDENTIFIER.match(name) is not None and name.lower() not in RESERVED_WORDS


def truth(document):
    """(result, variable name, line index of a use or None) for each result of the kind whose
    name is an identifier, and the results whose name is none."""
    files = {}
    rows, no_identifier = [], []
    for result in document["results"]:
        match = MESSAGE.search(result["text"])
        if result["kind"] != UNUSED_VARIABLE_KIND or not match:
            continue
        name = match.group(1)
        if not is_identifier(name):
            no_identifier.append(result)
            continue
        path = result["file"]
        if path not in files:
            files[path] = read_code_lines(path)
        rows.append((result, name, first_use(files[path], result["line"] - 1, name)))
    return rows, no_identifier, files


def report(document, sample=10):
    rows, no_identifier, files = truth(document)
    used = [row for row in rows if row[2] is not None]
    total = len(rows) + len(no_identifier)
    share = 100.0 * len(used) / total if total else 0.0
    print(
        'kind %d "Variable ... is not in use": %d results; %d (%.1f %%) name a variable that '
        "occurs later in the routine; %d name no identifier"
        % (UNUSED_VARIABLE_KIND, total, len(used), share, len(no_identifier))
    )
    for result, name, line in used[:: max(1, len(used) // sample)][:sample]:
        print(
            "  %s(%d) %s: used on line %d: %s"
            % (result["file"], result["line"], name, line + 1, files[result["file"]][line].strip())
        )
    for result in no_identifier[:sample]:
        print("  %s(%d) %s" % (result["file"], result["line"], result["text"]))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("scan", help="JSON output of a scan")
    parser.add_argument("--sample", type=int, default=10, help="results shown")
    args = parser.parse_args()
    with open(args.scan) as document:
        report(json.load(document), args.sample)


if __name__ == "__main__":
    main()
