#include "source/comment_blanker.h"

#include <array>
#include <string_view>

#include "generic/strings.h"

namespace sorvik {

namespace {

void blankRange(std::string& text, size_t from, size_t to) {
  for (size_t i = from; i < to; ++i) {
    if (text[i] != '\r' && text[i] != '\n') text[i] = ' ';
  }
}

// The kinds of comment a scan looks for; an empty `block` opening looks for no block
// comments.
struct CommentSyntax {
  bool lineComments;
  std::string_view blockOpen, blockClose;
  bool braces;
};

constexpr CommentSyntax kPascal{true, "(*", "*)", true};
constexpr CommentSyntax kCStyle{true, "/*", "*/", false};

enum class CommentKind { Line, Block, Brace };

// The characters that can end a literal or open a comment of any syntax: the walk passes
// over every other character at once.
constexpr std::array<bool, 256> kMayMatter = [] {
  std::array<bool, 256> table{};
  for (const unsigned char c : std::string_view("\r\n'/({")) table[c] = true;
  return table;
}();

bool isLineBreak(char c) {
  return c == '\r' || c == '\n';
}

// Walks the text once from left to right and hands every comment to `handle` with its kind
// and its range: whatever opens first wins, so "{ see http://x.org }" is one brace comment
// and "// a { b" one line comment. Quotes toggle the literal state, which restarts on every
// line; nothing opens a comment inside a literal. An opening without its closing is no
// comment and the walk goes on after it; no later opening of that kind could be closed
// either, so it is not looked for again, which keeps the walk linear.
template <class Handle>
void forEachComment(const std::string& text, const CommentSyntax& syntax, Handle handle) {
  bool inLiteral = false;
  bool blockCloses = !syntax.blockOpen.empty();
  bool braceCloses = syntax.braces;
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (!kMayMatter[static_cast<unsigned char>(c)]) {
      // nothing to do
    } else if (isLineBreak(c)) {
      inLiteral = false;
    } else if (c == '\'') {
      inLiteral = !inLiteral;
    } else if (inLiteral) {
      // a literal's text opens nothing
    } else if (syntax.lineComments && c == '/' && text.compare(i, 2, "//") == 0) {
      size_t end = i + 2;
      while (end < text.size() && !isLineBreak(text[end])) ++end;
      handle(CommentKind::Line, i, end);
      i = end;
      continue;
    } else if (blockCloses && c == syntax.blockOpen[0] &&
               text.compare(i, syntax.blockOpen.size(), syntax.blockOpen) == 0) {
      const size_t closing = text.find(syntax.blockClose, i + syntax.blockOpen.size());
      if (closing != std::string::npos) {
        const size_t end = closing + syntax.blockClose.size();
        handle(CommentKind::Block, i, end);
        i = end;
        continue;
      }
      blockCloses = false;
    } else if (braceCloses && c == '{') {
      const size_t closing = text.find('}', i + 1);
      if (closing != std::string::npos) {
        handle(CommentKind::Brace, i, closing + 1);
        i = closing + 1;
        continue;
      }
      braceCloses = false;
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

// The lines joined with CR LF. Blanking keeps every length and line break, so the original
// lengths split the blanked text again even when a line itself holds a CR or LF.
void joinLines(const std::vector<std::string>& lines, std::string& text) {
  text.clear();
  size_t total = 0;
  for (const std::string& line : lines) total += line.size() + 2;
  text.reserve(total);
  for (size_t n = 0; n < lines.size(); ++n) {
    if (n > 0) text += "\r\n";
    text += lines[n];
  }
}

// Runs `pass` over the lines joined and splits the result back.
template <class Pass>
void onJoinedText(std::vector<std::string>& lines, Pass pass) {
  std::string text;
  joinLines(lines, text);
  pass(text);
  size_t pos = 0;
  for (std::string& line : lines) {
    line.assign(text, pos, line.size());
    pos += line.size() + 2;
  }
}

// Blanks the comments of one text; returns the number of block and brace comments blanked
// (line comments are not counted: the statistics count block and brace comments).
template <class KeepBrace>
int blankInText(std::string& text, bool cStyle, const KeepBrace& keepBrace) {
  int count = 0;
  forEachComment(text, cStyle ? kCStyle : kPascal, [&](CommentKind kind, size_t from, size_t to) {
    if (kind == CommentKind::Brace && keepBrace(std::string_view(text).substr(from, to - from)))
      return;
    blankRange(text, from, to);
    if (kind != CommentKind::Line) ++count;
  });
  return count;
}

}  // namespace

int BlankPascalComments(std::vector<std::string>& lines, bool cStyle, bool useIfDefs) {
  return blankComments(lines, cStyle, [useIfDefs](std::string_view group) {
    return keepBraceGroup(group, useIfDefs);
  });
}

int BlankPascalCommentsInText(std::string& text, bool useIfDefs) {
  return blankInText(text, false, [useIfDefs](std::string_view group) {
    return keepBraceGroup(group, useIfDefs);
  });
}

int blankComments(std::vector<std::string>& lines, bool cStyle,
                  const std::function<bool(std::string_view group)>& keepBrace) {
  int count = 0;
  onJoinedText(lines, [&](std::string& text) { count = blankInText(text, cStyle, keepBrace); });
  return count;
}

// The walk of forEachComment with braces alone, a line at a time: an opening closes when
// any "}" follows it, which the last "}" tells.
void BlankBraces(const LineList& lines, std::string& line,
                 const std::function<void(size_t, std::string_view)>& visit) {
  size_t lastLine = lines.size();  // the line of the last "}"; size() when there is none
  size_t lastAt = 0;
  for (size_t n = lines.size(); n-- > 0;) {
    if (const size_t at = lines[n].rfind('}'); at != std::string_view::npos) {
      lastLine = n;
      lastAt = at;
      break;
    }
  }
  bool inGroup = false;
  bool braceCloses = lastLine < lines.size();
  for (size_t n = 0; n < lines.size(); ++n) {
    const std::string_view text = lines[n];
    // Outside a group only a "{" that some "}" follows changes a line: most lines have none.
    if (!inGroup && (!braceCloses || text.find('{') == std::string_view::npos)) {
      visit(n, text);
      continue;
    }
    line.assign(text);
    bool inLiteral = false;
    for (size_t i = 0; i < line.size(); ++i) {
      const char c = line[i];
      if (inGroup) {
        inGroup = c != '}';
        if (!isLineBreak(c)) line[i] = ' ';
      } else if (isLineBreak(c)) {
        inLiteral = false;
      } else if (c == '\'') {
        inLiteral = !inLiteral;
      } else if (!inLiteral && braceCloses && c == '{') {
        if (n < lastLine || (n == lastLine && i < lastAt)) {
          inGroup = true;
          line[i] = ' ';
        } else {
          braceCloses = false;
        }
      }
    }
    visit(n, line);
  }
}

}  // namespace sorvik
