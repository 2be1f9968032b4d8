#include "source/type_declarations.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "generic/strings.h"
#include "source/line_props.h"

namespace sorvik {

namespace {

std::string_view firstWord(std::string_view text) {
  size_t end = 0;
  while (end < text.size() && isIdentChar(text[end])) ++end;
  return text.substr(0, end);
}

bool isTypeLine(std::string_view text) {
  return text == "TYPE" || text.starts_with("TYPE ");
}

// The words that open a structured type when they follow "=" and have members.
bool isClassLikeWord(std::string_view word) {
  return word == "CLASS" || word == "OBJECT" || word == "INTERFACE" || word == "DISPINTERFACE";
}

// Whether "=" (and maybe "PACKED") is what stands before a word, on its line or, when
// nothing does, at the end of the line before.
bool followsEquals(std::string_view before, bool lineAfterEquals) {
  before = trimView(before);
  if (before.ends_with("PACKED") && (before.size() == 6 || !isIdentChar(before[before.size() - 7])))
    before = trimView(before.substr(0, before.size() - 6));
  return before.empty() ? lineAfterEquals : before.ends_with('=');
}

// The first ")" at or after a position of one line. The positions asked for only grow, so
// the line is searched once however many words ask.
class ClosingParen {
 public:
  explicit ClosingParen(std::string_view line) : line_(line) {}
  size_t after(size_t pos) {
    if (!searched_ || (found_ != std::string_view::npos && found_ < pos)) {
      found_ = line_.find(')', pos);
      searched_ = true;
    }
    return found_;
  }

 private:
  std::string_view line_;
  bool searched_ = false;
  size_t found_ = std::string_view::npos;
};

// What follows "CLASS" and its like at `from`: members, rather than ";" (a forward
// declaration, or a class that adds none to its ancestor) or "OF" (a class reference).
bool hasMembers(std::string_view line, size_t from, ClosingParen& closing) {
  std::string_view rest = trimView(line.substr(from));
  for (const std::string_view modifier : {"SEALED", "ABSTRACT"}) {
    if (firstWord(rest) == modifier) rest = trimView(rest.substr(modifier.size()));
  }
  if (rest.starts_with('(')) {
    const size_t close = closing.after(static_cast<size_t>(rest.data() - line.data()));
    if (close == std::string_view::npos) return true;
    rest = trimView(line.substr(close + 1));
  }
  return !rest.starts_with(';') && firstWord(rest) != "OF";
}

// The text of a routine heading from its keyword on, a class method's and an operator's too;
// empty when the line is none.
std::string_view routineHeading(std::string_view text) {
  if (text.starts_with("CLASS ")) text.remove_prefix(6);
  if (RoutineKind(text) != 5 || text.starts_with("OPERATOR ")) return text;
  return {};
}

// A heading whose name holds a "." implements a method, which no declaration does ("PROCEDURE
// IFOO.BAR=BAZ;" in a class maps an interface's method to one of the class and is no
// implementation).
bool implementsMethod(std::string_view heading) {
  const std::string_view rest = heading.substr(heading.find(' ') + 1);
  const size_t stop = rest.find_first_of("(:;=");
  return rest.substr(0, stop).find('.') != std::string_view::npos &&
         (stop == std::string_view::npos || rest[stop] != '=');
}

// A line before which a type section ends. Code ends it wherever it stands; a routine heading
// or another section only outside a structured type, where a class's method headings, "VAR"
// and "CONST" are members.
bool endsSection(std::string_view text, int depth) {
  const std::string_view word = firstWord(text);
  if (word == "BEGIN" || word == "ASM" || word == "INITIALIZATION" || word == "FINALIZATION" ||
      word == "IMPLEMENTATION" || text.starts_with("END."))
    return true;
  if (const std::string_view heading = routineHeading(text); !heading.empty())
    return depth == 0 || implementsMethod(heading);
  static constexpr std::array<std::string_view, 7> kSections = {
      "VAR", "CONST", "RESOURCESTRING", "THREADVAR", "LABEL", "EXPORTS", "USES"};
  return depth == 0 && std::find(kSections.begin(), kSections.end(), word) != kSections.end();
}

}  // namespace

bool TypeNesting::read(std::string_view line) {
  const int before = depth_;
  bool opens = false;
  bool inLiteral = false;
  int angles = 0;  // inside generic parameters, whose constraints name "CLASS" and "RECORD"
  ClosingParen closing(line);
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == '\'') inLiteral = !inLiteral;
    if (inLiteral || !isIdentChar(c)) {
      if (!inLiteral && c == '<') ++angles;
      if (!inLiteral && c == '>' && angles > 0) --angles;
      ++i;
      continue;
    }
    size_t end = i;
    while (end < line.size() && isIdentChar(line[end])) ++end;
    const std::string_view word = line.substr(i, end - i);
    if (angles > 0) {
      // a generic parameter's constraint opens nothing
    } else if (word == "END") {
      depth_ = std::max(0, depth_ - 1);
    } else if (word == "RECORD" ||
               (isClassLikeWord(word) && followsEquals(line.substr(0, i), afterEquals_) &&
                hasMembers(line, end, closing))) {
      ++depth_;
      opens = true;
    }
    i = end;
  }
  afterEquals_ = trimView(line).ends_with('=');
  return before > 0 || opens;
}

void hideImplementationTypes(LineForms& lines, int implLine) {
  const LineList& text = lines.CompactUpperLines;
  std::optional<TypeNesting> section;
  for (size_t i = static_cast<size_t>(std::max(implLine, -1) + 1); i < text.size(); ++i) {
    const std::string_view line = text[i];
    if (!section) {
      if (!isTypeLine(line)) continue;
      section.emplace();
    } else if (line.empty() || line.starts_with('{')) {
      continue;
    } else if (endsSection(line, section->depth())) {
      section.reset();
      continue;
    }
    section->read(isTypeLine(line) ? std::string_view(line).substr(4) : std::string_view(line));
    lines.blank(i);
  }
}

}  // namespace sorvik
