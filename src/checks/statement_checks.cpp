#include "checks/statement_checks.h"

#include <algorithm>
#include <array>
#include <exception>
#include <string>

#include "checks/cast_checks.h"
#include "checks/comparison_checks.h"
#include "checks/copy_checks.h"
#include "checks/dataset_checks.h"
#include "checks/date_checks.h"
#include "checks/declaration_checks.h"
#include "checks/dialog_checks.h"
#include "checks/format_checks.h"
#include "checks/literal_checks.h"
#include "checks/loop_checks.h"
#include "checks/numeric_checks.h"
#include "checks/object_lifetime_checks.h"
#include "checks/routine_checks.h"
#include "checks/set_checks.h"
#include "checks/string_checks.h"
#include "project/app_context.h"
#include "project/project.h"
#include "source/ifdef_handler.h"
#include "source/procedure_item.h"
#include "source/routine_analysers.h"

namespace sorvik {

namespace {

using CheckFunction = void (*)(TProject&, TProcedureItem&);

// A check and the error line it adds when it fails. A check without one lets its failure
// reach the routine walk, which records it for the whole routine.
struct StatementCheck {
  CheckFunction run;
  const char* errorText;
  bool namesRoutine;  // the error line ends with "." and the routine's name
};

// The fixed order in which the checks see a routine.
constexpr std::array kStatementChecks = {
    StatementCheck{CheckFormatArguments, "Error checking format commands in ", true},
    StatementCheck{CheckReciprocals, nullptr, false},
    StatementCheck{CheckObjectLifetime, "Error attempting to find unfreed objects in ", false},
    StatementCheck{CheckIsAndAs, "Error checking for As/Is in ", true},
    StatementCheck{CheckConstructorNotAssigned, "Error checking for lost pointers in ", true},
    StatementCheck{CheckLoopBounds, "Error checking loop bounds in ", true},
    StatementCheck{CheckLoopDirection, "Error checking loop count down in ", true},
    StatementCheck{CheckMessageDialogs, "Error checking MessageDlg in ", true},
    StatementCheck{CheckBusyCursor, "Error considering cursor in ", true},
    StatementCheck{CheckSinAndCos, "Error checking for Sin / Cos in ", true},
    StatementCheck{CheckAppendStr, "Error checking for AppendStr in ", true},
    StatementCheck{CheckStringListItemCast, "Error checking stringlist objects in ", true},
    StatementCheck{CheckDeleteToSetLength, "Error checking using SetLength in ", true},
    StatementCheck{CheckPCharCast, "Error checking PChar usage in ", true},
    StatementCheck{CheckStrToIntLiteral, "Error checking PChar usage in ", true},
    StatementCheck{CheckIntToStrLiteral, "Error checking PChar usage in ", true},
    StatementCheck{CheckDateFunctions, "Error checking for improving date in ", true},
    StatementCheck{CheckMonthAndDayNames, "Error checking using string resources in ", true},
    StatementCheck{CheckCopy, "Error checking Copy in ", true},
    StatementCheck{CheckOpenAndClose, "Error checking for Table.Open or Table.Close", true},
    StatementCheck{CheckInherited, "Error checking inherited in ", true},
    StatementCheck{CheckDiscardedResults, nullptr, false},
    StatementCheck{CheckConcat, "Error checking for Concat in ", true},
    StatementCheck{CheckStrLen, "Error checking for StrLen in ", true},
    StatementCheck{CheckIncludeExclude, "Error checking include/exclude in ", true},
    StatementCheck{CheckRepeatedComparison, nullptr, false},
    StatementCheck{CheckSelCount, "Error checking Listbox SelCount ", true},
    StatementCheck{CheckDatasetLoop, "Error checking dataset loop reduced in ", true},
    StatementCheck{CheckUpperCase, "Error checking for Uppercase in ", true},
    StatementCheck{CheckModalFormOwner, nullptr, false},
    StatementCheck{CheckIndexOf, nullptr, false},
    StatementCheck{CheckComparisons, nullptr, false},
    StatementCheck{CheckUnusedLocals, nullptr, false},
    StatementCheck{CheckExceptionHandler, nullptr, false},
};

// Leading empty statements are not part of the body the checks see.
void dropLeadingEmptyStatements(TProcedureItem& routine) {
  size_t count = 0;
  while (count < routine.LineProps.size() && routine.LineProps[count].IsEmpty) ++count;
  if (count == 0) return;
  // Naming runs build the line records alone, without the statements' target lists.
  const auto drop = [count](auto& list) {
    list.erase(list.begin(),
               list.begin() + static_cast<std::ptrdiff_t>(std::min(count, list.size())));
  };
  drop(routine.LineProps);
  drop(routine.StringTargets);
  drop(routine.IntegerTargets);
  drop(routine.FloatTargets);
  routine.BeginLine += static_cast<int>(count);
}

void runCheck(TProject& project, TProcedureItem& routine, const StatementCheck& check) {
  if (!check.errorText) {
    check.run(project, routine);
    return;
  }
  try {
    check.run(project, routine);
  } catch (const std::exception&) {
    std::string line = check.errorText + project.CurrentFile;
    if (check.namesRoutine) line += "." + routine.Name;
    project.addError(std::move(line));
  }
}

}  // namespace

void RunStatementChecks(TProject& project, TProcedureItem& routine) {
  // Spelling and searching walk the routines with analysers of their own.
  if (project.SpellMode || project.SearchMode) return;
  if (!project.settings().UseIfDefs || isFirstVariant(project))
    project.report().RoutineReportedLines.clear();
  dropLeadingEmptyStatements(routine);
  // The overview discusses the routine and the naming run checks its variables' case;
  // the statement checks belong to the scan.
  if (project.OverviewMode || project.VarCaseMode) return;
  for (const StatementCheck& check : kStatementChecks) runCheck(project, routine, check);
}

void attachStatementChecks(AppContext& context) {
  auto& analysers = context.service<RoutineAnalysers>();
  analysers.onRoutine.push_back(RunStatementChecks);
  analysers.classCheck = CheckClassNotification;
}

}  // namespace sorvik
