#include "source/routine_builder.h"

#include <exception>
#include <string>

#include "generic/strings.h"
#include "project/project.h"
#include "source/code_unit.h"
#include "source/find_word.h"
#include "source/line_props.h"
#include "source/routine_body.h"
#include "source/routine_declarations.h"

namespace sorvik {

namespace {

bool isHeading(const TCodeUnit& unit, int i) {
  return RoutineKind(unit.CompactUpperLines[static_cast<size_t>(i)]) != 5;
}

// The first heading at or after `startLine` and below LastLine that is no forward
// declaration; -1 when there is none.
int findHeading(TCodeUnit& unit, int startLine) {
  for (int i = std::max(startLine, 0); i < unit.LastLine && unit.reach(i); ++i) {
    if (isHeading(unit, i) &&
        findCodeWord("FORWARD", unit.CompactUpperLines[static_cast<size_t>(i)]) == 0)
      return i;
  }
  return -1;
}

// Name and class: the heading's name (after the keyword, up to ":", ";" or "(") split at
// its last ".".
void readName(const TCodeUnit& unit, TProcedureItem& routine) {
  const std::string& text = unit.CompactUpperLines[static_cast<size_t>(routine.HeadingLine)];
  static constexpr size_t kKeywordLength[] = {9, 10, 12, 11};
  std::string_view name = std::string_view(text).substr(
      std::min(text.size(), kKeywordLength[static_cast<size_t>(routine.Kind)]));
  name = name.substr(0, name.find_first_of(":;("));
  const size_t dot = name.rfind('.');
  routine.Name = std::string(dot == std::string_view::npos ? name : name.substr(dot + 1));
  routine.ClassName = dot == std::string_view::npos ? "" : std::string(name.substr(0, dot));
}

// The routine's BEGIN: the first at depth 0, or at depth 1 after a nested routine's heading
// (CASE and END lines, nested headings and other BEGINs move the depth).
int findBegin(TCodeUnit& unit, int heading) {
  int depth = 0;
  bool nested = false;
  for (int i = heading; i <= unit.LastLine && unit.reach(i); ++i) {
    const std::string& scan = unit.ScanLines[static_cast<size_t>(i)];
    if (scan == "END" || scan == "END;") {
      --depth;
    } else if (unit.CompactUpperLines[static_cast<size_t>(i)].starts_with("CASE ")) {
      ++depth;
    } else if (scan.starts_with("BEGIN")) {
      if (depth == 0 || (depth == 1 && nested)) return i;
      ++depth;
    } else if (i > heading && isHeading(unit, i)) {
      nested = true;
      ++depth;
    }
  }
  return -1;
}

// The routine's final "END;": the last one before the next heading (or LastLine).
int findEnd(TCodeUnit& unit, int begin) {
  int next = unit.LastLine;
  for (int i = begin + 1; i < unit.LastLine && unit.reach(i); ++i) {
    if (isHeading(unit, i)) {
      next = i;
      break;
    }
  }
  unit.reach(next);
  for (int i = std::min(next, unit.lineCount() - 1); i > begin; --i) {
    if (unit.ScanLines[static_cast<size_t>(i)] == "END;") return i;
  }
  return -1;
}

// Runs one finding step; a failure adds `error` with the file and the line.
template <class Step>
bool findStep(TProject& project, const std::string& error, int line, Step step) {
  try {
    return step();
  } catch (const std::exception&) {
    project.addError(error + project.CurrentFile + "," + std::to_string(line));
    return false;
  }
}

bool findRoutine(TProject& project, TCodeUnit& unit, TProcedureItem& routine, int startLine) {
  const std::string& file = project.CurrentFile;
  const bool found = findStep(project, "Error finding procedure heading in ", startLine, [&] {
    routine.HeadingLine = findHeading(unit, startLine);
    return routine.HeadingLine >= 0;
  });
  if (!found) return false;
  routine.Kind = RoutineKind(unit.CompactUpperLines[static_cast<size_t>(routine.HeadingLine)]);
  findStep(project, "An error occurred getting a new procedure in ", routine.HeadingLine, [&] {
    readName(unit, routine);
    return true;
  });
  try {
    routine.BeginLine = findBegin(unit, routine.HeadingLine);
  } catch (const std::exception&) {
    project.addError("An error occurred when getting the begin line in " + file +
                     ",x=" + std::to_string(routine.HeadingLine) +
                     ",EndLine=" + std::to_string(unit.LastLine));
  }
  if (routine.BeginLine < 0) return false;
  findStep(project, "An error occurred when getting the end line in ", routine.BeginLine, [&] {
    routine.EndLine = findEnd(unit, routine.BeginLine);
    return true;
  });
  return routine.EndLine >= 0;
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

// Puts the constants' values in for their names in the body lines.
void substitute(TCodeUnit& unit, const TProcedureItem& routine,
                const std::vector<const ConstantTable*>& tables) {
  for (int i = routine.BeginLine + 1; i < routine.EndLine; ++i) {
    if (std::optional<std::string> text =
            substituteConstants(unit.Lines[static_cast<size_t>(i)], tables)) {
      ReplaceLine(unit, std::move(*text), i);
      unit.SubstitutedFileLines.insert(unit.LineMap[static_cast<size_t>(i)]);
    }
  }
}

}  // namespace

std::unique_ptr<TProcedureItem> buildRoutine(TProject& project, TCodeUnit& unit, int startLine,
                                             std::shared_ptr<const ConstantTable> unitConsts) {
  auto routine = std::make_unique<TProcedureItem>(unit);
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
