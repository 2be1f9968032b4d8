#include "source/comment_blanker.h"

#include <string_view>

#include "generic/strings.h"

namespace sorvik {

namespace {

void blankRange(std::string& text, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i) {
    if (text[i] != '\r' && text[i] != '\n') text[i] = ' ';
  }
}

// "//" outside a literal blanks the rest of the line; quotes toggle the literal state,
// which starts afresh on every line. Line comments are not counted: the statistics count
// block and brace comments.
void blankLineComments(std::vector<std::string>& lines) {
  for (std::string& line : lines) {
    bool inLiteral = false;
    for (size_t i = 0; i + 1 < line.size(); ++i) {
      if (line[i] == '\'') {
        inLiteral = !inLiteral;
      } else if (!inLiteral && line[i] == '/' && line[i + 1] == '/') {
        blankRange(line, i, line.size());
        break;
      }
    }
  }
}

// Walks the joined text for `open` outside literals (the literal state restarts at
// every CR) and hands each group up to the next `close` to `handle`. An opening without
// its closing leaves the rest of the text as it is: no later one could be closed either.
template <class Handle>
void forEachGroup(std::string& text, std::string_view open, std::string_view close, Handle handle) {
  bool inLiteral = false;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\r') {
      inLiteral = false;
    } else if (c == '\'') {
      inLiteral = !inLiteral;
    } else if (!inLiteral && text.compare(i, open.size(), open) == 0) {
      const size_t closing = text.find(close, i + open.size());
      if (closing == std::string::npos) return;
      const size_t end = closing + close.size();
      handle(i, end);
      i = end;
      continue;
    }
    ++i;
  }
}

// A brace group that the later passes still need: an include directive ("{$I name",
// "{$INCLUDE name", but not "{$IF"), and with conditional compilation the directives
// its handler reads.
bool keepBraceGroup(std::string_view group, bool useIfDefs) {
  const std::string head = upperCase(trimView(group).substr(0, 8));
  if (head.size() >= 4 && head[1] == '$' && head[2] == 'I' && head[3] != 'F') return true;
  if (!useIfDefs) return false;
  const std::string_view directive = std::string_view(head).substr(1);
  for (std::string_view kept : {"$IFDEF", "$IFEND", "$ENDIF", "$IFNDEF", "$ELSE"}) {
    if (directive.starts_with(kept)) return true;
  }
  return false;
}

// Runs `pass` over the lines joined with CR LF and splits the result back. Blanking
// keeps every length and line break, so the original lengths split it again even when
// a line itself holds a CR or LF.
template <class Pass>
void onJoinedText(std::vector<std::string>& lines, Pass pass) {
  std::string text;
  size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 2;
  text.reserve(total);
  for (size_t n = 0; n < lines.size(); ++n) {
    if (n > 0) text += "\r\n";
    text += lines[n];
  }
  pass(text);
  size_t pos = 0;
  for (std::string& line : lines) {
    line.assign(text, pos, line.size());
    pos += line.size() + 2;
  }
}

}  // namespace

int BlankPascalComments(std::vector<std::string>& lines, bool cStyle, bool useIfDefs) {
  return blankComments(lines, cStyle, [useIfDefs](std::string_view group) {
    return keepBraceGroup(group, useIfDefs);
  });
}

int blankComments(std::vector<std::string>& lines, bool cStyle,
                  const std::function<bool(std::string_view group)>& keepBrace) {
  int count = 0;
  blankLineComments(lines);
  onJoinedText(lines, [&](std::string& text) {
    const auto blankGroup = [&](size_t from, size_t to) {
      blankRange(text, from, to);
      ++count;
    };
    if (cStyle) {
      forEachGroup(text, "/*", "*/", blankGroup);
      return;
    }
    forEachGroup(text, "(*", "*)", blankGroup);
    forEachGroup(text, "{", "}", [&](size_t from, size_t to) {
      if (!keepBrace(std::string_view(text).substr(from, to - from))) blankGroup(from, to);
    });
  });
  return count;
}

void BlankBraces(std::vector<std::string>& lines) {
  onJoinedText(lines, [](std::string& text) {
    forEachGroup(text, "{", "}", [&](size_t from, size_t to) { blankRange(text, from, to); });
  });
}

}  // namespace sorvik
