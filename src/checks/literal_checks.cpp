#include "checks/literal_checks.h"

#include <optional>
#include <string>
#include <vector>

#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "project/project.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

constexpr int kPCharKind = 11;
constexpr int kNoFunctionKind = 32;

// A statement that may hold a call on a literal.
bool holdsCall(const TLineProps& props) {
  return !props.IsEmpty && !isKeywordLine(props) && props.HasParen;
}

bool onlyCharactersOf(std::string_view text, std::string_view allowed) {
  return text.find_first_not_of(allowed) == std::string_view::npos;
}

// The decimal text of an integer written as digits or "$" and hexadecimal digits, with an
// optional "-" and blanks anywhere; none for anything else (an expression such as "5-3").
std::optional<std::string> integerValue(std::string_view written) {
  std::string text;
  for (const char c : written)
    if (c != ' ') text += c;
  const bool negative = text.starts_with('-');
  if (negative) text.erase(0, 1);
  const bool hexadecimal = text.starts_with('$');
  if (hexadecimal) text.erase(0, 1);
  // Fifteen digits keep the value inside 64 bits in either base (the hexadecimal digits
  // here are 0-9 only: letters never pass the caller's filter).
  if (!isDigits(text) || text.size() > 15) return std::nullopt;
  long long value = 0;
  for (const char c : text) value = value * (hexadecimal ? 16 : 10) + (c - '0');
  return std::to_string(negative ? -value : value);
}

// Statement k continues an ordinary statement that did not end on the line before (the
// arguments of a call spread over lines, say).
bool continuesStatement(const TProcedureItem& routine, size_t k) {
  while (k > 0 && routine.LineProps[k - 1].IsEmpty) --k;
  if (k == 0) return false;
  const TLineProps& before = routine.LineProps[k - 1];
  return before.StatementKind == 0 && !before.EndsWithSemicolon;
}

// Kind 7 for a call that begins statement k (its result is thrown away); otherwise the
// position of the call in the compact text, 0 when there is none.
int literalCallAt(TProject& project, TProcedureItem& routine, size_t k, std::string_view call,
                  std::string_view name) {
  const int line = statementLine(routine, k);
  const int at = findCodeWord(call, lineOf(routine.Unit->CompactUpperLines, line));
  if (at != 1) return at;
  if (kindOn(project, kUnusedResultKind) && !continuesStatement(routine, k))
    reportStatement(project, routine, kUnusedResultKind, line,
                    "Function result for " + std::string(name) + " is ignored");
  return 0;
}

// The cast is the whole right side of an assignment to a string or PChar variable, the one
// place known to take a literal as it takes the pointer: a parameter may be a Pointer
// (CompareMem(PChar('abc'), ...)), and a cast to a number or a dereference needs the pointer
// (LongInt(PChar(''))).
bool assignsCast(const TProcedureItem& routine, size_t k, std::string_view compact,
                 std::string_view cast) {
  const std::string& target = routine.StringTargets[k];
  if (target.empty()) return false;
  const std::string head = target + ":=" + std::string(cast) + "(";
  if (!compact.starts_with(head)) return false;
  const size_t close = literalEnd(compact, head.size());
  return close != std::string_view::npos &&
         (compact.substr(close + 1) == ")" || compact.substr(close + 1) == ");");
}

}  // namespace

void CheckPCharCast(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kPCharKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (!holdsCall(props) || !props.HasString) continue;
    const int line = statementLine(routine, k);
    const std::string_view compact = lineOf(unit.CompactUpperLines, line);
    std::string cast(firstCodeWord(compact, {"PCHAR('", "PWIDECHAR('"}));
    if (cast.empty()) continue;
    cast.resize(cast.size() - 2);  // the name without "('"
    // The cast is taken out of the statement's own text; a cast around more than the
    // literal keeps its parentheses, and the statement is reported as it stands.
    std::string text(lineOf(unit.Lines, line));
    SuggestionLines suggestion;
    if (const int at = FindWord(cast + "('", text, false, false, 1); at != 0) {
      const size_t start = static_cast<size_t>(at - 1);
      const size_t close = literalEnd(text, start + cast.size() + 1);
      if (close != std::string::npos && holdsAt(text, close + 1, ")") &&
          assignsCast(routine, k, compact, cast)) {
        text.erase(close + 1, 1);
        text.erase(start, cast.size() + 1);
        suggestion = std::vector<std::string>{text};
      }
    }
    reportStatement(project, routine, kPCharKind, line, "No need to cast string literal as " + cast,
                    std::move(suggestion));
  }
}

