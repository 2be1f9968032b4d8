"""Applies the replacement lines of scan results to a file's bytes.

A result with suggestions stands for `lineCount` lines from `line` (1-based):
- its lines are the new text of those lines;
- a first line "{Insert:}" inserts the lines after it before `line`, and replaces nothing;
- the single line "{Remove line}" deletes the lines.
The results of a file are taken in the scan's order; one whose lines overlap
those of a result taken before it, or that reaches past the end of the file,
is skipped. The rest are applied from the bottom of the file up, so that each
result's line numbers still hold when it is applied. Untouched lines keep their
bytes; new lines get the line end of the line they replace (or the file's first).
"""

INSERT_MARKER = "{Insert:}"
REMOVE_MARKER = "{Remove line}"
UTF8_BOM = b"\xef\xbb\xbf"


class Edit:
    """One result's change: delete `count` lines from index `start`, put `lines` there."""

    def __init__(self, result):
        suggestions = result["suggestions"]
        self.result = result
        self.start = result["line"] - 1
        self.count = result["lineCount"]
        self.lines = suggestions
        if suggestions and suggestions[0] == INSERT_MARKER:
            self.count, self.lines = 0, suggestions[1:]
        elif suggestions == [REMOVE_MARKER]:
            self.lines = []

    def overlaps(self, other):
        # An insertion is a point before its line: it clashes with lines that are
        # replaced around it, not with those that start there.
        if self.count == 0 and other.count == 0:
            return False
        if self.count == 0:
            return other.start < self.start < other.start + other.count
        if other.count == 0:
            return other.overlaps(self)
        return self.start < other.start + other.count and other.start < self.start + self.count


def has_suggestions(result):
    return bool(result.get("suggestions"))


def _encoder(body):
    """Text as the file's own bytes: UTF-8 when the file is UTF-8, else Windows-1252."""
    try:
        body.decode("utf-8")
        return lambda text: text.encode("utf-8")
    except UnicodeDecodeError:
        pass

    def single_byte(text):
        out = bytearray()
        for char in text:
            try:
                out += char.encode("cp1252")
            except UnicodeEncodeError:
                out.append(ord(char) if ord(char) < 256 else ord("?"))
        return bytes(out)

    return single_byte


def _line_end(line):
    if line.endswith(b"\r\n"):
        return b"\r\n"
    if line.endswith((b"\n", b"\r")):
        return line[-1:]
    return b""


def choose_edits(results, line_total):
    """The edits of RESULTS (one file, scan order) that can be applied, and the skipped results."""
    chosen, skipped = [], []
    for result in results:
        edit = Edit(result)
        if edit.start < 0 or edit.start + edit.count > line_total or any(
            edit.overlaps(taken) for taken in chosen
        ):
            skipped.append(result)
        else:
            chosen.append(edit)
    return chosen, skipped


def apply_results(data, results):
    """New bytes of a file after RESULTS; returns (bytes, applied results, skipped results)."""
    bom = UTF8_BOM if data.startswith(UTF8_BOM) else b""
    body = data[len(bom) :]
    lines = body.splitlines(keepends=True)
    chosen, skipped = choose_edits(results, len(lines))
    encode = _encoder(body)
    default_end = _line_end(lines[0]) if lines else b"\r\n"
    # Bottom up; at one line an insertion goes last, so that it lands before what
    # replaced the line, and insertions keep the scan's order among themselves.
    order = sorted(
        range(len(chosen)),
        key=lambda n: (chosen[n].start, chosen[n].count > 0, n),
        reverse=True,
    )
    for n in order:
        edit = chosen[n]
        replaced = lines[edit.start : edit.start + edit.count]
        end = (_line_end(replaced[0]) if replaced else b"") or default_end or b"\r\n"
        new = [encode(text) + end for text in edit.lines]
        if replaced and not _line_end(replaced[-1]) and new:
            new[-1] = new[-1][: -len(end)]
        lines[edit.start : edit.start + edit.count] = new
    return bom + b"".join(lines), [edit.result for edit in chosen], skipped
