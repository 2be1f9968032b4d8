#include "checks/string_checks.h"

#include <string>
#include <vector>

#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "project/project.h"
#include "source/find_word.h"
#include "source/split_arguments.h"

namespace sorvik {

namespace {

constexpr int kConcatKind = 16;
constexpr int kAppendStrKind = 18;
constexpr int kUpperCaseKind = 27;
constexpr int kStrLenKind = 30;

bool isPlainStatement(const TLineProps& props) {
  return !props.IsEmpty && !isKeywordLine(props);
}

// Rewrites the calls of `callName` (a name and "(", found as a word outside literals and
// without regard to case, not as a method) in `text`. `rewrite` gets the index where the call
// starts, of its
// "(" and of its ")", edits the text and returns whether it did. A call whose ")" is the
// line's last character is the last one rewritten; a call whose ")" is not on the line
// cannot be rewritten and ends the search. True when anything changed.
template <class Rewrite>
bool rewriteCalls(std::string& text, std::string_view callName, Rewrite rewrite) {
  bool changed = false;
  int from = 1;
  while (const int at = FindWord(callName, text, false, false, from)) {
    const size_t start = static_cast<size_t>(at - 1);
    const size_t open = start + callName.size() - 1;
    // A method of that name (List.Concat(...)) is another routine.
    if (start > 0 && text[start - 1] == '.') {
      from = at + 1;
      continue;
    }
    const size_t close = closingParen(text, open);
    if (close == std::string::npos) break;
    const bool last = close + 1 == text.size();
    if (rewrite(start, open, close)) {
      changed = true;
      from = at;  // the arguments now stand where the call began
    } else {
      from = at + 1;
    }
    if (last) break;
  }
  return changed;
}

// Concat(a, b) becomes a+b: only the call's own commas join its arguments, those of nested
// calls and set constructors stay. A call of one argument joins nothing and stays.
bool joinArguments(std::string& text, size_t start, size_t open, size_t close) {
  bool joined = false;
  int depth = 0;
  for (size_t i = open + 1; i < close; ++i) {
    const char c = text[i];
    if (c == '\'') {
      i = literalEnd(text, i);
    } else if (c == '(' || c == '[') {
      ++depth;
    } else if (c == ')' || c == ']') {
      --depth;
    } else if (c == ',' && depth == 0) {
      text[i] = '+';
      joined = true;
    }
  }
  if (!joined) return false;
  text.erase(close, 1);
  text.erase(start, open + 1 - start);
  return true;
}

// StrLen(p) becomes p[0], unless a PChar cast follows.
bool indexZero(std::string& text, size_t start, size_t open, size_t close) {
  if (FindWord("PCHAR", text, false, false, static_cast<int>(open) + 1) != 0) return false;
  text.replace(close, 1, "[0]");
  text.erase(start, open + 1 - start);
  return true;
}

// Reports every plain statement whose `Lines` text `rewrite` changed at a call of
// `callName`, with the rewritten text as the suggestion.
template <class Rewrite>
void reportRewrittenCalls(TProject& project, TProcedureItem& routine, int kind,
                          std::string_view callName, const std::string& message, Rewrite rewrite) {
  if (!kindOn(project, kind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    if (!isPlainStatement(routine.LineProps[k])) continue;
    const int line = statementLine(routine, k);
    std::string text = lineOf(unit.Lines, line);
    const bool changed = rewriteCalls(text, callName, [&](size_t start, size_t open, size_t close) {
      return rewrite(text, start, open, close);
    });
    if (changed)
      reportStatement(project, routine, kind, line, message, std::vector<std::string>{text});
  }
}

}  // namespace

void CheckAppendStr(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kAppendStrKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  constexpr size_t kCallLength = 10;  // "APPENDSTR("
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    if (routine.LineProps[k].StatementKind != kAppendStrStatement) continue;
    const int line = statementLine(routine, k);
    const std::string& text = lineOf(unit.CompactLines, line);
    if (text.size() < kCallLength) continue;
    const auto arguments = SplitArguments(std::string_view(text).substr(kCallLength), ',');
    if (arguments.size() != 2) continue;
    const std::string target = declaredStringOr(routine, arguments[0]);
    const std::string added = declaredStringOr(routine, arguments[1]);
    reportStatement(project, routine, kAppendStrKind, line, "AppendStr is for compatibility only",
                    std::vector<std::string>{Indentation(routine, line) + target + ":=" + target +
                                             "+" + added + ";"});
  }
}

void CheckDeleteToSetLength(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kSetLengthKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  constexpr size_t kCallLength = 7;  // "DELETE("
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.StatementKind != kDeleteStatement || !props.OnlyDigitIsOne) continue;
    const int line = statementLine(routine, k);
    const std::string& text = lineOf(unit.CompactLines, line);
    if (text.size() < kCallLength) continue;
    const std::string rest = text.substr(kCallLength);
    const std::string name = rest.substr(0, rest.find(','));
    const std::string upperName = upperCase(name);
    if (lineOf(unit.CompactUpperLines, line) !=
        "DELETE(" + upperName + ",LENGTH(" + upperName + "),1);")
      continue;
    const std::string call = "SetLength(" + name + ",Length(" + name + ")-1);";
    reportStatement(project, routine, kSetLengthKind, line,
                    "Use \"" + call + "\" instead of Delete",
                    std::vector<std::string>{Indentation(routine, line) + call});
  }
}

void CheckConcat(TProject& project, TProcedureItem& routine) {
  reportRewrittenCalls(project, routine, kConcatKind, "CONCAT(", "Use + instead of Concat",
                       joinArguments);
}

void CheckStrLen(TProject& project, TProcedureItem& routine) {
  reportRewrittenCalls(project, routine, kStrLenKind, "STRLEN(", "Faster to use [0] than StrLen",
                       indexZero);
}

void CheckUpperCase(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kUpperCaseKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    if (!isPlainStatement(routine.LineProps[k])) continue;
    const int line = statementLine(routine, k);
    const std::string& text = lineOf(unit.CompactUpperLines, line);
    const std::string_view word = firstCodeWord(text, {"UPPERCASE", "LOWERCASE"});
    if (word.empty()) continue;
    std::string physical = PhysicalLineText(routine, line);
    SuggestionLines suggestion;
    const int at = FindWord(word, physical, false, false, 1);
    if (at != 0 && !showsConstantValues(routine, line)) {
      physical.insert(static_cast<size_t>(at - 1), "Ansi");
      suggestion = std::vector<std::string>{physical};
    }
    reportWholeLine(project, routine, kUpperCaseKind, line,
                    "AnsiUppercase and AnsiLowercase are faster", std::move(suggestion));
  }
}

}  // namespace sorvik
