#include "checks/copy_checks.h"

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

constexpr int kMaxIntKind = 14;
constexpr int kDeleteKind = 15;
constexpr int kOneCharacterKind = 25;
constexpr int kZeroStartKind = 104;
constexpr int kOutOfRangeKind = 105;

// The statement a Copy call stands in.
struct CopyStatement {
  TProject& project;
  TProcedureItem& routine;
  size_t k;
  int line;
  const TLineProps& props;
  std::string_view text;      // compact, upper case
  std::string_view original;  // compact, as written (same positions)
};

// One call: where its "COPY(" stands, and its first three arguments, upper case and as
// written.
struct CopyCall {
  size_t at;
  std::vector<std::string> args, written;
};

// "-" and digits.
bool isNegativeNumber(std::string_view text) {
  return text.starts_with('-') && isDigits(text.substr(1));
}

void reportBuilt(const CopyStatement& s, int kind, const std::string& message,
                 std::vector<std::string> suggestion) {
  reportStatement(s.project, s.routine, kind, s.line, message, std::move(suggestion));
}

bool reportZeroStart(const CopyStatement& s, const CopyCall& call) {
  if (!kindOn(s.project, kZeroStartKind) || call.args[1] != "0") return false;
  reportWholeLine(s.project, s.routine, kZeroStartKind, s.line, "Start of string is 1, not zero",
                  ReplaceOnceInSourceLine(s.routine, s.line, "0", false, "1"));
  return true;
}

// S := Copy(S, 1, Length(S) - n) cuts the end off.
bool reportSetLength(const CopyStatement& s, const CopyCall& call) {
  if (!kindOn(s.project, kSetLengthKind) || call.args[1] != "1" || !s.props.HasAssign ||
      !call.args[2].starts_with("LENGTH("))
    return false;
  const std::string name =
      StartsWithVariable(s.routine, call.args[2].substr(7), true, VariableClass::String);
  if (name.empty()) return false;
  const std::string upper = upperCase(name);
  const std::string head = upper + ":=COPY(" + upper + ",1,LENGTH(" + upper + ")";
  if (!s.text.starts_with(head) || !s.text.ends_with(");") || s.text.size() < head.size() + 2)
    return false;
  const std::string cut(s.text.substr(head.size(), s.text.size() - head.size() - 2));
  if (!isNegativeNumber(cut)) return false;
  const std::string statement = "SetLength(" + name + ",Length(" + name + ")" + cut + ");";
  reportBuilt(s, kSetLengthKind, "Use \"" + statement + "\" instead of Copy",
              {Indentation(s.routine, s.line) + statement});
  return true;
}

// X := Copy(S, n, 1) takes one character.
bool reportOneCharacter(const CopyStatement& s, const CopyCall& call) {
  if (!kindOn(s.project, kOneCharacterKind) || !s.props.HasEqual || !s.props.HasDigit ||
      !s.props.HasAssign || call.args[2] != "1" || !isDigits(call.args[1]) || s.props.AssignPos < 1)
    return false;
  const size_t assign = static_cast<size_t>(s.props.AssignPos - 1);
  const std::string arguments = call.args[0] + "," + call.args[1] + "," + call.args[2];
  const std::string_view tail = std::string_view(s.text).substr(assign);
  if (tail != ":=COPY(" + arguments + ");" && tail != ":=(COPY(" + arguments + "));") return false;
  const std::string target = declaredStringOr(s.routine, std::string(s.original.substr(0, assign)));
  const std::string source = declaredStringOr(s.routine, call.written[0]);
  const std::string indent = Indentation(s.routine, s.line);
  reportBuilt(s, kOneCharacterKind, "No need for Copy for only one character",
              {indent + "if Length(" + source + ")<" + call.args[1] + " then",
               indent + "  " + target + ":=''", indent + "else",
               indent + "  " + target + ":=" + source + "[" + call.args[1] + "];"});
  return true;
}

