#include "checks/declaration_checks.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "checks/pascal_text.h"
#include "checks/statement_check.h"
#include "generic/strings.h"
#include "project/form_facts.h"
#include "project/project.h"
#include "project/result_kinds.h"
#include "project/results.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/line_forms.h"

namespace sorvik {

namespace {

constexpr int kNotificationKind = 113;
constexpr int kFunction = 0;

// The identifiers that the body lines name outside literals, each once: a name is in use
// when it is one of them.
std::unordered_set<std::string> bodyWords(const TProcedureItem& routine) {
  const TCodeUnit& unit = *routine.Unit;
  std::unordered_set<std::string> words;
  const int end = std::min(routine.EndLine, static_cast<int>(unit.size()));
  for (int i = routine.BeginLine + 1; i < end; ++i) {
    const std::string& text = lineOf(unit.CompactUpperLines, i);
    bool inLiteral = false;
    size_t start = std::string::npos;
    for (size_t j = 0; j <= text.size(); ++j) {
      const bool name = j < text.size() && !inLiteral && isIdentChar(text[j]);
      if (name && start == std::string::npos) start = j;
      if (!name && start != std::string::npos) {
        words.insert(text.substr(start, j - start));
        start = std::string::npos;
      }
      if (j < text.size() && text[j] == '\'') inLiteral = !inLiteral;
    }
  }
  return words;
}

bool startsWithWord(std::string_view text, std::string_view word) {
  return text == word || (text.starts_with(word) && text[word.size()] == ' ');
}

// Where a declaration section of the routine's heading part begins: a line that no longer
// continues the section before it.
bool startsSection(std::string_view upper) {
  constexpr std::string_view kWords[] = {"VAR",   "CONST", "RESOURCESTRING", "TYPE",
                                         "LABEL", "BEGIN", "THREADVAR"};
  for (const std::string_view word : kWords)
    if (startsWithWord(upper, word)) return true;
  return RoutineKind(upper) != 5;
}

// One declaration line and the names it declares.
struct DeclarationLine {
  int line = -1;
  bool onVarLine = false;  // the names follow "var" on the same line
  bool oneGroup = true;    // a single list of names with one type
  std::vector<std::string> names;
};

// The declaration line of `upperName` in the routine's var sections, read as the model read
// the locals: "var" opens a section, "const" closes it, a nested routine ends the search.
std::optional<DeclarationLine> findDeclaration(const TProcedureItem& routine,
                                               const std::string& upperName) {
  const TCodeUnit& unit = *routine.Unit;
  bool inVar = false;
  for (int i = routine.HeadingLine + 1; i < routine.BeginLine; ++i) {
    std::string_view upper = lineOf(unit.CompactUpperLines, i);
    if (RoutineKind(upper) != 5) break;
    DeclarationLine declaration{i, false, true, {}};
    if (upper == "VAR" || upper == "CONST" || upper == "RESOURCESTRING") {
      inVar = upper == "VAR";
      continue;
    }
    if (upper.starts_with("VAR ")) {
      inVar = declaration.onVarLine = true;
      upper.remove_prefix(4);
    } else if (upper.starts_with("CONST ") || upper.starts_with("RESOURCESTRING ")) {
      inVar = false;
    }
    if (!inVar) continue;
    int groups = 0;
    for (const std::string& group : splitOutsideLiterals(upper, ';')) {
      if (trimView(group).empty()) continue;
      ++groups;
      for (const std::string& name : split(group.substr(0, group.find(':')), ',')) {
        std::string bare = trim(name);
        if (!bare.empty()) declaration.names.push_back(std::move(bare));
      }
    }
    declaration.oneGroup = groups == 1;
    if (std::find(declaration.names.begin(), declaration.names.end(), upperName) !=
        declaration.names.end())
      return declaration;
  }
  return std::nullopt;
}

// More declarations of the same section follow the line.
bool declarationsFollow(const TProcedureItem& routine, int line) {
  const TCodeUnit& unit = *routine.Unit;
  for (int i = line + 1; i < routine.BeginLine; ++i) {
    const std::string& upper = lineOf(unit.CompactUpperLines, i);
    if (!upper.empty()) return !startsSection(upper);
  }
  return false;
}

// The declaration line as written without `name` and one comma that separated it from the
// others; "{Remove line}" when nothing but blanks is left.
std::string withoutName(const std::string& written, const std::string& name, bool onVarLine) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::string text = written;
  const size_t colon = std::min(text.find(':'), text.size());
  size_t first = 0;
  if (onVarLine) first = std::min(text.find_first_not_of(" \t"), text.size()) + 3;  // "var"
  const int at = FindWord(name, std::string_view(text).substr(0, colon), false, false,
                          static_cast<int>(first) + 1);
  if (at == 0) return written;
  const size_t start = static_cast<size_t>(at - 1);
  const size_t end = start + name.size();
  size_t after = end;
  while (after < colon && blank(text[after])) ++after;
  if (after < colon && text[after] == ',') {
    ++after;
    while (after < colon && blank(text[after])) ++after;
    text.erase(start, after - start);
  } else {
    size_t before = start;
    while (before > first && blank(text[before - 1])) --before;
    if (before > first && text[before - 1] == ',')
      text.erase(before - 1, end - before + 1);
    else
      text.erase(start, end - start);
  }
  return trim(text).empty() ? "{Remove line}" : text;
}

// Offers an unused variable's declaration for removal; false when it was not found.
// Lines of the declarations reported on are kept open for the check's further results
// (`reopened`), and closed again when it ends.
bool reportRemoval(TProject& project, TProcedureItem& routine, const std::string& upperName,
                   const std::string& message, std::vector<int>& reopened) {
  const auto declaration = findDeclaration(routine, upperName);
  if (!declaration) return false;
  TCodeUnit& unit = *routine.Unit;
  const int line = declaration->line;
  // A line of several declarations ("x: Integer; s: string;") is not taken apart.
  if (!declaration->oneGroup) {
    reportStatement(project, routine, kUnusedVariableKind, line, message);
    return true;
  }
  std::string replacement;
  if (declaration->names.size() > 1)
    replacement = withoutName(lineOf(unit.Lines, line), upperName, declaration->onVarLine);
  else if (declaration->onVarLine && declarationsFollow(routine, line))
    replacement = Indentation(routine, line) + "var";
  else
    replacement = "{Remove line}";
  ReportedLineSet& reported = project.report().RoutineReportedLines;
  const int shown = routine.mapLine(line) + 1;
  const bool open = !reported.contains(shown);
  reportStatement(project, routine, kUnusedVariableKind, line, message,
                  std::vector<std::string>{replacement});
  // A second unused name of the line is removed from what this suggestion leaves, and is
  // reported on the same line.
  ReplaceLine(unit, replacement, line);
  if (open) {
    reported.erase(shown);
    reopened.push_back(shown);
  }
  return true;
}

// The class declared from line `first` on has a protected Notification method.
bool hasNotification(const TCodeUnit& unit, int first, int end) {
  bool inProtected = false;
  for (int i = first; i < end; ++i) {
    const std::string& text = lineOf(unit.ScanLines, i);
    if (text == "END;") break;
    if (text == "PROTECTED") inProtected = true;
    if (text == "PUBLIC" || text == "PUBLISHED" || text == "PRIVATE") inProtected = false;
    if (inProtected && text.starts_with("PROCEDURENOTIFICATION(")) return true;
  }
  return false;
}

}  // namespace

