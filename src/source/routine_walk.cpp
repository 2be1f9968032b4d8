#include "source/routine_walk.h"

#include <exception>

#include "generic/paths.h"
#include "generic/strings.h"
#include "project/project.h"
#include "project/results.h"
#include "source/code_unit.h"
#include "source/global_vars.h"
#include "source/ifdef_handler.h"
#include "source/procedure_item.h"
#include "source/routine_analysers.h"
#include "source/routine_body.h"
#include "source/routine_builder.h"
#include "source/source_run_data.h"
#include "source/uses_reader.h"

namespace sorvik {

namespace {

// The statement statistics: every body line of a statement kind.
void CountStatements(TProject& project, const TProcedureItem& routine) {
  auto& statements = project.report().Counts.Statements;
  for (const TLineProps& props : routine.LineProps) {
    const int kind = props.StatementKind;
    if ((kind >= 1 && kind <= 15) || (kind >= 100 && kind <= 125))
      ++statements[static_cast<size_t>(kind)];
  }
}

TProcedureHeader headingOf(const TProcedureItem& routine) {
  std::string unitName = routine.Unit->FileName;
  if (endsWithText(unitName, ".pas")) unitName.resize(unitName.size() - 4);
  return {std::move(unitName), routine.Name, routine.ClassName, routine.Kind};
}

// Brings the waiting lines back however the walk ends.
class HeldLines {
 public:
  HeldLines(TCodeUnit& unit, int after) : unit_(unit) { unit_.holdLinesAfter(after); }
  ~HeldLines() { unit_.releaseLines(); }
  HeldLines(const HeldLines&) = delete;
  HeldLines& operator=(const HeldLines&) = delete;

 private:
  TCodeUnit& unit_;
};

}  // namespace

std::shared_ptr<const ConstantTable> unitConstants(TProject& project, const TCodeUnit& unit) {
  auto table = std::make_shared<ConstantTable>(ConstantsForRoutine(project, unit));
  for (size_t i = 0; i < unit.ConstNames.size(); ++i)
    table->add(unit.ConstNames[i], unit.ConstValues[i]);
  return table;
}

void walkRoutines(TProject& project, TCodeUnit& unit,
                  const std::shared_ptr<const ConstantTable>& constants,
                  const std::function<void(TProcedureItem& routine, bool first)>& onRoutine) {
  const HeldLines held(unit, unit.ImplLine);
  std::unique_ptr<TProcedureItem> routine =
      buildRoutine(project, unit, unit.ImplLine + 1, constants);
  bool first = true;
  while (routine->found()) {
    onRoutine(*routine, first);
    first = false;
    if (project.StopRequested || (project.SearchMode && project.Search.isFull())) break;
    unit.ScanPos = routine->EndLine;
    std::vector<int> enclosing = std::move(routine->Enclosing);
    routine.reset();
    routine = buildRoutine(project, unit, unit.ScanPos + 1, constants, std::move(enclosing));
  }
}

void analyseRoutine(TProject& project, TProcedureItem& routine) {
  try {
    if (project.NamingMode || project.RenameMode) buildLineProps(project, routine);
    for (const auto& analyse : project.context().service<RoutineAnalysers>().onRoutine)
      analyse(project, routine);
    if (!project.SpellMode && !project.SearchMode && isFirstVariant(project))
      CountStatements(project, routine);
    FlushPendingHints(project, routine.PendingHints);
  } catch (const std::exception&) {
    project.addError("General problem scanning " + project.CurrentFile);
  }
  if (!project.SpellMode && !project.SearchMode && isFirstVariant(project))
    sourceRunData(project).RoutineHeaders.push_back(headingOf(routine));
}

void collectUnit(TProject& project, std::vector<std::string>& pendingForms) {
  const TCodeUnitHeader* header =
      sourceRunData(project).Loader.LoadHeader(project.CurrentFile, project);
  if (!header || !header->HasImplementation) return;
  const auto& companionForm = project.context().hooks.analyseCompanionForm;
  if (companionForm) companionForm(project, pendingForms);
  if (project.StopRequested) return;
  collectUnitGlobals(project, *header);
}

bool prepareUnit(TProject& project, TIFDEFHandler& handler) {
  TCodeUnit& unit = handler.unit();
  if (project.settings().CheckStringConst && !project.NamingMode) collectOwnConstants(unit);
  if (project.StopRequested) return false;
  if (handler.Current <= 1) ReadUses(unit);
  return !project.StopRequested;
}

bool walkUnit(TProject& project, bool isProjectFile) {
  const SearchWalk& search = project.Search;
  // A search of the forms alone reads no unit, and a variable-expression search looks at
  // routines, which project files do not hold.
  if (project.SearchMode && (!search.coversCode || (search.byRoutines && isProjectFile)))
    return true;
  TIFDEFHandler handler(project.CurrentFile, project);
  TCodeUnit& unit = handler.unit();
  project.VariantCounter = handler.Current;
  const bool loaded = unit.size() > 0 && unit.ImplLine > 0;
  // A search passes over a unit it cannot read and goes on with the next.
  if (!loaded && !isProjectFile && project.SearchMode) {
    project.addError("Error scanning file : " + project.CurrentFile);
    return true;
  }
  if (!prepareUnit(project, handler)) return false;
  project.report().RecordUses(unit.UsesList);
  if (project.StopRequested) return false;
  const auto& analysers = project.context().service<RoutineAnalysers>();
  for (const auto& analyse : analysers.onUnit) analyse(project, unit);
  if (project.StopRequested) return false;

  // Naming runs make their suggestions here and do not walk the routines; a search walks
  // them only with a template (the search module reads the units of a line search itself).
  const bool walk =
      project.VarCaseMode ||
      (!project.NamingMode && !project.RenameMode && !project.SearchMode && !isProjectFile) ||
      (project.SearchMode && search.coversCode && search.byRoutines);
  if (walk) {
    const auto constants = unitConstants(project, unit);
    const bool classCheck = !project.SpellMode && !project.SearchMode && analysers.classCheck;
    do {
      project.VariantCounter = handler.Current;
      try {
        walkRoutines(project, unit, constants, [&](TProcedureItem& routine, bool first) {
          analyseRoutine(project, routine);
          if (first && classCheck && routine.BeginLine >= 0)
            analysers.classCheck(project, unit, routine);
        });
      } catch (const std::exception&) {
        project.addError("Error analyzing file : " + project.CurrentFile);
      }
    } while (!project.SpellMode && !project.SearchMode && !handler.NextVariant());
  }
  project.VariantCounter = 0;
  for (const auto& analyse : analysers.afterUnit) analyse(project, unit);
  return !project.StopRequested && !(project.SearchMode && search.isFull());
}

}  // namespace sorvik