// Copy(S, i, n) = 'literal' with n other than the literal's length never holds.
bool reportOutOfRange(const CopyStatement& s, const CopyCall& call) {
  if (!kindOn(s.project, kOutOfRangeKind) || !s.props.HasString) return false;
  const std::string head = "COPY(" + call.args[0] + "," + call.args[1] + ",";
  if (!holdsAt(s.text, call.at, head)) return false;
  const size_t close = closingParen(s.text, call.at + 4);
  if (close == std::string::npos || !holdsAt(s.text, close + 1, "='")) return false;
  const size_t open = close + 2;
  const size_t end = literalEnd(s.text, open);
  if (end == std::string::npos || holdsAt(s.text, end + 1, "+")) return false;
  // Only a number of characters can be compared with the literal's length (Copy(S, N - 1,
  // Length(S)) = 'ab' takes what is left, and that may well be two).
  const std::string length = std::to_string(literalLength(s.text, open, end));
  if (!isDigits(call.args[2]) || length == call.args[2]) return false;
  reportWholeLine(s.project, s.routine, kOutOfRangeKind, s.line,
                  "Last parameter of Copy should be " + length + ",not " + call.args[2],
                  ReplaceOnceInSourceLine(s.routine, s.line, call.args[2], false, length));
  return true;
}

// S := Copy(S, n, Length(S)) keeps the end; so does Copy(S, n, Length(S) - k) while k is
// below n, since the count then still reaches the end of the string.
bool reportDelete(const CopyStatement& s, const CopyCall& call) {
  if (!kindOn(s.project, kDeleteKind) || !s.props.HasAssign || !s.props.EndsWithSemicolon ||
      !s.props.HasDigit || !isDigits(call.args[1]))
    return false;
  const int start = toInt(call.args[1], 0);
  if (start < 2 || s.k >= s.routine.StringTargets.size()) return false;
  const std::string& target = s.routine.StringTargets[s.k];
  if (target.empty()) return false;
  const std::string head =
      target + ":=COPY(" + target + "," + call.args[1] + ",LENGTH(" + target + ")";
  if (!s.text.starts_with(head)) return false;
  const std::string_view rest = std::string_view(s.text).substr(head.size());
  if (rest != ");") {
    if (!rest.starts_with('-') || !rest.ends_with(");")) return false;
    const std::string_view kept = rest.substr(1, rest.size() - 3);
    if (!isDigits(kept) || toInt(kept, start) >= start) return false;
  }
  const std::string name = StartsWithVariable(s.routine, target, true, VariableClass::String);
  const std::string statement = "Delete(" + name + ",1," + std::to_string(start - 1) + ");";
  reportBuilt(s, kDeleteKind, "Use \"" + statement + "\" instead of Copy",
              {Indentation(s.routine, s.line) + statement});
  return true;
}

bool reportMaxInt(const CopyStatement& s, const CopyCall& call) {
  const std::string length = "LENGTH(" + call.args[0] + ")";
  if (!kindOn(s.project, kMaxIntKind) || call.args[2] != length) return false;
  reportWholeLine(s.project, s.routine, kMaxIntKind, s.line,
                  "Use constant MaxInt instead of call to Length",
                  ReplaceOnceInSourceLine(s.routine, s.line, length, false, "MaxInt"));
  return true;
}

// The sub-checks in their order; a line takes one result, so the first that reports ends
// the statement.
void examineCalls(const CopyStatement& s) {
  constexpr std::string_view kCall = "COPY(";
  for (int at = findCodeWord(kCall, s.text); at != 0;
       at = FindWord(kCall, s.text, true, false, at + 1)) {
    CopyCall call{static_cast<size_t>(at - 1), {}, {}};
    const size_t from = call.at + kCall.size();
    call.args = SplitArguments(std::string_view(s.text).substr(from), ',');
    call.written = SplitArguments(std::string_view(s.original).substr(from), ',');
    if (call.args.size() < 3 || call.written.size() != call.args.size()) continue;
    if (reportZeroStart(s, call)) return;
    if (StartsWithVariable(s.routine, call.args[0], false, VariableClass::String).empty()) continue;
    if (reportSetLength(s, call) || reportOneCharacter(s, call) || reportOutOfRange(s, call) ||
        reportDelete(s, call) || reportMaxInt(s, call))
      return;
  }
}

}  // namespace

void CheckCopy(TProject& project, TProcedureItem& routine) {
  constexpr int kKinds[] = {kZeroStartKind,  kSetLengthKind, kOneCharacterKind,
                            kOutOfRangeKind, kDeleteKind,    kMaxIntKind};
  bool anyOn = false;
  for (const int kind : kKinds) anyOn = anyOn || kindOn(project, kind);
  if (!anyOn) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.CopyPos == 0 || props.IsEmpty) continue;
    const int line = statementLine(routine, k);
    examineCalls({project, routine, k, line, props, lineOf(unit.CompactUpperLines, line),
                  lineOf(unit.CompactLines, line)});
  }
}

}  // namespace sorvik
