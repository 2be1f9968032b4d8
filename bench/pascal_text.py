"""Pascal source text as the benchmark scripts read it, independent of sorvik.

blank_comments_and_literals() turns every comment ({ }, (* *), //) and every
string literal into spaces in one left-to-right pass, so that a word found in
what is left is code. Line breaks are kept, so line numbers stay the same.
"""

import re

# A routine heading that starts a line: the regexes of the scripts agree on it.
HEADING = re.compile(
    r"^\s*(class\s+)?(procedure|function|constructor|destructor|operator)\s+[\w.<>,]+",
    re.IGNORECASE,
)
# The implementation section ends at these words standing at the start of a line.
SECTION_END = re.compile(r"^(initialization|finalization|end\s*\.)", re.IGNORECASE)
IMPLEMENTATION = re.compile(r"^\s*implementation\b", re.IGNORECASE)


LINE_BREAK = re.compile(r"\r\n|\r|\n")
# Where a comment or a literal may open.
OPENER = re.compile(r"[{'/(]")


def _blank(chars):
    return "".join(c if c in "\r\n" else " " for c in chars)


def blank_comments_and_literals(text):
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if c == "{":
            end = text.find("}", i + 1)
            end = n if end < 0 else end + 1
        elif text.startswith("(*", i):
            end = text.find("*)", i + 2)
            end = n if end < 0 else end + 2
        elif text.startswith("//", i):
            found = LINE_BREAK.search(text, i)
            end = found.start() if found else n
        elif c == "'":
            # A literal ends at the next single quote that is not doubled, or at
            # the end of the line when it is left open.
            end = i + 1
            while end < n and text[end] not in "\r\n":
                if text[end] == "'":
                    if end + 1 < n and text[end + 1] == "'":
                        end += 2
                        continue
                    end += 1
                    break
                end += 1
        else:
            found = OPENER.search(text, i + 1)
            end = found.start() if found else n
            out.append(text[i:end])
            i = end
            continue
        out.append(_blank(text[i:end]))
        i = end
    return "".join(out)


def read_code_lines(path):
    """The file's lines with comments and literals blanked (no line ends)."""
    with open(path, "rb") as source:
        text = source.read().decode("latin-1")
    return LINE_BREAK.split(blank_comments_and_literals(text))


def implementation_range(code_lines):
    """First and end line index of the implementation section, or None."""
    start = next((i for i, line in enumerate(code_lines) if IMPLEMENTATION.match(line)), None)
    if start is None:
        return None
    end = next(
        (i for i in range(start + 1, len(code_lines)) if SECTION_END.match(code_lines[i])),
        len(code_lines),
    )
    return start + 1, end