void CheckUnusedLocals(TProject& project, TProcedureItem& routine) {
  if (!project.settings().VarCheck) return;
  const TVariableNames& locals = routine.Locals.All;
  if (locals.Count == 0) return;
  const std::unordered_set<std::string> used = bodyWords(routine);
  std::vector<int> reopened;
  for (int i = 0; i < locals.Count; ++i) {
    const std::string entry = locals.Name(i);
    const std::string name = entry.substr(0, entry.find('='));
    const std::string upperName = upperCase(name);
    if (routine.Kind == kFunction && (upperName == "RESULT" || upperName == routine.Name)) continue;
    if (used.contains(upperName)) continue;
    const std::string message = "Variable \"" + name + "\" is not in use";
    if (!reportRemoval(project, routine, upperName, message, reopened))
      reportStatement(project, routine, kUnusedVariableKind, routine.HeadingLine + 1, message);
  }
  project.report().RoutineReportedLines.insert(reopened.begin(), reopened.end());
}

void CheckClassNotification(TProject& project, TCodeUnit& unit, TProcedureItem&) {
  if (!kindOn(project, kNotificationKind)) return;
  const FormFacts& facts = formFacts(project);
  const int end = std::min(unit.ImplLine, static_cast<int>(unit.size()));
  for (int i = 0; i < end; ++i) {
    const std::string& text = lineOf(unit.ScanLines, i);
    const size_t at = text.find("=CLASS(");
    if (at == std::string::npos) continue;
    const std::string name = text.substr(0, at);
    std::string ancestor = text.substr(at + 7);
    // A declaration that ends on its own line has no members to search.
    const bool complete = ancestor.ends_with(';');
    if (complete) ancestor.pop_back();
    if (ancestor.ends_with(')')) ancestor.pop_back();
    if (ancestor.ends_with("FORM") || !facts.isComponentClass(name)) continue;
    if (!complete && hasNotification(unit, i + 1, end)) continue;
    AddResult(project, kNotificationKind, i,
              "Notification method not found in component " + name.substr(0, 1) +
                  lowerCase(name.substr(1)),
              &unit, false, std::nullopt, 1);
  }
}

}  // namespace sorvik
