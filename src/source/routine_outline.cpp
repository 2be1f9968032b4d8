#include "source/routine_outline.h"

#include <algorithm>
#include <optional>
#include <string>

#include "generic/strings.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/line_props.h"
#include "source/type_declarations.h"

namespace sorvik {

namespace {

// Nested routines deeper than this are taken for a misread heading: it keeps the search
// short, and the stack small, on text that is no Pascal.
constexpr int kMaxNesting = 16;

std::string_view firstWord(std::string_view text) {
  size_t end = 0;
  while (end < text.size() && isIdentChar(text[end])) ++end;
  return text.substr(0, end);
}

bool isOperatorHeading(std::string_view text) {
  return firstWord(headingKeywordText(text)) == "OPERATOR";
}

// The heading's name: after the keyword, up to "(", ":" or ";".
std::string_view headingName(std::string_view text) {
  text = headingKeywordText(text);
  const size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return {};
  text.remove_prefix(blank + 1);
  return trimView(text.substr(0, text.find_first_of("(:;")));
}

// A name as a heading writes it: identifiers joined by "." (with generic parameters),
// no blank; a statement that only begins like a heading has none.
bool isPlainName(std::string_view name) {
  if (name.empty()) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return isIdentChar(c) || c == '.' || c == '<' || c == '>' || c == ',';
  });
}

// Words after which a heading goes on: the calling convention and the other directives.
bool isDirective(std::string_view word) {
  static constexpr std::string_view kDirectives[] = {
      "ABSTRACT",   "ALIAS",        "ASSEMBLER", "CDECL",     "COMPILERPROC",  "DEPRECATED",
      "DYNAMIC",    "EXPERIMENTAL", "EXPORT",    "EXTERNAL",  "FAR",           "FINAL",
      "FORWARD",    "HARDFLOAT",    "INLINE",    "INTERRUPT", "IOCHECK",       "LOCAL",
      "MESSAGE",    "MWPASCAL",     "NEAR",      "NORETURN",  "NOSTACKFRAME",  "OVERLOAD",
      "OVERRIDE",   "PASCAL",       "PLATFORM",  "PUBLIC",    "REGISTER",      "REINTRODUCE",
      "SAFECALL",   "STATIC",       "STDCALL",   "SYSCALL",   "UNIMPLEMENTED", "VARARGS",
      "VECTORCALL", "VIRTUAL",      "WINAPI"};
  return std::find(std::begin(kDirectives), std::end(kDirectives), word) != std::end(kDirectives);
}

bool isBodyStart(std::string_view word) {
  return word == "BEGIN" || word == "ASM";
}

// The line holds a word that opens a body, where declarations are expected.
bool holdsBodyStart(std::string_view text) {
  return findCodeWord("BEGIN", text) > 0 || findCodeWord("ASM", text) > 0;
}

// The heading's last line with its directives, and whether they make it a declaration
// without body ("FORWARD", "EXTERNAL"); none when the heading does not end before code.
struct HeadingEnd {
  int line = -1;
  bool bodyless = false;
  bool bodyOnLine = false;  // the body follows on the heading's line
};
std::optional<HeadingEnd> readHeadingEnd(TCodeUnit& unit, int heading) {
  HeadingEnd result;
  int depth = 0;
  bool inLiteral = false;
  bool signatureDone = false;
  std::string directives;
  for (int i = heading; i <= unit.LastLine && unit.reach(i); ++i) {
    const std::string_view text = unit.CompactUpperLines[static_cast<size_t>(i)];
    if (text.empty()) continue;
    const bool code = i > heading && (isBodyStart(firstWord(text)) || isRoutineHeading(text));
    if (signatureDone) {
      // Directive lines go on the heading, and so does a line that the one before did not
      // end ("EXTERNAL 'LIB'" / "NAME 'X';").
      const bool continued = !trimView(directives).empty() && !directives.ends_with(';');
      if (code || (!continued && !isDirective(firstWord(text)))) break;
      directives += ' ';
      directives += text;
      result.line = i;
      continue;
    }
    if (code) return std::nullopt;
    result.line = i;
    for (size_t j = 0; j < text.size() && !signatureDone; ++j) {
      const char c = text[j];
      if (c == '\'') inLiteral = !inLiteral;
      if (inLiteral) continue;
      if (c == '(') ++depth;
      if (c == ')') --depth;
      if (c == ';' && depth <= 0) {
        signatureDone = true;
        directives = text.substr(j + 1);
      }
    }
  }
  if (!signatureDone) return std::nullopt;
  if (holdsBodyStart(directives)) {
    result.bodyOnLine = true;
    return result;
  }
  result.bodyless =
      findCodeWord("FORWARD", directives) > 0 || findCodeWord("EXTERNAL", directives) > 0;
  return result;
}

