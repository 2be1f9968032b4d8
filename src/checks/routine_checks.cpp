#include "checks/routine_checks.h"

#include <array>
#include <string_view>

#include "checks/check_text.h"
#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "project/project.h"
#include "source/find_word.h"

namespace sorvik {

namespace {

constexpr int kInheritedKind = 8;
constexpr int kOnExceptionKind = 37;

constexpr int kConstructor = 2;
constexpr int kDestructor = 3;

// The upper-case text begins with a name and ":=": inside a function of that name, it sets
// the result (Trim:=S;), which is no call.
bool assignsToName(std::string_view text) {
  const size_t name = text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  return name != std::string_view::npos && text.substr(name).starts_with(":=");
}

// The upper-case text calls the Trim function that starts it: the name is not the start
// of a longer one (Trim_Edge) and no result is assigned to it.
bool callsTrim(std::string_view text) {
  const size_t name = text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  return name == std::string_view::npos || (!isIdentChar(text[name]) && !assignsToName(text));
}

// The upper-case text begins with a function whose result is its only effect, followed by
// a non-letter.
bool callsResultFunction(std::string_view text) {
  constexpr std::array<std::string_view, 3> kFunctions = {"STRINGREPLACE", "INCMONTH", "INCAMONTH"};
  for (const std::string_view name : kFunctions) {
    if (!text.starts_with(name)) continue;
    const char next = text.size() > name.size() ? text[name.size()] : ' ';
    if (next < 'A' || next > 'Z') return !assignsToName(text);
  }
  return false;
}

}  // namespace

void CheckInherited(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kInheritedKind)) return;
  if (routine.Kind != kConstructor && routine.Kind != kDestructor) return;
  for (const TLineProps& props : routine.LineProps)
    if (props.StatementKind == kInheritedLine) return;
  if (routine.Kind == kConstructor)
    reportStatement(project, routine, kInheritedKind, statementLine(routine, 0),
                    "inherited not found in Constructor");
  else
    reportStatement(project, routine, kInheritedKind, routine.EndLine - 1,
                    "inherited not found in Destructor");
}

void CheckDiscardedResults(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kUnusedResultKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  for (size_t k = 0; k < routine.LineProps.size(); ++k) {
    const TLineProps& props = routine.LineProps[k];
    if (props.IsEmpty || !beginsStatement(routine, k)) continue;
    const int line = statementLine(routine, k);
    const bool trim = props.StatementKind >= kTrimStatement &&
                      props.StatementKind <= kTrimRightStatement &&
                      callsTrim(lineOf(unit.CompactUpperLines, line));
    const bool call = props.StatementKind == 0 && props.HasParen &&
                      callsResultFunction(lineOf(unit.CompactUpperLines, line));
    if (trim || call)
      reportStatement(project, routine, kUnusedResultKind, line,
                      "Value returned from function is unused");
  }
}

void CheckExceptionHandler(TProject& project, TProcedureItem& routine) {
  if (!kindOn(project, kOnExceptionKind)) return;
  const TCodeUnit& unit = *routine.Unit;
  const std::string message = "Try-Except found but no On Exception";
  const size_t count = routine.LineProps.size();
  for (size_t k = 0; k < count; ++k) {
    const int kind = routine.LineProps[k].StatementKind;
    if (kind == kExceptStatement) {
      const int line = statementLine(routine, k);
      if (findCodeWord("ON", lineOf(unit.CompactUpperLines, line)) == 0)
        reportStatement(project, routine, kOnExceptionKind, line, message);
    } else if (kind == kExceptLine) {
      size_t next = k + 1;
      while (next < count && routine.LineProps[next].IsEmpty) ++next;
      if (next < count && routine.LineProps[next].StatementKind != kOnExceptionStatement)
        reportStatement(project, routine, kOnExceptionKind, statementLine(routine, next), message);
    }
  }
}

}  // namespace sorvik