void CheckStrToIntLiteral(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kUnusedResultKind) && !kindOn(project, kNoFunctionKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  constexpr std::string_view kCall = "STRTOINT('";
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (!holdsCall(props) || !props.HasString) continue;
    const int line = statementLine(routine, k);
    const int at = literalCallAt(project, routine, k, kCall, "StrToInt");
    if (at == 0 || !kindOn(project, kNoFunctionKind)) continue;
    const std::string_view compact = lineOf(unit.CompactUpperLines, line);
    const size_t open = static_cast<size_t>(at - 1) + kCall.size() - 1;
    const size_t close = literalEnd(compact, open);
    if (close == std::string::npos || !holdsAt(compact, close + 1, ")")) continue;
    const std::string_view content = std::string_view(compact).substr(open + 1, close - open - 1);
    if (content.empty() || !onlyCharactersOf(content, "$-0123456789")) continue;
    std::string text(lineOf(unit.Lines, line));
    SuggestionLines suggestion;
    if (const int found = FindWord(kCall, text, false, false, 1); found != 0) {
      const size_t start = static_cast<size_t>(found - 1);
      const size_t end = literalEnd(text, start + kCall.size() - 1);
      if (end != std::string::npos && holdsAt(text, end + 1, ")")) {
        text.erase(end, 2);
        text.erase(start, kCall.size());
        suggestion = std::vector<std::string>{text};
      }
    }
    reportStatement(project, routine, kNoFunctionKind, line, "No need to use StrToInt",
                    std::move(suggestion));
  }
}

void CheckIntToStrLiteral(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kUnusedResultKind) && !kindOn(project, kNoFunctionKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  constexpr std::string_view kCall = "INTTOSTR(";
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (!holdsCall(props)) continue;
    const int line = statementLine(routine, k);
    if (literalCallAt(project, routine, k, kCall, "IntToStr") == 0 ||
        !kindOn(project, kNoFunctionKind))
      continue;
    std::string text(lineOf(unit.Lines, line));
    const int at = FindWord(kCall, text, false, false, 1);
    if (at == 0) continue;
    const size_t start = static_cast<size_t>(at - 1);
    const size_t open = start + kCall.size() - 1;
    const size_t close = text.find(')', open);
    if (close == std::string::npos || close + 1 == text.size()) continue;
    const std::string argument(text.substr(open + 1, close - open - 1));
    if (!onlyCharactersOf(argument, " $-0123456789") ||
        argument.find_first_of("0123456789") == std::string::npos)
      continue;
    // The literal states the number as IntToStr writes it; an argument that is no single
    // number (such as 5-3) is reported without a suggestion.
    SuggestionLines suggestion;
    if (const auto value = integerValue(argument)) {
      text.replace(start, close + 1 - start, "'" + *value + "'");
      size_t join = start;
      if (props.HasString) {
        // A literal that is joined on with "+" takes the digits in.
        size_t i = start;
        while (i > 0 && text[i - 1] == ' ') --i;
        if (i > 0 && text[i - 1] == '+') {
          --i;
          while (i > 0 && text[i - 1] == ' ') --i;
          if (i > 0 && text[i - 1] == '\'') join = i - 1;
        }
      }
      if (join != start) text.erase(join, start + 1 - join);
      suggestion = std::vector<std::string>{text};
    }
    reportStatement(project, routine, kNoFunctionKind, line, "No need to use IntToStr",
                    std::move(suggestion));
  }
}

}  // namespace sorvik