// The words of a line outside literals and directives, each with the character before it.
template <class OnWord>
void forEachWord(std::string_view text, OnWord onWord) {
  size_t i = 0;
  while (i < text.size()) {
    const char c = text[i];
    if (c == '\'') {
      const size_t close = text.find('\'', i + 1);
      i = close == std::string_view::npos ? text.size() : close + 1;
      continue;
    }
    if (c == '{') {
      const size_t close = text.find('}', i + 1);
      i = close == std::string_view::npos ? text.size() : close + 1;
      continue;
    }
    if (!isIdentChar(c)) {
      ++i;
      continue;
    }
    size_t end = i;
    while (end < text.size() && isIdentChar(text[end])) ++end;
    if (!onWord(text.substr(i, end - i), i == 0 ? ' ' : text[i - 1])) return;
    i = end;
  }
}

// Code of a body can hold no routine heading and no section of the unit: a body that runs
// into one has lost its END.
bool endsBody(std::string_view text) {
  const std::string_view word = firstWord(text);
  if (word == "IMPLEMENTATION" || word == "INITIALIZATION" || word == "FINALIZATION") return true;
  return isRoutineHeading(text) && !isOperatorHeading(text) && isPlainName(headingName(text));
}

// The "END;" that closes the BEGIN (or ASM) at line `begin`: BEGIN, CASE, TRY and ASM open
// a block that END closes (inside ASM only END counts). -1 when the block closes on a line
// that is not "END;", or does not close before other code.
int matchingEnd(TCodeUnit& unit, int begin) {
  int depth = 0;
  bool inAsm = false;
  for (int i = begin; i <= unit.LastLine && unit.reach(i); ++i) {
    const std::string_view text = unit.CompactUpperLines[static_cast<size_t>(i)];
    if (i > begin && !inAsm && endsBody(text)) return -1;
    bool closed = false;
    forEachWord(text, [&](std::string_view word, char before) {
      if (before == '@' || before == '&' || before == '.') return true;  // asm labels, fields
      if (word == "END") {
        inAsm = false;
        closed = --depth == 0;
      } else if (!inAsm && (word == "BEGIN" || word == "CASE" || word == "TRY")) {
        ++depth;
      } else if (!inAsm && word == "ASM") {
        ++depth;
        inAsm = true;
      }
      return !closed;
    });
    if (!closed) continue;
    const std::string_view scan = unit.ScanLines[static_cast<size_t>(i)];
    return scan == "END;" || scan.starts_with("END;{") ? i : -1;
  }
  return -1;
}

