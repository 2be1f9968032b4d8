#include "checks/string_checks.h"

#include <algorithm>
#include <string>
#include <string_view>
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
// calls and set constructors stay. A call of one argument joins nothing and stays, and so
// does a call that is the statement itself: the string function is no procedure, so that
// Concat is another routine of the name.
bool joinArguments(std::string& text, size_t start, size_t open, size_t close) {
  if (trimView(std::string_view(text).substr(0, start)).empty()) return false;
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

// The position after the blanks from `at`; text.size() at the end.
size_t skipBlanks(std::string_view text, size_t at) {
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  return at;
}

// The word that ends just before `end` (after blanks), in upper case; "" when the text
// there does not end with a letter.
std::string wordBefore(std::string_view text, size_t end) {
  while (end > 0 && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  size_t start = end;
  while (start > 0 && isIdentChar(text[start - 1])) --start;
  return upperCase(text.substr(start, end - start));
}

// A pointer as StrLen takes it and indexing reads it: names joined by "." and "^", each
// with any indexes; no call, cast, address or arithmetic.
bool isPlainPointer(std::string_view text) {
  if (text.empty() || !isIdentChar(text.front())) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '[') {
      int depth = 0;
      for (; i < text.size(); ++i) {
        if (text[i] == '[') ++depth;
        if (text[i] == ']' && --depth == 0) break;
      }
      if (i == text.size()) return false;
    } else if (!isIdentChar(text[i]) && text[i] != '.' && text[i] != '^') {
      return false;
    }
  }
  return true;
}

// StrLen(p) = 0 becomes p[0] = #0, and so do "<> 0" and "> 0" (as "<>"): only where the
// length is compared with zero does the first character tell the same. The comparison must
// stand alone (no operator binds its sides more tightly), and a PChar cast that follows
// keeps the call.
bool firstCharacterTest(std::string& text, size_t start, size_t open, size_t close) {
  if (FindWord("PCHAR", text, false, false, static_cast<int>(open) + 1) != 0) return false;
  const std::string pointer = trim(std::string_view(text).substr(open + 1, close - open - 1));
  if (!isPlainPointer(pointer)) return false;
  size_t before = start;
  while (before > 0 && (text[before - 1] == ' ' || text[before - 1] == '\t')) --before;
  const char opener = before > 0 ? text[before - 1] : '\0';
  const std::string keyword = wordBefore(text, start);
  if (!(before == 0 || opener == '(' || opener == ',' || opener == '[' ||
        (opener == '=' && before > 1 && text[before - 2] == ':') || keyword == "IF" ||
        keyword == "WHILE" || keyword == "UNTIL"))
    return false;
  const size_t op = skipBlanks(text, close + 1);
  std::string_view comparison;
  for (const std::string_view candidate : {"<>", "=", ">"})
    if (holdsAt(text, op, candidate)) {
      comparison = candidate;
      break;
    }
  if (comparison.empty() || holdsAt(text, op, ">=")) return false;
  const size_t zero = skipBlanks(text, op + comparison.size());
  if (!holdsAt(text, zero, "0") ||
      (zero + 1 < text.size() && (isIdentChar(text[zero + 1]) || text[zero + 1] == '.')))
    return false;
  const size_t next = skipBlanks(text, zero + 1);
  if (next < text.size() && std::string_view(")],;").find(text[next]) == std::string_view::npos) {
    size_t end = next;
    while (end < text.size() && isIdentChar(text[end])) ++end;
    const std::string word = upperCase(std::string_view(text).substr(next, end - next));
    if (word != "THEN" && word != "DO" && word != "ELSE" && word != "END") return false;
  }
  text.replace(zero, 1, "#0");
  if (comparison == ">") text.replace(op, 1, "<>");
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
    std::string text(lineOf(unit.Lines, line));
    const bool changed = rewriteCalls(text, callName, [&](size_t start, size_t open, size_t close) {
      return rewrite(text, start, open, close);
    });
    if (changed)
      reportStatement(project, routine, kind, line, message, std::vector<std::string>{text});
  }
}

// "Ansi" put before every call of UpperCase and LowerCase on the stored line, or nothing
// when one of them is not surely a call of the plain function: a comparison of an Ansi
// result with a plain one would change its meaning.
SuggestionLines ansiCalls(const TProcedureItem& routine, int line) {
  std::vector<size_t> calls;
  for (const std::string_view word : {"UPPERCASE", "LOWERCASE"}) {
    const std::vector<size_t> found = FindInSourceLine(routine, line, word, false);
    calls.insert(calls.end(), found.begin(), found.end());
  }
  const std::string& stored =
      routine.Unit->SourceLines[static_cast<size_t>(routine.Unit->LineMap[line])];
  for (const size_t at : calls) {
    size_t after = at + std::string_view("UPPERCASE").size();
    while (after < stored.size() && (stored[after] == ' ' || stored[after] == '\t')) ++after;
    if (after == stored.size() || stored[after] != '(') return std::nullopt;
    if (at > 0 && stored[at - 1] == '.' &&
        !endsWith(upperCase(std::string_view(stored).substr(0, at)), "SYSUTILS."))
      return std::nullopt;
  }
  if (calls.empty()) return std::nullopt;
  std::sort(calls.begin(), calls.end());
  std::string text = stored;
  for (auto at = calls.rbegin(); at != calls.rend(); ++at) text.insert(*at, "Ansi");
  return std::vector<std::string>{text};
}

}  // namespace

void CheckAppendStr(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kAppendStrKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  constexpr size_t kCallLength = 10;  // "APPENDSTR("
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    if (routine.LineProps[k].StatementKind != kAppendStrStatement) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactLines, line);
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
    const std::string_view text = lineOf(unit.CompactLines, line);
    if (text.size() < kCallLength) continue;
    const std::string rest(text.substr(kCallLength));
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
                       firstCharacterTest);
}

void CheckUpperCase(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kUpperCaseKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    if (!isPlainStatement(routine.LineProps[k])) continue;
    const int line = statementLine(routine, k);
    const std::string_view text = lineOf(unit.CompactUpperLines, line);
    if (firstCodeWord(text, {"UPPERCASE", "LOWERCASE"}).empty()) continue;
    SuggestionLines suggestion;
    // The Ansi functions live in SysUtils, where plain UpperCase need not come from.
    if (!showsConstantValues(routine, line) &&
        (usesUnit(unit, "SysUtils") || usesUnit(unit, "System.SysUtils")))
      suggestion = ansiCalls(routine, line);
    reportWholeLine(project, routine, kUpperCaseKind, line,
                    "AnsiUppercase and AnsiLowercase are faster", std::move(suggestion));
  }
}

}  // namespace sorvik
