#include "source/routine_builder.h"

#include <exception>
#include <string>
#include <unordered_set>
#include <vector>

#include "generic/strings.h"
#include "project/project.h"
#include "source/code_unit.h"
#include "source/line_props.h"
#include "source/routine_body.h"
#include "source/routine_declarations.h"
#include "source/routine_outline.h"

namespace sorvik {

namespace {

// Name and class: the heading's name (after the keyword, up to ":", ";" or "(") split at
// its last ".".
void readName(const TCodeUnit& unit, TProcedureItem& routine) {
  const std::string_view text =
      headingKeywordText(unit.CompactUpperLines[static_cast<size_t>(routine.HeadingLine)]);
  static constexpr size_t kKeywordLength[] = {9, 10, 12, 11};
  std::string_view name =
      text.substr(std::min(text.size(), kKeywordLength[static_cast<size_t>(routine.Kind)]));
  name = name.substr(0, name.find_first_of(":;("));
  const size_t dot = name.rfind('.');
  routine.Name = std::string(dot == std::string_view::npos ? name : name.substr(dot + 1));
  routine.ClassName = dot == std::string_view::npos ? "" : std::string(name.substr(0, dot));
}

// Finds the routine that the walk builds next from `startLine` on: a routine's nested
// routines come before it, each with its own body. A heading whose BEGIN or END cannot be
// found, or whose body stands on the heading's line, is recorded in Errors with its file
// line, and the search goes on after it.
bool findRoutine(TProject& project, TCodeUnit& unit, TProcedureItem& routine, int startLine) {
  for (int from = startLine;;) {
    NextRoutine next;
    try {
      next = findNextRoutine(unit, from, routine.Enclosing);
    } catch (const std::exception&) {
      project.addError("Error finding procedure heading in " + project.CurrentFile + "," +
                       std::to_string(from));
      return false;
    }
    const RoutineOutline& outline = next.outline;
    if (next.found == NextRoutine::Found::None) return false;
    if (next.found == NextRoutine::Found::Broken) {
      project.addError(std::string(next.oneLine ? "Routine on one line not walked in "
                                                : "Routine without begin or end in ") +
                       project.CurrentFile + " at line " +
                       std::to_string(unit.mapLine(outline.heading) + 1));
      from = next.resume;
      continue;
    }
    routine.HeadingLine = outline.heading;
    routine.HeadingEnd = outline.headingEnd;
    routine.BeginLine = routine.DeclarationsEnd = outline.begin;
    routine.EndLine = outline.end;
    routine.Nested = outline.nested;
    routine.Kind = RoutineKind(
        headingKeywordText(unit.CompactUpperLines[static_cast<size_t>(routine.HeadingLine)]));
    try {
      readName(unit, routine);
    } catch (const std::exception&) {
      project.addError("An error occurred getting a new procedure in " + project.CurrentFile + "," +
                       std::to_string(routine.HeadingLine));
    }
    return true;
  }
}

void countRoutine(TCounts& counts, int kind) {
  switch (kind) {
    case 0:
      ++counts.Functions;
      break;
    case 1:
      ++counts.Procedures;
      break;
    case 2:
      ++counts.Constructors;
      break;
    case 3:
      ++counts.Destructors;
      break;
    default:
      break;
  }
}

// The names the routine declares as parameters and locals, upper case: they hide the
// constants of the same name.
std::unordered_set<std::string> declaredNames(const TProcedureItem& routine) {
  std::unordered_set<std::string> names;
  for (const TVariableList* scope : {&routine.Params, &routine.Locals}) {
    for (int i = 0; i < scope->All.Count; ++i) {
      const std::string entry = scope->All.UpperName(i);
      names.insert(entry.substr(0, entry.find('=')));
    }
  }
  return names;
}

// Puts the constants' values in for their names in the body lines.
void substitute(TCodeUnit& unit, const TProcedureItem& routine,
                const std::vector<const ConstantTable*>& tables) {
  const std::unordered_set<std::string> declared = declaredNames(routine);
  for (int i = routine.BeginLine + 1; i < routine.EndLine; ++i) {
    if (std::optional<std::string> text =
            substituteConstants(unit.Lines[static_cast<size_t>(i)], tables, declared)) {
      ReplaceLine(unit, std::move(*text), i);
      unit.SubstitutedFileLines.insert(unit.LineMap[static_cast<size_t>(i)]);
    }
  }
}

}  // namespace

std::unique_ptr<TProcedureItem> buildRoutine(TProject& project, TCodeUnit& unit, int startLine,
                                             std::shared_ptr<const ConstantTable> unitConsts,
                                             std::vector<int> enclosing) {
  auto routine = std::make_unique<TProcedureItem>(unit);
  routine->Enclosing = std::move(enclosing);
  if (!findRoutine(project, unit, *routine, startLine)) {
    routine->HeadingLine = -1;
    return routine;
  }
  const bool firstVariant = project.VariantCounter <= 2;
  if (firstVariant && !project.SpellMode && !project.SearchMode)
    countRoutine(project.report().Counts, routine->Kind);

  readDeclarations(project, *routine);
  if (routine->HasLocalConsts) substitute(unit, *routine, {&routine->LocalConsts});
  routine->AllVars.merge(routine->Params, routine->Locals);
  routine->UnitConsts = std::move(unitConsts);
  if (routine->UnitConsts && routine->UnitConsts->size() > 0)
    substitute(unit, *routine, {&routine->LocalConsts, routine->UnitConsts.get()});

  if (project.NamingMode || project.RenameMode) return routine;
  buildLineProps(project, *routine);
  normaliseBody(project, *routine);
  return routine;
}

}  // namespace sorvik