std::optional<RoutineOutline> outlineAt(TCodeUnit& unit, int heading, int level) {
  if (level > kMaxNesting) return std::nullopt;
  const std::optional<HeadingEnd> headingEnd = readHeadingEnd(unit, heading);
  // A body on the heading's line is none that the routine's lines can hold.
  if (!headingEnd || headingEnd->bodyOnLine) return std::nullopt;
  RoutineOutline outline;
  outline.heading = heading;
  outline.headingEnd = headingEnd->line;
  outline.bodyless = headingEnd->bodyless;
  outline.operatorBody = isOperatorHeading(unit.CompactUpperLines[static_cast<size_t>(heading)]);
  if (outline.bodyless) return outline;
  const std::string_view name = headingName(unit.CompactUpperLines[static_cast<size_t>(heading)]);
  TypeNesting records;
  for (int i = outline.headingEnd + 1; i <= unit.LastLine && unit.reach(i); ++i) {
    const std::string_view text = unit.CompactUpperLines[static_cast<size_t>(i)];
    if (text.empty()) continue;
    const std::string_view word = firstWord(text);
    const bool heads = isRoutineHeading(text);
    if (records.depth() > 0 && !heads && !isBodyStart(word)) {
      records.read(text);
      continue;
    }
    records = TypeNesting();
    if (heads) {
      const std::string_view nestedName = headingName(text);
      // The same name twice in a row: alternative headings of conditional compilation.
      if (nestedName == name && outline.nested.empty()) {
        outline.bodyless = true;
        return outline;
      }
      // A method is never nested: the heading before it has no body of its own.
      if (nestedName.find('.') != std::string_view::npos) return std::nullopt;
      const std::optional<RoutineOutline> nested = outlineAt(unit, i, level + 1);
      if (!nested) return std::nullopt;
      i = nested->bodyless ? nested->headingEnd : nested->end;
      outline.nested.emplace_back(nested->heading, i);
      continue;
    }
    if (records.read(text)) continue;
    if (!isBodyStart(word) && holdsBodyStart(text)) return std::nullopt;
    if (isBodyStart(word)) {
      outline.begin = i;
      outline.end = matchingEnd(unit, i);
      if (outline.end < 0) return std::nullopt;
      return outline;
    }
    if (word == "END" || word == "IMPLEMENTATION" || word == "INITIALIZATION" ||
        word == "FINALIZATION")
      return std::nullopt;
  }
  return std::nullopt;
}

NextRoutine broken(int heading, int resume) {
  NextRoutine next;
  next.found = NextRoutine::Found::Broken;
  next.outline.heading = heading;
  next.resume = resume;
  return next;
}

}  // namespace

std::string_view headingKeywordText(std::string_view compactUpper) {
  if (compactUpper.starts_with("CLASS ")) compactUpper.remove_prefix(6);
  return compactUpper;
}

bool isRoutineHeading(std::string_view compactUpper) {
  const std::string_view text = headingKeywordText(compactUpper);
  if (RoutineKind(text) != 5) return true;
  return text.starts_with("OPERATOR") && text.size() > 8 && !isIdentChar(text[8]);
}

NextRoutine findNextRoutine(TCodeUnit& unit, int startLine, std::vector<int>& enclosing) {
  TypeNesting records;
  for (int i = std::max(startLine, 0); i < unit.LastLine && unit.reach(i); ++i) {
    const std::string_view text = unit.CompactUpperLines[static_cast<size_t>(i)];
    if (text.empty()) continue;
    const std::string_view word = firstWord(text);
    if (isRoutineHeading(text)) {
      records = TypeNesting();
      const std::optional<RoutineOutline> outline = outlineAt(unit, i, 0);
      if (!outline) {
        NextRoutine next = broken(i, i + 1);
        const std::optional<HeadingEnd> headingEnd = readHeadingEnd(unit, i);
        next.oneLine = headingEnd && headingEnd->bodyOnLine;
        return next;
      }
      if (outline->bodyless) {
        i = outline->headingEnd;
      } else if (outline->operatorBody) {
        i = outline->end;
      } else if (!outline->nested.empty()) {
        enclosing.push_back(i);
        i = outline->headingEnd;
      } else {
        return {NextRoutine::Found::Routine, *outline};
      }
      continue;
    }
    if (records.depth() > 0 || records.read(text)) {
      if (!isBodyStart(word)) continue;
      records = TypeNesting();
    }
    if (isBodyStart(word)) {
      if (!enclosing.empty()) {
        // The body of the routine whose nested routines were walked.
        const int heading = enclosing.back();
        enclosing.pop_back();
        std::optional<RoutineOutline> outline = outlineAt(unit, heading, 0);
        if (!outline || outline->begin != i) return broken(heading, i);
        return {NextRoutine::Found::Routine, std::move(*outline)};
      }
      // A body without a heading of its own (a unit's initialization, say) is no routine.
      const int end = matchingEnd(unit, i);
      if (end > i) i = end;
      continue;
    }
    if (word == "INITIALIZATION" || word == "FINALIZATION" || text.starts_with("END.")) break;
  }
  if (!enclosing.empty()) {
    const int heading = enclosing.back();
    enclosing.pop_back();
    return broken(heading, unit.LastLine);
  }
  return {};
}

}  // namespace sorvik
